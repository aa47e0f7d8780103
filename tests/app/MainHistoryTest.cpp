#include "MainFormFixture.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

namespace {

// The History window opens from the Main page's button and from the list's pop-up menu, for the
// selected file; a version restored there shows on the pages, and Ctrl+Z takes the restore back.
TEST_F(MainFormTest, TheHistoryWindowRestoresAVersionAndCtrlZTakesItBack)
{
    const QByteArray before = game.read(u"config.cfg"_s);
    TMainForm& f = start();
    typeName(u"Neo"_s);
    control<QPushButton>(f, "BitBtn8")->click();
    const QByteArray applied = game.read(u"config.cfg"_s);
    ASSERT_NE(applied, before);
    QList<PendingWrite> asked;
    state.reviewer = [&](const QList<PendingWrite>& writes) {
        asked = writes;
        return true;
    };

    control<QAction>(f, "History1")->trigger();
    auto* window = control<QWidget>(f, "HistoryForm");
    EXPECT_TRUE(window->isVisible());
    control<QPushButton>(f, "HistoryButton")->click(); // the same window again
    EXPECT_EQ(f.findChildren<QWidget*>(u"HistoryForm"_s).size(), 1);
    control<QPushButton>(window, "RestoreVersion")->click(); // the newest version: the file before Apply
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked[0].after, before);
    EXPECT_EQ(game.read(u"config.cfg"_s), before);
    EXPECT_EQ(nameField()->text(), QString()) << "the pages show the restored file";

    QApplication::setActiveWindow(&f);
    QTest::keyClick(&f, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(game.read(u"config.cfg"_s), applied);
    EXPECT_EQ(nameField()->text(), u"Neo"_s);
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(MainFormTest, TheReviewSwitchIsTheReviewWindowsDontAskAgainTheOtherWayRound)
{
    TMainForm& f = start();
    auto* review = control<QCheckBox>(f, "ReviewSwitch");
    EXPECT_TRUE(review->isChecked());
    review->setChecked(false);
    EXPECT_EQ(settings.values.value(u"skip_review"_s), u"yes"_s);
    review->setChecked(true);
    EXPECT_EQ(settings.values.value(u"skip_review"_s), u"no"_s);
    // "Don't ask again" in the review window shows at the page's next show.
    settings.values[u"skip_review"_s] = u"yes"_s;
    control<QTabWidget>(f, "PageControl1")->setCurrentIndex(1);
    control<QTabWidget>(f, "PageControl1")->setCurrentIndex(0);
    EXPECT_FALSE(review->isChecked());
}

} // namespace
