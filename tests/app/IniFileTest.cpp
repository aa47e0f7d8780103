#include "app/IniFile.h"

#include "support/TempDir.h"

#include <QFile>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

using Entries = QList<IniFile::Entry>;

// Standard strings, so that a failure shows readable text.
std::vector<std::pair<std::string, std::string>> str(const Entries& entries)
{
    std::vector<std::pair<std::string, std::string>> out;
    for (const IniFile::Entry& e : entries)
        out.emplace_back(e.first.toStdString(), e.second.toStdString());
    return out;
}
std::string str(const QByteArray& bytes)
{
    return bytes.toStdString();
}

struct ReadCase {
    const char* name;
    QByteArray file;
    Entries expected; // of section "Translations"
};

TEST(IniFileTest, ReadSectionFollowsTheProfileRules)
{
    const QString longText(3000, QLatin1Char('x'));
    const ReadCase cases[] = {
        {"section name in any case", "[TRANSLATIONS]\r\na=1\r\n", {{u"a"_s, u"1"_s}}},
        {"blanks around key and text dropped, inner ones kept",
         "[Translations]\r\n \t a b \t= \tx  y \t\r\n",
         {{u"a b"_s, u"x  y"_s}}},
        {"text starts after the first =", "[Translations]\r\nk=a=b==\r\n", {{u"k"_s, u"a=b=="_s}}},
        {"empty texts and lines without = are not read",
         "[Translations]\r\nempty=\r\nblank=  \r\nno equals\r\nk=v\r\n",
         {{u"k"_s, u"v"_s}}},
        {"lines before any section and other sections ignored",
         "Translations\r\nk=0\r\n[Other]\r\nk=1\r\n[ Translations ]\r\nk=2\r\n[Later]\r\nk=3\r\n",
         {{u"k"_s, u"2"_s}}},
        {"only the first section of a name",
         "[Translations]\r\na=1\r\n[x]\r\n[translations]\r\nb=2\r\n",
         {{u"a"_s, u"1"_s}}},
        {"file order, duplicates kept",
         "[Translations]\nb=1\na=2\nB=3\n",
         {{u"b"_s, u"1"_s}, {u"a"_s, u"2"_s}, {u"B"_s, u"3"_s}}},
        {"BOM, LF and CR line ends, no final newline",
         "\xEF\xBB\xBF[Translations]\nk=\xD0\x9F\xD1\x80\ry=2",
         {{u"k"_s, QStringLiteral("\u041F\u0440")}, {u"y"_s, u"2"_s}}},
        {"no-break space is text",
         "[Translations]\r\nk=Erreur\xC2\xA0\r\n",
         {{u"k"_s, QStringLiteral("Erreur\u00A0")}}},
        {"text cut at 2047 characters",
         "[Translations]\r\nk=" + longText.toUtf8() + "\r\n",
         {{u"k"_s, longText.left(2047)}}},
    };
    TempDir dir;
    for (const ReadCase& c : cases) {
        const QString path = dir.write(QStringLiteral("t.lng"), c.file);
        EXPECT_EQ(str(IniFile::readSection(path, QStringLiteral("Translations"))), str(c.expected)) << c.name;
    }
    EXPECT_TRUE(
        IniFile::readSection(dir.file(QStringLiteral("missing.lng")), QStringLiteral("Translations")).isEmpty());
}

TEST(IniFileTest, ReadKeyFindsTheFirstEntryWithoutRegardToCase)
{
    TempDir dir;
    const QString path = dir.write(QStringLiteral("qvl.ini"), "English\r\n[language]\r\nMAINFORM = a.lng \r\n"
                                                              "mainform=b.lng\r\nEmpty=\r\n");
    bool found = false;
    EXPECT_EQ(IniFile::readKey(path, QStringLiteral("Language"), QStringLiteral("MainForm"), &found), u"a.lng"_s);
    EXPECT_TRUE(found);
    EXPECT_EQ(IniFile::readKey(path, QStringLiteral("Language"), QStringLiteral("empty"), &found), u""_s);
    EXPECT_TRUE(found);
    EXPECT_EQ(IniFile::readKey(path, QStringLiteral("Language"), QStringLiteral("English"), &found), u""_s);
    EXPECT_FALSE(found);
}

struct WriteCase {
    const char* name;
    QByteArray before; // "<missing>" for no file
    Entries entries;   // written to section "Language"
    QByteArray after;
};

TEST(IniFileTest, WritesReplaceInPlaceOrAddAtTheEndOfTheSection)
{
    const WriteCase cases[] = {
        {"file created", "<missing>", {{u"MainForm"_s, u"x"_s}}, "[Language]\r\nMainForm=x\r\n"},
        {"replaced in place, any case, other lines kept as they were",
         "Swedish\n[LANGUAGE]\n  mainform = old \n; note\nUpdateForm=u\n",
         {{u"MainForm"_s, u"new"_s}},
         "Swedish\r\n[LANGUAGE]\r\nmainform=new\r\n; note\r\nUpdateForm=u\r\n"},
        {"added after the last entry, before the blank line and the next section",
         "[Language]\r\na=1\r\n\r\n[Other]\r\nb=2\r\n",
         {{u"b"_s, u"3"_s}, {u"c"_s, u"4"_s}},
         "[Language]\r\na=1\r\nb=3\r\nc=4\r\n\r\n[Other]\r\nb=2\r\n"},
        {"section added at the end",
         "top\r\n[Other]\r\nk=v",
         {{u"k"_s, u"w"_s}},
         "top\r\n[Other]\r\nk=v\r\n[Language]\r\nk=w\r\n"},
        {"a key given twice gives one entry with the last text",
         "[Language]\r\n",
         {{u"k"_s, u"1"_s}, {u"K"_s, u"2"_s}},
         "[Language]\r\nk=2\r\n"},
        {"BOM and foreign bytes of other lines kept, line breaks in a value become blanks",
         "\xEF\xBB\xBF[Language]\r\nk=\xFF\xFE\r\n",
         {{u"j"_s, u"a\r\nb\nc"_s}},
         "\xEF\xBB\xBF[Language]\r\nk=\xFF\xFE\r\nj=a  b c\r\n"},
    };
    for (const WriteCase& c : cases) {
        TempDir dir;
        const QString path = dir.file(QStringLiteral("x.ini"));
        if (c.before != "<missing>")
            dir.write(QStringLiteral("x.ini"), c.before);
        QString error;
        EXPECT_TRUE(IniFile::writeKeys(path, QStringLiteral("Language"), c.entries, &error)) << c.name;
        EXPECT_EQ(str(dir.read(QStringLiteral("x.ini"))), str(c.after)) << c.name;
        EXPECT_EQ(error.toStdString(), "") << c.name;
    }
}

TEST(IniFileTest, FailedWritesNameTheFileAndLeaveItAlone)
{
    TempDir dir;
    const QString readOnly = dir.write(QStringLiteral("ro.ini"), "[Language]\r\nk=v\r\n");
    QFile::setPermissions(readOnly, QFile::ReadOwner);
    QString error;
    // Nothing to change: nothing is written, so a read-only file is no failure.
    EXPECT_TRUE(
        IniFile::writeKey(readOnly, QStringLiteral("language"), QStringLiteral("K"), QStringLiteral("v"), &error));
    EXPECT_FALSE(
        IniFile::writeKey(readOnly, QStringLiteral("Language"), QStringLiteral("k"), QStringLiteral("w"), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("ro.ini"))) << error.toStdString();
    EXPECT_EQ(dir.read(QStringLiteral("ro.ini")), "[Language]\r\nk=v\r\n");

    error.clear();
    const QString inMissingFolder = dir.file(QStringLiteral("no/such/Language.lng"));
    EXPECT_FALSE(IniFile::writeKey(inMissingFolder, QStringLiteral("Translations"), QStringLiteral("k"),
                                   QStringLiteral("v"), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("Language.lng"))) << error.toStdString();
}

} // namespace
