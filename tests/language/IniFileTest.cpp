#include "language/IniFile.h"

#include "support/TempDir.h"

#include <QFile>

#include <gtest/gtest.h>

#include <string>

using namespace Qt::StringLiterals;

namespace {

// The entries as "key=text" joined by "|", so that a failure shows readable text.
std::string joined(const QList<IniFile::Entry>& entries)
{
    QStringList lines;
    for (const IniFile::Entry& e : entries)
        lines << e.first + u'=' + e.second;
    return lines.join(u'|').toStdString();
}

TEST(IniFileTest, ReadsFollowTheProfileRules)
{
    const struct {
        QByteArray file;
        std::string entries; // of section "Translations"
        std::string k;       // the text of its first key "K"
    } cases[] = {
        // Lines before any section, other sections and a second section of the name are not read.
        {"k=0\r\n[Other]\r\nk=1\r\n[ TRANSLATIONS ]\r\nk=2\r\n[x]\r\n[translations]\r\nk=3\r\n", "k=2", "2"},
        // Blanks around key and text dropped; inner blanks and a no-break space are text.
        {"[Translations]\r\n \t a b \t= \tx  y\xC2\xA0 \t\r\n", "a b=x  y\xC2\xA0", ""},
        {"[Translations]\r\nempty=\r\nblank=  \r\nno equals\r\n k =a=b==\r\n", "k=a=b==", "a=b=="},
        {"[Translations]\nk=1\na=2\nK=3\n", "k=1|a=2|K=3", "1"},
        {"\xEF\xBB\xBF[Translations]\nk=\xD0\x9F\ry=2", "k=\xD0\x9F|y=2", "\xD0\x9F"},
        {"[Translations]\r\nk=" + QByteArray(3000, 'x') + "\r\n", "k=" + std::string(IniFile::MaxTextLength, 'x'),
         std::string(IniFile::MaxTextLength, 'x')},
    };
    TempDir dir;
    for (const auto& c : cases) {
        const QString path = dir.write(u"t.lng"_s, c.file);
        EXPECT_EQ(joined(IniFile::readSection(path, u"Translations"_s)), c.entries) << c.file.left(60).toStdString();
        EXPECT_EQ(IniFile::readKey(path, u"translations"_s, u"K"_s).toStdString(), c.k);
    }
    EXPECT_TRUE(IniFile::readSection(dir.file(u"missing.lng"_s), u"Translations"_s).isEmpty());
}

TEST(IniFileTest, WritesReplaceInPlaceOrAddAtTheEndOfTheSection)
{
    const struct {
        const char* before;
        QList<IniFile::Entry> entries;
        std::string after;
    } cases[] = {
        // Replaced where it stands, spelt as before; line breaks become blanks; other lines, the
        // byte order mark and bytes that are not UTF-8 are kept.
        {"\xEF\xBB\xBFSwedish\n[LANGUAGE]\n  mainform = old \n; \xFF\xFE\nUpdateForm=u\n",
         {{u"MainForm"_s, u"n\r\ne\nw"_s}},
         "\xEF\xBB\xBFSwedish\r\n[LANGUAGE]\r\nmainform=n  e w\r\n; \xFF\xFE\r\nUpdateForm=u\r\n"},
        // New keys after the last entry, before the blank line; a key given twice is one entry.
        {"[Language]\r\na=1\r\n\r\n[Other]\r\nb=2\r\n",
         {{u"b"_s, u"3"_s}, {u"c"_s, u"4"_s}, {u"B"_s, u"5"_s}},
         "[Language]\r\na=1\r\nb=5\r\nc=4\r\n\r\n[Other]\r\nb=2\r\n"},
        {"top\r\n[Other]\r\nk=v", {{u"k"_s, u"w"_s}}, "top\r\n[Other]\r\nk=v\r\n[Language]\r\nk=w\r\n"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        dir.write(u"x.ini"_s, c.before);
        QString error;
        EXPECT_TRUE(IniFile::writeKeys(dir.file(u"x.ini"_s), u"Language"_s, c.entries, &error)) << c.after;
        EXPECT_EQ(dir.read(u"x.ini"_s).toStdString(), c.after);
        EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    }
}

TEST(IniFileTest, FailedWritesNameTheFileAndLeaveItAlone)
{
    TempDir dir;
    const QString readOnly = dir.write(u"ro.ini"_s, "[Language]\r\nk=v\r\n");
    QFile::setPermissions(readOnly, QFile::ReadOwner);
    QString error;
    // Nothing to change: nothing is written, so a read-only file is no failure.
    EXPECT_TRUE(IniFile::writeKey(readOnly, u"language"_s, u"K"_s, u"v"_s, &error));
    EXPECT_FALSE(IniFile::writeKey(readOnly, u"Language"_s, u"k"_s, u"w"_s, &error));
    EXPECT_TRUE(error.contains(u"ro.ini"_s)) << error.toStdString();
    EXPECT_EQ(dir.read(u"ro.ini"_s), "[Language]\r\nk=v\r\n");
}

} // namespace
