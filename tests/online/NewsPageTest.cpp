#include "online/NewsPage.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QByteArray Utf8Privet = "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82"; // "Привет"
const QByteArray Cp1251Privet = "\xCF\xF0\xE8\xE2\xE5\xF2";

} // namespace

TEST(NewsPageTest, OnlyTextIsShownAndWithoutATypeTheBytesDecide)
{
    using Kind = NewsPage::Kind;
    struct Row {
        QByteArray type, body;
        Kind kind;
    };
    const Row rows[] = {
        {"text/html", "<p>x</p>", Kind::Html},
        {"TEXT/HTML ; charset=utf-8", "<p>x</p>", Kind::Html},
        {"application/xhtml+xml", "<p>x</p>", Kind::Html},
        {"text/plain", "<p>x</p>", Kind::PlainText},
        {"application/octet-stream", "<p>x</p>", Kind::NotText},
        {"image/png", "\x89PNG\r\n\x1a\n", Kind::NotText},
        {"", "<p>x</p>", Kind::Html},
        {"", QByteArray("MZ\x90\0\x03", 5), Kind::NotText},
        {"", QByteArray("\xFF\xFE<\0p\0>\0", 8), Kind::Html}, // UTF-16 holds NUL bytes
    };
    for (const Row& r : rows)
        EXPECT_EQ(NewsPage::kind(r.type, r.body), r.kind) << r.type.constData() << " / " << r.body.toHex().constData();
}

TEST(NewsPageTest, ADeclaredCharsetIsReadElseUtf8WhenValidElseTheLanguagesCodePage)
{
    struct Row {
        const char* name;
        QByteArray type, body;
        bool html;
        QByteArray codePage;
        QString text;
    };
    const QByteArray metaCp1251 = "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\">";
    const Row rows[] = {
        {"undeclared UTF-8", "text/html", Utf8Privet, true, "windows-1251", u"Привет"_s},
        {"undeclared, not UTF-8: Russian", "text/html", Cp1251Privet, true, "windows-1251", u"Привет"_s},
        {"undeclared, not UTF-8: others", "text/html", Cp1251Privet, true, "windows-1252", u"Ïðèâåò"_s},
        {"declared in the header", "text/html; charset=\"Windows-1251\"", Cp1251Privet, true, "windows-1252",
         u"Привет"_s},
        {"declared in a meta tag", "text/html", metaCp1251 + Cp1251Privet, true, "windows-1252",
         QString::fromUtf8(metaCp1251) + u"Привет"_s},
        {"HTML5 meta", "", "<meta charset='koi8-r'>\xF0\xD2\xC9\xD7\xC5\xD4", true, "windows-1252",
         u"<meta charset='koi8-r'>Привет"_s},
        {"a meta tag says nothing in plain text", "text/plain", metaCp1251 + Utf8Privet, false, "windows-1252",
         QString::fromUtf8(metaCp1251) + u"Привет"_s},
        {"the byte-order mark wins", "text/html; charset=windows-1252", "\xEF\xBB\xBF" + Utf8Privet, true,
         "windows-1252", u"Привет"_s},
        {"an unknown charset falls back", "text/html; charset=x-martian", Cp1251Privet, true, "windows-1251",
         u"Привет"_s},
    };
    for (const Row& r : rows)
        EXPECT_EQ(NewsPage::decode(r.body, r.type, r.html, r.codePage), r.text) << r.name;
}

TEST(NewsPageTest, PicturesBecomeTheirAlternativeText)
{
    struct Row {
        QString html, shown;
    };
    const Row rows[] = {
        {u"<p>Team <img src=\"https://cdn.example/p.png\" alt=\"photo\">!</p>"_s, u"<p>Team photo!</p>"_s},
        {u"<IMG SRC=a.png ALT=Map>"_s, u"Map"_s},
        {u"<img alt='a > b' src=x>"_s, u"a &gt; b"_s},
        {u"<img title=\"alt=wrong\" data-alt=\"no\" alt=\"right\">"_s, u"right"_s},
        {u"a<img src=\"x.png\"/>b"_s, u"ab"_s},
        {u"<imgx alt=a>"_s, u"<imgx alt=a>"_s},
    };
    for (const Row& r : rows)
        EXPECT_EQ(NewsPage::picturesAsAltText(r.html), r.shown) << r.html.toStdString();
}
