#include "language/LanguageIni.h"

#include "support/TempDir.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(LanguageIniTest, StartUpKeepsOnlyTheLanguageLineAndRegeneratesTheRest)
{
    const struct {
        const char* before; // nullptr: no file
        const char* language;
    } cases[] = {
        {"Russian\r\n[Language]\r\nMainForm=x\r\nUpdateForm=x\r\nSplashForm=x\r\n", "Russian"},
        {"\xEF\xBB\xBF"
         "French\n[Language]\nMainForm=old\n[Other]\nk=v",
         "French"},
        {" Swedish \r[Language]\r", "Swedish"},
        {"\r\n[Language]\r\nMainForm=C:\\q\\Languages\\English.lng\r\n", ""}, // empty first line
        {"[Language]\r\nMainForm=x\r\n", ""},                                 // language line deleted
        {"", ""},
        {nullptr, ""},
    };
    for (const auto& c : cases) {
        TempDir dir;
        if (c.before)
            dir.write(u"qvl.ini"_s, c.before);
        QString language = u"unset"_s;
        QString error;
        EXPECT_TRUE(LanguageIni::readAndRewrite(dir.path(), &language, &error)) << error.toStdString();
        EXPECT_EQ(language.toStdString(), c.language);
        const QByteArray file =
            QDir::toNativeSeparators(dir.path() + u"/Languages/"_s + QString::fromUtf8(c.language) + u".lng"_s)
                .toUtf8();
        EXPECT_EQ(dir.read(u"qvl.ini"_s).toStdString(), (QByteArray(c.language) + "\r\n[Language]\r\nMainForm=" + file +
                                                         "\r\nUpdateForm=" + file + "\r\nSplashForm=" + file + "\r\n")
                                                            .toStdString());
    }

    // A read-only file that already holds the right lines is fine; one that needs a change is refused.
    TempDir dir;
    ASSERT_TRUE(LanguageIni::write(dir.path(), u"French"_s));
    const QString path = LanguageIni::path(dir.path());
    const QByteArray written = TempDir::readFile(path);
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    QString language;
    QString error;
    EXPECT_TRUE(LanguageIni::readAndRewrite(dir.path(), &language, &error)) << error.toStdString();
    EXPECT_EQ(language, u"French"_s);
    EXPECT_FALSE(LanguageIni::write(dir.path(), u"Swedish"_s, &error));
    EXPECT_TRUE(error.contains(u"read-only"_s)) << error.toStdString();
    EXPECT_EQ(TempDir::readFile(path), written);

    // A program folder that is gone: the file cannot be written, and the error names it.
    error.clear();
    EXPECT_FALSE(LanguageIni::readAndRewrite(TempDir().file(u"gone"_s), nullptr, &error));
    EXPECT_TRUE(error.contains(u"qvl.ini"_s)) << error.toStdString();
}

} // namespace
