#include "app/LanguageIni.h"

#include "support/TempDir.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray fiveLines(const QString& programDir, const char* language)
{
    const QByteArray file = QDir::toNativeSeparators(programDir + u"/Languages/"_s).toUtf8() + language + ".lng";
    return QByteArray(language) + "\r\n[Language]\r\nMainForm=" + file + "\r\nUpdateForm=" + file +
           "\r\nSplashForm=" + file + "\r\n";
}

struct StartCase {
    const char* name;
    QByteArray before; // "<missing>" for no file
    const char* language;
};

TEST(LanguageIniTest, StartUpKeepsOnlyTheLanguageLineAndRegeneratesTheRest)
{
    const StartCase cases[] = {
        {"the five lines", "Russian\r\n[Language]\r\nMainForm=x\r\nUpdateForm=x\r\nSplashForm=x\r\n", "Russian"},
        {"extra sections dropped, LF ends, BOM",
         "\xEF\xBB\xBF"
         "French\n[Language]\nMainForm=old\n[Other]\nk=v",
         "French"},
        {"lone CR, blanks around the name", " Swedish \r[Language]\r", "Swedish"},
        {"empty first line", "\r\n[Language]\r\nMainForm=C:\\q\\Languages\\English.lng\r\n", ""},
        {"language line deleted", "[Language]\r\nMainForm=x\r\n", ""},
        {"empty file", "", ""},
        {"missing file", "<missing>", ""},
    };
    for (const StartCase& c : cases) {
        TempDir dir;
        if (c.before != "<missing>")
            dir.write(u"qvl.ini"_s, c.before);
        QString language = u"unset"_s;
        QString error;
        EXPECT_TRUE(LanguageIni::readAndRewrite(dir.path(), &language, &error)) << c.name;
        EXPECT_EQ(language, QString::fromUtf8(c.language)) << c.name;
        EXPECT_EQ(dir.read(u"qvl.ini"_s), fiveLines(dir.path(), c.language)) << c.name;
    }
}

TEST(LanguageIniTest, UnwritableFileIsReportedByName)
{
    TempDir dir;
    QString language;
    QString error;
    EXPECT_FALSE(LanguageIni::readAndRewrite(dir.file(u"gone"_s), &language, &error));
    EXPECT_TRUE(error.contains(u"qvl.ini"_s)) << error.toStdString();
}

} // namespace
