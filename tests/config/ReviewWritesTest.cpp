#include "config/AppState.h"

#include "support/FakeDialogs.h"
#include "support/FakePlatform.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

TEST(ReviewWritesTest, OnlyWritesThatChangeAFileReachTheReviewer)
{
    MemorySettings settings;
    FakeDialogs dialogs;
    AppState state{settings, dialogs};
    const PendingWrite same{u"a.cfg"_s, "rate 1\n", "rate 1\n"};
    const PendingWrite changed{u"b.cfg"_s, "rate 1\n", "rate 2\n"};
    const PendingWrite created{u"c.cfg"_s, {}, "rate 3\n"};

    // Without a reviewer every write goes ahead.
    EXPECT_TRUE(state.reviewWrites({changed}));

    QList<QList<PendingWrite>> asked;
    bool answer = false;
    state.reviewer = [&](const QList<PendingWrite>& writes) {
        asked.append(writes);
        return answer;
    };
    EXPECT_TRUE(state.reviewWrites({}));
    EXPECT_TRUE(state.reviewWrites({same}));
    EXPECT_TRUE(asked.isEmpty()) << "nothing to change is never shown";

    EXPECT_FALSE(state.reviewWrites({same, changed, created}));
    ASSERT_EQ(asked.size(), 1);
    ASSERT_EQ(asked[0].size(), 2);
    EXPECT_EQ(asked[0][0].path, u"b.cfg"_s);
    EXPECT_EQ(asked[0][1].path, u"c.cfg"_s);
    answer = true;
    EXPECT_TRUE(state.reviewWrites({changed}));
}

} // namespace
