#include "cli/ToolRun.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// Runs the built qvl-cfg in `dir` with the history in dir/history.
ToolRun runKept(const TempDir& dir, QStringList args, bool withHistory = true)
{
    if (withHistory)
        args << u"--history"_s << dir.file(u"history"_s);
    return ::runTool(dir, args);
}

// The history's lines without their times.
QList<QByteArray> listed(const ToolRun& run)
{
    QList<QByteArray> lines = run.out.split('\n');
    for (QByteArray& line : lines) {
        QList<QByteArray> fields = line.split('\t');
        if (fields.size() == 4 && QDateTime::fromString(QString::fromLatin1(fields[1]), Qt::ISODate).isValid() &&
            fields[1].endsWith('Z'))
            fields[1] = "T";
        line = fields.join('\t');
    }
    return lines;
}

TEST(HistoryCommands, EditsKeepVersionsThatShowAndRestoreGiveBack)
{
    TempDir dir;
    const QByteArray game = TempDir::testData(u"config.cfg"_s);
    const QString file = u"config.cfg"_s;
    dir.write(file, game);
    ASSERT_EQ(runKept(dir, {u"set"_s, file, u"rate"_s, u"30000"_s}).exitCode, 0);
    const QByteArray afterSet = dir.read(file);
    ASSERT_EQ(runKept(dir, {u"set"_s, file, u"rate"_s, u"30000"_s}).exitCode, 0); // writes nothing, keeps nothing
    ASSERT_EQ(runKept(dir, {u"bind"_s, file, u"+"_s, u"sizedown"_s}).exitCode, 0);
    const QByteArray afterBind = dir.read(file);
    dir.write(file, afterBind + "name \"Caf\xe9\"\n"); // a text editor's change
    ASSERT_EQ(runKept(dir, {u"normalize"_s, file}).exitCode, 0);

    const ToolRun history = runKept(dir, {u"history"_s, file});
    EXPECT_EQ(history.exitCode, 0);
    EXPECT_EQ(listed(history), (QList<QByteArray>{"1\tT\tchanged outside\t" + QByteArray::number(afterBind.size() + 12),
                                                  "2\tT\tqvl-cfg bind\t" + QByteArray::number(afterSet.size()),
                                                  "3\tT\tqvl-cfg set\t" + QByteArray::number(game.size()), ""}));
    EXPECT_EQ(runKept(dir, {u"show"_s, file, u"1"_s}).out, afterBind + "name \"Caf\xe9\"\n");
    EXPECT_EQ(runKept(dir, {u"show"_s, file, u"3"_s}).out, game);

    const QByteArray normalized = dir.read(file);
    ASSERT_EQ(runKept(dir, {u"restore"_s, file, u"3"_s}).exitCode, 0);
    EXPECT_EQ(dir.read(file), game);
    EXPECT_TRUE(listed(runKept(dir, {u"history"_s, file}))
                    .startsWith("1\tT\trestore\t" + QByteArray::number(normalized.size())));
    ASSERT_EQ(runKept(dir, {u"restore"_s, file, u"1"_s}).exitCode, 0); // undoes the restore
    EXPECT_EQ(dir.read(file), normalized);
}

TEST(HistoryCommands, AFailedKeepStopsTheEdit)
{
    TempDir dir;
    const QString path = dir.write(u"config.cfg"_s, "rate 1\r\n");
    ASSERT_EQ(runKept(dir, {u"set"_s, path, u"rate"_s, u"2"_s}).exitCode, 0);
    // Permission bits only: tests run as root, for whom access(2) allows everything.
    const QStringList folders = QDir(dir.file(u"history"_s)).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_EQ(folders.size(), 1);
    ASSERT_TRUE(
        QFile::setPermissions(dir.file(u"history/"_s + folders[0]), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const qint64 past = TempDir::backdate(path);
    const ToolRun run = runKept(dir, {u"set"_s, path, u"rate"_s, u"3"_s});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.startsWith("qvl-cfg: " + path.toLocal8Bit() + " was left as it is")) << run.err.toStdString();
    EXPECT_EQ(dir.read(u"config.cfg"_s), "rate \"2\"\r\n");
    EXPECT_EQ(TempDir::modified(path), past);
}

TEST(HistoryCommands, FindsTheHistoryAndRefusesWhatItCannotDo)
{
    TempDir dir;
    const QString file = u"config.cfg"_s;
    dir.write(file, "rate 1\r\n");
    // Where Quarvel never ran, the program folder it will choose keeps the versions.
    EXPECT_EQ(runKept(dir, {u"set"_s, file, u"rate"_s, u"2"_s}, false).exitCode, 0);
    const ToolRun first = runKept(dir, {u"history"_s, file}, false);
    EXPECT_EQ(first.exitCode, 0);
    EXPECT_EQ(listed(first), (QList<QByteArray>{"1\tT\tqvl-cfg set\t8", ""}));
    EXPECT_TRUE(QDir(dir.file(u"user-data/Quarvel/history"_s)).exists());
    EXPECT_EQ(runKept(dir, {u"restore"_s, file, u"1"_s}, false).exitCode, 0);
    EXPECT_EQ(dir.read(file), "rate 1\r\n");
    ASSERT_TRUE(QDir(dir.file(u"user-data"_s)).removeRecursively());

    // The program folder named in the settings holds it.
    const QString settings =
        dir.write(u"settings.ini"_s, "[General]\nqvl_path=" + dir.file(u"program"_s).toUtf8() + "\n");
    EXPECT_EQ(runKept(dir, {u"--settings"_s, settings, u"set"_s, file, u"rate"_s, u"3"_s}, false).exitCode, 0);
    EXPECT_EQ(runKept(dir, {u"show"_s, file, u"1"_s, u"--settings="_s + settings}, false).out, "rate 1\r\n");

    const struct {
        QStringList args;
        int exitCode;
    } cases[] = {
        {{u"show"_s, file, u"2"_s}, 1}, {{u"restore"_s, file, u"1"_s}, 1},
        {{u"show"_s, file, u"0"_s}, 2}, {{u"show"_s, file, u"x"_s}, 2},
        {{u"show"_s, file}, 2},         {{u"history"_s, file, u"1"_s}, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(u' ').toStdString());
        const ToolRun run = runKept(dir, c.args);
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_TRUE(run.out.isEmpty() && run.err.startsWith("qvl-cfg: ") && run.err.count('\n') == 1);
    }
    EXPECT_EQ(dir.read(file), "rate \"3\"\r\n");
}

} // namespace
