#include "chain/UserconfigMove.h"
#include "chain/ArchivedCvars.h"
#include "chain/ShippedArchived.h"
#include "config/AppState.h"
#include "support/FakeDialogs.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using UserconfigMove::Stay;

namespace {

// As the game writes it, with what a player adds by hand: the lines that stay, and between them
// those that move.
const QByteArray GameHead = "unbindall\r\n"
                            "bind \"+\" \"sizeup\"\r\n"
                            "bind \"w\" \"+forward\"\r\n";
const QByteArray GameTail = "rate \"25000\" // fast\r\n"
                            "bind \"ESC\" \"cancelselect\"\r\n"
                            "alias x; bind \"q\" \"x\"\r\n"
                            "sensitivity \"2.5\"\r\n"
                            "setinfo \"_vgui_menus\" \"0\"\r\n"
                            "exec userconfig.cfg\r\n";
const QByteArray GameConfig =
    GameHead + "alias +jd \"+jump;+duck\"\r\n// my own\r\n\r\n" + "exec extra.cfg\r\ncl_bobup 0.5\r\n" + GameTail;
const QByteArray GameConfigAfter = GameHead + "\r\n" + GameTail;

QString linesText(const UserconfigMove::Plan& plan)
{
    static const char* const stays[] = {"moves", "kept in part", "unknown key", "runs userconfig", "set again"};
    QStringList out;
    for (const UserconfigMove::LostLine& l : plan.lines)
        out << u"%1 %2"_s.arg(l.line).arg(QLatin1String(stays[static_cast<int>(l.stay)]));
    return out.join(u", "_s);
}

UserconfigMove::Plan planOf(const TempDir& game)
{
    UserconfigMove::Plan plan;
    QString error;
    EXPECT_TRUE(UserconfigMove::plan(game.path(), shippedArchivedCvars(), &plan, &error)) << error.toStdString();
    return plan;
}

TEST(UserconfigMove, AppendsTheMovedLinesInUserconfigsOwnLineEnds)
{
    const struct {
        const char* name;
        std::optional<QByteArray> userconfig; // none: missing
        QByteArray after;
    } cases[] = {
        {"missing", std::nullopt, "alias +jd \"+jump;+duck\"\r\n// my own\r\nexec extra.cfg\r\ncl_bobup 0.5\r\n"},
        {"LF", "cl_bobcycle 0.8\n",
         "cl_bobcycle 0.8\nalias +jd \"+jump;+duck\"\n// my own\nexec extra.cfg\ncl_bobup 0.5\n"},
        {"CR LF", "cl_bobcycle 0.8\r\n",
         "cl_bobcycle 0.8\r\nalias +jd \"+jump;+duck\"\r\n// my own\r\nexec extra.cfg\r\ncl_bobup 0.5\r\n"},
        {"no final line end", "echo a\ncl_bobcycle 0.8",
         "echo a\ncl_bobcycle 0.8\nalias +jd \"+jump;+duck\"\n// my own\nexec extra.cfg\ncl_bobup 0.5\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir game;
        game.write(u"config.cfg"_s, GameConfig);
        game.write(u"extra.cfg"_s, "bind \"w\" \"+forward\"\r\n");
        if (c.userconfig)
            game.write(u"userconfig.cfg"_s, *c.userconfig);
        const UserconfigMove::Plan plan = planOf(game);
        EXPECT_EQ(linesText(plan).toStdString(),
                  "4 moves, 5 moves, 7 moves, 8 moves, 9 kept in part, 10 unknown key, 11 kept in part");
        EXPECT_EQ(plan.lines[3].text, "cl_bobup 0.5");
        EXPECT_EQ(plan.lines[4].reasons, std::vector{ConfigLosses::Reason::Comment});
        EXPECT_EQ(plan.configAfter, GameConfigAfter);
        EXPECT_FALSE(plan.addsExec);
        EXPECT_EQ(plan.userconfigExists, c.userconfig.has_value());
        EXPECT_EQ(plan.userconfigBefore, c.userconfig.value_or(QByteArray()));
        EXPECT_EQ(plan.userconfigAfter, c.after);
    }
}

TEST(UserconfigMove, KeepsInConfigWhatWouldRunDifferentlyFromUserconfig)
{
    const struct {
        const char* name;
        QByteArray config;
        QByteArray userconfig;
        const char* lines;
    } cases[] = {
        {"an exec of userconfig.cfg that is not the last exec", "exec userconfig.cfg\nexec b.cfg\n", "",
         "1 runs userconfig, 2 moves"},
        {"a variable userconfig.cfg sets again", "cl_bobup 1\ndeveloper 1\nexec userconfig.cfg\n", "cl_bobup 2\n",
         "1 set again, 2 moves"},
        {"an alias set again in the same file", "alias a x\nalias b y\nalias A z\n", "",
         "1 set again, 2 moves, 3 moves"},
        {"an alias userconfig.cfg defines again", "alias a x\nexec userconfig.cfg\n", "alias a y\n", "1 set again"},
        {"an exec whose binds config.cfg binds again", "exec b.cfg\nbind w +back\n", "", "1 set again"},
        {"an exec whose binds win anyway", "bind w +back\nexec b.cfg\n", "", "2 moves"},
        {"a command the program cannot follow", "alias a x; +mlook\necho hi // hello\n", "",
         "1 kept in part, 2 kept in part"},
        {"empty commands and a comment with a semicolon", ";;\n// old; bind a x\n", "", "2 kept in part"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir game;
        game.write(u"config.cfg"_s, c.config);
        game.write(u"userconfig.cfg"_s, c.userconfig);
        game.write(u"b.cfg"_s, "bind w +forward\n");
        EXPECT_EQ(linesText(planOf(game)).toStdString(), c.lines);
    }
}

TEST(UserconfigMove, EndsConfigWithAnExecOfUserconfigWhenItDoesNot)
{
    const struct {
        const char* name;
        QByteArray config;
        QByteArray after; // empty: nothing moves
        bool addsExec;
    } cases[] = {
        {"a moved line without a line end", "rate 1\nalias a x", "rate 1\nexec userconfig.cfg\n", true},
        {"a kept line without a line end", "alias a x\nrate 1", "rate 1\nexec userconfig.cfg\n", true},
        {"no exec, CR LF", "alias a x\r\nrate 1\r\n", "rate 1\r\nexec userconfig.cfg\r\n", true},
        {"an exec followed by a kept command", "exec userconfig.cfg\nrate 1\n// x\n",
         "exec userconfig.cfg\nrate 1\nexec userconfig.cfg\n", true},
        {"a comment after the last exec", "exec userconfig.cfg\r\n// x\r\n", "exec userconfig.cfg\r\n", false},
        {"only lost lines", "alias a x", "exec userconfig.cfg\r\n", true},
        {"nothing to move", "rate 1\nbind ESC x\n", "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir game;
        game.write(u"config.cfg"_s, c.config);
        const UserconfigMove::Plan plan = planOf(game);
        EXPECT_EQ(plan.movesAny(), !c.after.isEmpty());
        EXPECT_EQ(plan.configAfter, c.after.isEmpty() ? c.config : c.after);
        EXPECT_EQ(plan.addsExec, c.addsExec);
        // A new userconfig.cfg ends its lines in CR LF, whatever config.cfg's line ends.
        EXPECT_EQ(plan.userconfigAfter.endsWith("\r\n"), !c.after.isEmpty());
    }
}

TEST(UserconfigMove, FailsToPlanWithoutAReadableConfig)
{
    TempDir game;
    UserconfigMove::Plan plan;
    QString error;
    EXPECT_FALSE(UserconfigMove::plan(game.path(), shippedArchivedCvars(), &plan, &error));
    EXPECT_TRUE(error.contains(u"config.cfg"_s)) << error.toStdString();
}

// A game folder with config.cfg and userconfig.cfg, and the state that moves lines between them.
class UserconfigMoveWrite : public ::testing::Test {
protected:
    void SetUp() override
    {
        game.write(u"config.cfg"_s, GameConfig);
        game.write(u"userconfig.cfg"_s, "cl_bobcycle 0.8\r\n");
        state.working.setHistory(program.path());
        state.working.setFolder(game.dirWithSlash());
        state.working.setWorkingFile(u"config.cfg"_s);
        ASSERT_TRUE(state.LoadCfg());
        state.reviewer = [this](const QList<PendingWrite>& writes) {
            reviewed = writes;
            if (duringReview)
                duringReview();
            return answer;
        };
    }
    UserconfigMove::Outcome move() { return UserconfigMove::write(state, planOf(game), &error); }
    void expectUnchanged()
    {
        EXPECT_EQ(game.read(u"config.cfg"_s), GameConfig);
        EXPECT_EQ(game.read(u"userconfig.cfg"_s), "cl_bobcycle 0.8\r\n");
    }

    TempDir game;
    TempDir program;
    MemorySettings settings;
    FakeDialogs dialogs;
    AppState state{settings, dialogs};
    QList<PendingWrite> reviewed;
    bool answer = true;
    std::function<void()> duringReview;
    QString error;
};

TEST_F(UserconfigMoveWrite, WritesBothFilesKeepingAVersionOfEachAndReadsConfigAgain)
{
    EXPECT_EQ(move(), UserconfigMove::Outcome::Moved) << error.toStdString();
    EXPECT_EQ(game.read(u"config.cfg"_s), GameConfigAfter);
    EXPECT_EQ(game.read(u"userconfig.cfg"_s), "cl_bobcycle 0.8\r\nalias +jd \"+jump;+duck\"\r\n// my own\r\n"
                                              "exec extra.cfg\r\ncl_bobup 0.5\r\n");
    ASSERT_EQ(reviewed.size(), 2);
    EXPECT_EQ(reviewed[0].path, game.file(u"userconfig.cfg"_s));
    EXPECT_EQ(reviewed[1].after, GameConfigAfter);
    const History history = History::in(program.path());
    for (const char* file : {"config.cfg", "userconfig.cfg"}) {
        const QList<HistoryVersion> versions = history.versions(game.file(QLatin1String(file)));
        ASSERT_EQ(versions.size(), 1) << file;
        EXPECT_EQ(versions[0].action, u"Move to userconfig.cfg"_s);
    }
    EXPECT_EQ(state.working.store().loadedBytes(), GameConfigAfter);
    EXPECT_EQ(move(), UserconfigMove::Outcome::NothingToMove);
}

TEST_F(UserconfigMoveWrite, MovesNothingWhenEitherFileCannotBeWritten)
{
    for (const char* file : {"userconfig.cfg", "config.cfg"}) {
        SCOPED_TRACE(file);
        const QString path = game.file(QLatin1String(file));
        QFile::setPermissions(path, QFileDevice::ReadOwner);
        EXPECT_EQ(move(), UserconfigMove::Outcome::Failed);
        EXPECT_TRUE(error.contains(QLatin1String(file))) << error.toStdString();
        EXPECT_TRUE(reviewed.isEmpty()) << "nothing to show when nothing can be written";
        expectUnchanged();
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    answer = false;
    EXPECT_EQ(move(), UserconfigMove::Outcome::Cancelled);
    expectUnchanged();
}

TEST_F(UserconfigMoveWrite, PutsUserconfigBackWhenConfigFailsAfterIt)
{
    // config.cfg turns read-only after the check, while the writes are shown.
    duringReview = [this] { QFile::setPermissions(game.file(u"config.cfg"_s), QFileDevice::ReadOwner); };
    EXPECT_EQ(move(), UserconfigMove::Outcome::Failed);
    EXPECT_TRUE(error.contains(u"config.cfg"_s)) << error.toStdString();
    expectUnchanged();

    QFile::remove(game.file(u"userconfig.cfg"_s));
    EXPECT_EQ(move(), UserconfigMove::Outcome::Failed);
    EXPECT_FALSE(QFile::exists(game.file(u"userconfig.cfg"_s))) << "a userconfig.cfg the move made goes again";
    EXPECT_EQ(game.read(u"config.cfg"_s), GameConfig);
}

} // namespace
