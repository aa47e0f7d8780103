#include "support/TempDir.h"

#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct ToolRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs qvl-cfg in `workDir`; "@" in the arguments stands for the file name `file`.
ToolRun runTool(const QString& workDir, QStringList args, const QString& file = QString())
{
    for (QString& a : args) {
        if (a == QLatin1String("@"))
            a = file;
    }
    QProcess process;
    process.setWorkingDirectory(workDir);
    process.start(QStringLiteral(QVL_CFG_PROGRAM), args);
    ToolRun run;
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

// One line on stderr, naming what it should.
void expectOneLine(const QByteArray& err, const QString& mentions)
{
    EXPECT_TRUE(err.startsWith("qvl-cfg: ")) << err.toStdString();
    EXPECT_TRUE(err.endsWith('\n')) << err.toStdString();
    EXPECT_EQ(err.count('\n'), 1) << err.toStdString();
    if (!mentions.isEmpty()) {
        EXPECT_TRUE(err.contains(mentions.toLocal8Bit())) << err.toStdString() << " lacks " << mentions.toStdString();
    }
}

struct ToolCase {
    QStringList args;
    QByteArray before;
    int exitCode;
    QByteArray out;
    QByteArray after; // the file afterwards; "=" for unchanged
};

void PrintTo(const ToolCase& c, std::ostream* os)
{
    *os << "qvl-cfg " << c.args.join(QLatin1Char(' ')).toStdString();
}

class CfgToolRun : public ::testing::TestWithParam<ToolCase> {};

TEST_P(CfgToolRun, ActsOnTheFile)
{
    const ToolCase& c = GetParam();
    TempDir dir;
    dir.write(QStringLiteral("config.cfg"), c.before);
    const ToolRun run = runTool(dir.path(), c.args, QStringLiteral("config.cfg"));
    EXPECT_EQ(run.exitCode, c.exitCode);
    EXPECT_EQ(run.out, c.out);
    EXPECT_EQ(dir.read(QStringLiteral("config.cfg")), c.after == "=" ? c.before : c.after);
    if (c.exitCode == 0) {
        EXPECT_EQ(run.err, QByteArray());
    } else {
        expectOneLine(run.err, QStringLiteral("config.cfg"));
    }
}

const QString get = QStringLiteral("get");
const QString set = QStringLiteral("set");
const QString del = QStringLiteral("delete");
const QString file = QStringLiteral("@");

INSTANTIATE_TEST_SUITE_P(
    Commands, CfgToolRun,
    ::testing::Values(
        ToolCase{{get, file, QStringLiteral("rate")}, "cl_updaterate 60\r\nrate 5000 // x\n", 0, "5000\n", "="},
        ToolCase{{get, file, QStringLiteral("bind \"w\"")}, "bind \"W\" \"+forward\"\r\n", 0, "+forward\n", "="},
        ToolCase{{get, file, QStringLiteral("drawradar")}, "drawradar\r\n", 0, "\n", "="},
        ToolCase{{get, file, QStringLiteral("name")}, "name \"Caf\xe9 \\o/\"\r\n", 0, "Caf\xe9 \\o/\n", "="},
        ToolCase{{get, file, QStringLiteral("rate")}, "cl_updaterate 60\nbind r \"rate 1\"", 1, "", "="},
        ToolCase{{set, file, QStringLiteral("bind \"w\""), QStringLiteral("+forward")},
                 "bind \"W\" \"+moveup\"\r\nrate 1\n",
                 0,
                 "",
                 "bind \"w\" \"+forward\"\r\nrate 1\r\n"},
        ToolCase{{set, file, QStringLiteral("rate"), QStringLiteral("9999")},
                 "\trate 1 // mine\r\n",
                 0,
                 "",
                 "\trate \"9999\" // mine\r\n"},
        ToolCase{{set, file, QStringLiteral("cl_showfps"), QStringLiteral("1")},
                 "rate 1\n",
                 0,
                 "",
                 "rate 1\r\ncl_showfps \"1\""},
        ToolCase{{set, file, QStringLiteral("hideradar"), QString()}, "", 0, "", "hideradar \" \""},
        ToolCase{{del, file, QStringLiteral("drawradar")},
                 "drawradar\r\nbind x drawradar\nDRAWRADAR \" \"\r\n",
                 0,
                 "",
                 "bind x drawradar\r\n"},
        ToolCase{{QStringLiteral("normalize"), file}, "a\n\nb\rc", 0, "", "a\r\nb\r\nc\r\n"},
        // Usage errors leave the file alone.
        ToolCase{{get, file}, "rate 1\n", 2, "", "="},
        ToolCase{{set, file, QStringLiteral("rate")}, "rate 1\n", 2, "", "="},
        ToolCase{{get, file, QStringLiteral("rate"), QStringLiteral("x")}, "rate 1\n", 2, "", "="},
        ToolCase{{set, file, QStringLiteral("  "), QStringLiteral("1")}, "rate 1\n", 2, "", "="},
        ToolCase{{QStringLiteral("normalize"), file, file}, "rate 1\n", 2, "", "="}));

TEST(CfgTool, UsageErrorsWithoutAFile)
{
    TempDir dir;
    for (const QStringList& args :
         {QStringList{}, QStringList{QStringLiteral("frobnicate"), QStringLiteral("x.cfg")},
          QStringList{QStringLiteral("GET"), QStringLiteral("x.cfg"), QStringLiteral("rate")}}) {
        const ToolRun run = runTool(dir.path(), args);
        EXPECT_EQ(run.exitCode, 2) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(run.out, QByteArray());
        expectOneLine(run.err, QString());
    }
}

TEST(CfgTool, FileErrorsNameTheFile)
{
    TempDir dir;
    const QString missing = dir.file(QStringLiteral("missing.cfg"));
    ToolRun run = runTool(dir.path(), {get, missing, QStringLiteral("rate")});
    EXPECT_EQ(run.exitCode, 2);
    expectOneLine(run.err, missing);

    run = runTool(dir.path(), {QStringLiteral("normalize"), dir.path()});
    EXPECT_EQ(run.exitCode, 2);
    expectOneLine(run.err, dir.path());

    const QByteArray before = "rate 1\n";
    const QString locked = dir.write(QStringLiteral("locked.cfg"), before);
    ASSERT_TRUE(QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    run = runTool(dir.path(), {set, locked, QStringLiteral("rate"), QStringLiteral("2")});
    EXPECT_EQ(run.exitCode, 2);
    expectOneLine(run.err, locked);
    EXPECT_EQ(TempDir::readFile(locked), before);
    // Reading a read-only file is fine.
    run = runTool(dir.path(), {get, locked, QStringLiteral("rate")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "1\n");
}

TEST(CfgTool, HelpAndVersion)
{
    TempDir dir;
    ToolRun run = runTool(dir.path(), {QStringLiteral("--help")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.startsWith("Usage: qvl-cfg get FILE NAME\n")) << run.out.toStdString();
    for (const char* word : {"set FILE NAME VALUE", "delete FILE NAME", "normalize FILE"})
        EXPECT_TRUE(run.out.contains(word)) << word;
    EXPECT_EQ(run.err, QByteArray());

    run = runTool(dir.path(), {QStringLiteral("--version")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "qvl-cfg " QVL_VERSION "\n");
    EXPECT_EQ(run.err, QByteArray());
}

TEST(CfgTool, EditsTheGameConfigInPlace)
{
    TempDir dir;
    const QByteArray original = TempDir::testData(QStringLiteral("config.cfg"));
    dir.write(QStringLiteral("config.cfg"), original);
    ToolRun run = runTool(dir.path(), {QStringLiteral("normalize"), QStringLiteral("config.cfg")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(dir.read(QStringLiteral("config.cfg")), original);

    run = runTool(dir.path(),
                  {set, QStringLiteral("config.cfg"), QStringLiteral("bind \"w\""), QStringLiteral("+moveup")});
    EXPECT_EQ(run.exitCode, 0);
    QByteArray expected = original;
    expected.replace("bind \"w\" \"+forward\"", "bind \"w\" \"+moveup\"");
    EXPECT_EQ(dir.read(QStringLiteral("config.cfg")), expected);

    run = runTool(dir.path(), {get, QStringLiteral("config.cfg"), QStringLiteral("bind \"W\"")});
    EXPECT_EQ(run.out, "+moveup\n");
}

} // namespace
