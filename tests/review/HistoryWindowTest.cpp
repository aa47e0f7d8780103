#include "review/HistoryWindow.h"
#include "config/AppState.h"
#include "support/Controls.h"
#include "support/FakeDialogs.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextBrowser>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// The working file config.cfg, as the game wrote it, with a history in a program folder of its own.
class HistoryWindowTest : public ::testing::Test {
protected:
    HistoryWindowTest()
    {
        game.write(u"config.cfg"_s, original);
        state.working.setFolder(game.dirWithSlash());
        state.working.setWorkingFile(u"config.cfg"_s);
        state.working.setHistory(program.path());
        EXPECT_TRUE(state.working.load());
    }
    void applyRate(const char* value)
    {
        state.working.store().SetCfgVar("rate", value);
        ASSERT_TRUE(state.working.save());
    }
    QStringList versions(const HistoryWindow& window) const
    {
        QStringList texts;
        const auto* list = control<QListWidget>(window, "Versions");
        for (int i = 0; i < list->count(); ++i)
            texts << list->item(i)->text().section(u"   "_s, 1); // the action after the time
        return texts;
    }
    // The diff's changed lines.
    static QStringList changes(const HistoryWindow& window)
    {
        QStringList out;
        for (const QString& line : control<QTextBrowser>(window, "Diff")->toPlainText().split(u'\n')) {
            if (line.mid(6, 1) == u"-"_s || line.mid(6, 1) == u"+"_s)
                out << line.mid(6);
        }
        return out;
    }
    QByteArray cfg() const { return game.read(u"config.cfg"_s); }

    TempDir game;
    TempDir program;
    MemorySettings settings;
    FakeDialogs dialogs;
    AppState state{settings, dialogs};
    const QByteArray original = TempDir::testData(u"config.cfg"_s);
};

TEST_F(HistoryWindowTest, AFileWithoutVersionsHasNothingToRestore)
{
    HistoryWindow window(state);
    EXPECT_EQ(control<QLabel>(window, "Note")->text(), state.message(Msg::HistoryEmpty).arg(u"config.cfg"_s));
    EXPECT_EQ(control<QListWidget>(window, "Versions")->count(), 0);
    EXPECT_FALSE(control<QPushButton>(window, "RestoreVersion")->isEnabled());
    EXPECT_TRUE(control<QTextBrowser>(window, "Diff")->toPlainText().isEmpty());
}

TEST_F(HistoryWindowTest, ListsVersionsNewestFirstAndShowsTheirChangesToTheFileOrAnotherVersion)
{
    applyRate("30000"); // keeps the game's file
    const QByteArray outside = QByteArray(cfg()).replace("rate \"30000\"", "rate \"20000\"");
    game.write(u"config.cfg"_s, outside);
    ASSERT_TRUE(state.working.load()); // keeps the outside change as it was noticed
    HistoryWindow window(state);
    EXPECT_EQ(versions(window), (QStringList{u"changed outside Quarvel"_s, u"Apply"_s}));
    EXPECT_EQ(window.windowTitle(), u"History of config.cfg"_s);

    // A write while the window is open adds its version at the top (the outside change's bytes
    // are the newest kept already).
    applyRate("25000");
    EXPECT_EQ(versions(window), (QStringList{u"changed outside Quarvel"_s, u"Apply"_s}));
    applyRate("10000");
    EXPECT_EQ(versions(window), (QStringList{u"Apply"_s, u"changed outside Quarvel"_s, u"Apply"_s}));

    auto* list = control<QListWidget>(window, "Versions");
    auto* compare = control<QComboBox>(window, "CompareWith");
    list->setCurrentRow(2); // the game's file
    EXPECT_EQ(compare->currentIndex(), 0);
    EXPECT_EQ(changes(window), (QStringList{u"- rate \"25000\" [CR LF]"_s, u"+ rate \"10000\" [CR LF]"_s}));
    compare->setCurrentIndex(2); // the outside change
    EXPECT_EQ(changes(window), (QStringList{u"- rate \"25000\" [CR LF]"_s, u"+ rate \"20000\" [CR LF]"_s}));
    compare->setCurrentIndex(3); // itself
    EXPECT_TRUE(changes(window).isEmpty());
    EXPECT_TRUE(control<QTextBrowser>(window, "Diff")->toPlainText().endsWith(state.message(Msg::HistorySame)));
}

TEST_F(HistoryWindowTest, RestoreShowsTheChangeFirstAndCanBeUndone)
{
    applyRate("30000");
    const QByteArray applied = cfg();
    QList<PendingWrite> asked;
    bool answer = false;
    state.reviewer = [&](const QList<PendingWrite>& writes) {
        asked = writes;
        return answer;
    };
    HistoryWindow window(state);
    QSignalSpy restored(&window, &HistoryWindow::restored);
    control<QListWidget>(window, "Versions")->setCurrentRow(0);

    control<QPushButton>(window, "RestoreVersion")->click();
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked[0].path, game.file(u"config.cfg"_s));
    EXPECT_EQ(asked[0].before, applied);
    EXPECT_EQ(asked[0].after, original);
    EXPECT_EQ(cfg(), applied) << "cancelled";
    EXPECT_EQ(restored.size(), 0);
    EXPECT_EQ(versions(window).size(), 1);

    answer = true;
    control<QPushButton>(window, "RestoreVersion")->click();
    EXPECT_EQ(cfg(), original);
    EXPECT_EQ(restored.size(), 1);
    EXPECT_EQ(state.working.store().loadedBytes(), original);
    EXPECT_EQ(versions(window), (QStringList{u"restore"_s, u"Apply"_s}));
    const QString when = state.working.history()->versions(game.file(u"config.cfg"_s))[1].time.toLocalTime().toString(
        u"yyyy-MM-dd HH:mm:ss"_s);
    EXPECT_EQ(control<QLabel>(window, "Note")->text(), state.message(Msg::HistoryRestored).arg(u"config.cfg"_s, when));
    // The version the file holds already: nothing to show or write.
    asked.clear();
    control<QListWidget>(window, "Versions")->setCurrentRow(1);
    control<QPushButton>(window, "RestoreVersion")->click();
    EXPECT_TRUE(asked.isEmpty());
    EXPECT_EQ(control<QLabel>(window, "Note")->text(), state.message(Msg::HistorySame));
    EXPECT_EQ(state.working.undoableWrites(), 2);
    ASSERT_TRUE(state.working.undoLastWrite());
    EXPECT_EQ(cfg(), applied);
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(HistoryWindowTest, ARestoreThatCannotWriteSaysWhyAndLeavesTheFile)
{
    applyRate("30000");
    const QByteArray applied = cfg();
    // Permission bits only: tests run as root, for whom access(2) allows everything.
    ASSERT_TRUE(QFile::setPermissions(game.file(u"config.cfg"_s), QFileDevice::ReadOwner));
    HistoryWindow window(state);
    control<QPushButton>(window, "RestoreVersion")->click();
    EXPECT_EQ(dialogs.texts(u"error"_s),
              QStringList{u"Cannot write "_s + game.file(u"config.cfg"_s) + u": the file is read-only"_s});
    EXPECT_EQ(cfg(), applied);
    EXPECT_EQ(state.working.undoableWrites(), 1);
}

} // namespace
