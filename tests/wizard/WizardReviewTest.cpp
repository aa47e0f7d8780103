#include "wizard/WizardConfig.h"

#include "config/AppState.h"
#include "support/FakeDialogs.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"
#include "wizard/WizardAnswers.h"

#include <QFileInfo>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using Outcome = WizardResult::Outcome;

namespace {

// Done shows the one file it writes first, into the working file, a new file or another file it
// replaces: Cancel there leaves every file and setting as it was, Write writes what was shown.
TEST(WizardReviewTest, DoneWritesOnlyWhatTheReviewShowed)
{
    const QByteArray game = TempDir::testData(u"config.cfg"_s);
    const QByteArray aliases = "alias QVL_F2 \"buy;m4a1\"\r\n";
    const struct {
        const char* what;
        QString name;
        QByteArray before;
    } cases[] = {
        {"the working file", u"config.cfg"_s, game},
        {"a new file", u"mine.cfg"_s, QByteArray()},
        {"another file, replaced after Yes", u"autoexec.cfg"_s, aliases},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        MemorySettings settings;
        FakeDialogs dialogs;
        AppState state(settings, dialogs);
        state.working.setFolder(dir.dirWithSlash());
        state.working.setWorkingFile(u"config.cfg"_s);
        dir.write(u"config.cfg"_s, game);
        dir.write(u"autoexec.cfg"_s, aliases);
        WizardAnswers answers;
        answers.cfgName = c.name;
        answers.name.text = u"Neo"_s;
        QList<QList<PendingWrite>> asked;
        bool answer = false;
        state.reviewer = [&](const QList<PendingWrite>& writes) {
            asked.append(writes);
            return answer;
        };
        const QString target = dir.file(c.name);

        dialogs.answers.enqueue(true); // replace autoexec.cfg
        EXPECT_EQ(WriteWizardConfig(state, answers).outcome, Outcome::Cancelled);
        ASSERT_EQ(asked.size(), 1);
        ASSERT_EQ(asked[0].size(), 1);
        EXPECT_EQ(asked[0][0].path, target);
        EXPECT_EQ(asked[0][0].before, c.before);
        // The working file's lines, with the answers in place.
        EXPECT_TRUE(asked[0][0].after.startsWith(game.left(game.indexOf('\n') + 1)));
        EXPECT_TRUE(asked[0][0].after.contains("\nname \"Neo\"\r\n"));
        EXPECT_EQ(dir.read(u"config.cfg"_s), game);
        EXPECT_EQ(dir.read(u"autoexec.cfg"_s), aliases);
        EXPECT_FALSE(QFileInfo::exists(dir.file(u"mine.cfg"_s)));
        EXPECT_EQ(settings.writes, 0);
        EXPECT_EQ(state.working.file(), u"config.cfg"_s);

        answer = true;
        dialogs.answers.clear();
        dialogs.answers.enqueue(true);
        ASSERT_EQ(WriteWizardConfig(state, answers).outcome, Outcome::Written);
        ASSERT_EQ(asked.size(), 2);
        EXPECT_EQ(TempDir::readFile(target), asked[1][0].after);
        EXPECT_EQ(asked[1][0].after, asked[0][0].after);
    }
}

} // namespace
