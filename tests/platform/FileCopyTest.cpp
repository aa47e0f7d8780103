#include "platform/FileCopy.h"
#include "platform/WriteCheck.h"

#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr auto ReadOnly = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
constexpr auto ReadOnlyFolder = ReadOnly | QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// Backup and restore both copy the working file over an older copy of it.
class FileCopyTest : public ::testing::Test {
protected:
    TempDir dir;
    const QString source = dir.write(u"game/config.cfg"_s, "rate \"25000\"\r\n");
    const QString folder = dir.file(u"backup"_s);
    const QString target = dir.write(u"backup/config.cfg"_s, "rate \"9999\"\r\n");
};

TEST_F(FileCopyTest, ReplacesTheTargetAndCopiesOntoItselfAsANoOp)
{
    QString error;
    ASSERT_TRUE(FileCopy::copyIntoFolder(source, folder, &error)) << error.toStdString();
    EXPECT_EQ(TempDir::readFile(target), "rate \"25000\"\r\n");
    EXPECT_TRUE(FileCopy::copyIntoFolder(source, dir.file(u"game"_s), &error)) << error.toStdString();
    EXPECT_EQ(TempDir::readFile(source), "rate \"25000\"\r\n");
    // A copy into a folder without the file creates it.
    QDir().mkpath(dir.file(u"fresh"_s));
    EXPECT_TRUE(FileCopy::copyIntoFolder(source, dir.file(u"fresh"_s), &error)) << error.toStdString();
    EXPECT_EQ(dir.read(u"fresh/config.cfg"_s), "rate \"25000\"\r\n");
}

// Every failure says false, names the file and the cause, and leaves the target as it was.
// Permission bits decide: the tests run as root, whom access(2) lets write anything.
TEST_F(FileCopyTest, AFailedCopyIsReportedWithItsCauseAndLeavesTheTargetAlone)
{
    const QString missingFolder = dir.file(u"nowhere"_s);
    const struct {
        const char* name;
        std::function<void()> arrange;
        QString from;
        QString into;
        QString expected; // the whole message, or where the system gives the cause, all before it
    } cases[] = {
        {"source missing", [] {}, dir.file(u"game/autoexec.cfg"_s), folder,
         u"Cannot read %1: "_s.arg(shown(dir.file(u"game/autoexec.cfg"_s)))},
        {"target folder missing", [] {}, source, missingFolder,
         u"Cannot write %1: the folder %2 does not exist"_s.arg(shown(missingFolder + u"/config.cfg"_s),
                                                                shown(missingFolder))},
        {"read-only target", [&] { QFile::setPermissions(target, ReadOnly); }, source, folder,
         u"Cannot write %1: the file is read-only"_s.arg(shown(target))},
        {"folder not writable", [&] { QFile::setPermissions(folder, ReadOnlyFolder); }, source, folder,
         u"Cannot write %1: the folder %2 is not writable (a save writes the new file beside the old one)"_s.arg(
             shown(target), shown(folder))},
        {"target is a folder",
         [&] {
             QFile::remove(target);
             QDir().mkpath(target);
         },
         source, folder, u"Cannot write %1: "_s.arg(shown(target))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::setPermissions(folder, ReadOnlyFolder | QFileDevice::WriteOwner);
        QFile::setPermissions(target, ReadOnly | QFileDevice::WriteOwner);
        c.arrange();
        const QByteArray before = TempDir::readFile(target);
        QString error;
        EXPECT_FALSE(FileCopy::copyIntoFolder(c.from, c.into, &error));
        if (c.expected.endsWith(u": "_s)) {
            EXPECT_TRUE(error.startsWith(c.expected) && error.size() > c.expected.size()) << error.toStdString();
        } else {
            EXPECT_EQ(error.toStdString(), c.expected.toStdString());
        }
        EXPECT_EQ(TempDir::readFile(target), before);
        EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QDir(folder).entryList(QDir::Files))
            << "a temporary file was left behind";
        EXPECT_FALSE(QFile::exists(missingFolder));
    }
}

TEST(WriteCheck, ANewFileInAReadOnlyFolderIsRefusedWithoutMentioningAnOldOne)
{
    TempDir dir;
    QFile::setPermissions(dir.path(), ReadOnlyFolder);
    const QString file = dir.file(u"new.cfg"_s);
    EXPECT_EQ(WriteCheck::refusal(file),
              u"Cannot write %1: the folder %2 is not writable"_s.arg(shown(file), shown(dir.path())));
    QFile::setPermissions(dir.path(), ReadOnlyFolder | QFileDevice::WriteOwner);
    EXPECT_EQ(WriteCheck::refusal(file), QString());
}

} // namespace

TEST(FileCopyWhole, AWholeWriteReplacesTheFileOrLeavesItAsItWas)
{
    TempDir dir;
    const QString file = dir.write(u"config.cfg"_s, "old\r\n");
    QString error;
    ASSERT_TRUE(FileCopy::writeWhole(file, "new\n", &error)) << error.toStdString();
    EXPECT_EQ(dir.read(u"config.cfg"_s), "new\n");

    // Permission bits only: tests run as root, for whom access(2) allows everything.
    ASSERT_TRUE(QFile::setPermissions(file, QFileDevice::ReadOwner));
    EXPECT_FALSE(FileCopy::writeWhole(file, "other\n", &error));
    EXPECT_TRUE(error.contains(QDir::toNativeSeparators(file))) << error.toStdString();
    EXPECT_EQ(dir.read(u"config.cfg"_s), "new\n");

    QDir(dir.path()).mkdir(u"folder.cfg"_s);
    error.clear();
    EXPECT_FALSE(FileCopy::writeWhole(dir.file(u"folder.cfg"_s), "x", &error));
    EXPECT_TRUE(error.endsWith(u"a folder of that name is in the way"_s)) << error.toStdString();
    EXPECT_TRUE(QFileInfo(dir.file(u"folder.cfg"_s)).isDir());
}

TEST(FileCopyPutBack, WritesTheOldBytesOrRemovesAFileThatWasNotThere)
{
    TempDir dir;
    const QString kept = dir.write(u"userconfig.cfg"_s, "new\n");
    EXPECT_TRUE(FileCopy::putBack(kept, QByteArray("old\r\n")));
    EXPECT_EQ(dir.read(u"userconfig.cfg"_s), "old\r\n");
    EXPECT_TRUE(FileCopy::putBack(kept, std::nullopt));
    EXPECT_FALSE(QFileInfo::exists(kept));
    EXPECT_TRUE(FileCopy::putBack(kept, std::nullopt)) << "a file already gone is back as it was";
}
