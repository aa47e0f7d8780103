#include "review/ReviewWindow.h"
#include "config/AppState.h"
#include "config/Settings.h"
#include "support/Controls.h"
#include "support/FakeDialogs.h"
#include "support/FakePlatform.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextBrowser>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

struct ReviewFixture {
    MemorySettings settings;
    FakeDialogs dialogs;
    AppState state{settings, dialogs};
    const QList<PendingWrite> writes = {
        {u"/game/cstrike/userconfig.cfg"_s, "cl_righthand 0\nrate 30000\n", "cl_righthand 0\nrate \"100000\"\n"},
        {u"/game/cstrike/config.cfg"_s, "unbindall\r\nname \"Player\"\r\nbind \"+\" \"sizeup\"",
         "unbindall\r\nname \"Player\"\r\nbind \"+\" \"sizeup\"\r\nname \"Frank\"\r\n"},
    };
};

TEST(ReviewWindowTest, ShowsEachFileUnderItsNameWithTheChangedLinesAndTheirEnds)
{
    ReviewFixture f;
    ReviewWindow window(f.state, f.writes);
    const QStringList lines = control<QTextBrowser>(window, "Diff")->toPlainText().split(u'\n');
    const QStringList expected = {
        u"/game/cstrike/userconfig.cfg"_s,
        u"    1   cl_righthand 0"_s,
        u"    2 - rate 30000 [LF]"_s,
        u"    2 + rate \"100000\" [LF]"_s,
        u"/game/cstrike/config.cfg"_s,
        u"    1   unbindall"_s,
        u"    2   name \"Player\""_s,
        u"    3 - bind \"+\" \"sizeup\" (no line end)"_s, // the final line gains its line end
        u"    3 + bind \"+\" \"sizeup\" [CR LF]"_s,
        u"    4 + name \"Frank\" [CR LF]"_s,
    };
    EXPECT_EQ(lines, expected);
}

TEST(ReviewWindowTest, WriteAndCancelAnswerAndOnlyWriteStoresDontAskAgain)
{
    const struct {
        const char* what;
        const char* button;
        bool dontAsk;
        bool accepted;
        QString stored; // the setting afterwards
    } cases[] = {
        {"write", "Write", false, true, QString()},
        {"write, never ask again", "Write", true, true, u"yes"_s},
        {"cancel", "Cancel", false, false, QString()},
        {"cancel leaves the box unstored", "Cancel", true, false, QString()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ReviewFixture f;
        ReviewWindow window(f.state, f.writes);
        QSignalSpy accepted(&window, &QDialog::accepted);
        QSignalSpy rejected(&window, &QDialog::rejected);
        window.open();
        control<QCheckBox>(window, "DontAsk")->setChecked(c.dontAsk);
        control<QPushButton>(window, c.button)->click();
        EXPECT_EQ(accepted.size(), c.accepted ? 1 : 0);
        EXPECT_EQ(rejected.size(), c.accepted ? 0 : 1);
        EXPECT_FALSE(window.isVisible());
        EXPECT_EQ(f.settings.values.value(u"skip_review"_s), c.stored);
        EXPECT_TRUE(f.dialogs.shown.isEmpty());
    }
}

TEST(ReviewWindowTest, TheRunningProgramsReviewerAnswersAtOnceWhenNotToAsk)
{
    ReviewFixture f;
    ASSERT_TRUE(f.settings.write(Setting::SkipReview, true));
    // Shown, the window would wait for an answer no test gives.
    EXPECT_TRUE(ReviewWindow::ask(f.state, f.writes, nullptr));
}

} // namespace
