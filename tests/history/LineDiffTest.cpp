#include "history/LineDiff.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

namespace {

// A hunk as text: "-old", "+new" or " old/new" numbers, then the line's bytes; hunks split by "@".
QByteArray shown(const QList<LineDiff::Hunk>& hunks)
{
    QByteArrayList out;
    for (const LineDiff::Hunk& hunk : hunks) {
        out << "@";
        for (const LineDiff::Line& line : hunk) {
            switch (line.kind) {
            case LineDiff::Line::Kind::Same:
                out << " " + QByteArray::number(line.oldNumber) + "/" + QByteArray::number(line.newNumber) + " " +
                           line.bytes;
                break;
            case LineDiff::Line::Kind::Removed:
                out << "-" + QByteArray::number(line.oldNumber) + " " + line.bytes;
                break;
            case LineDiff::Line::Kind::Added:
                out << "+" + QByteArray::number(line.newNumber) + " " + line.bytes;
                break;
            }
        }
    }
    return out.join('|');
}

struct Case {
    const char* what;
    QByteArray before;
    QByteArray after;
    QByteArray expected;
};

TEST(LineDiff, ShowsChangedLinesWithNumbersAndContext)
{
    const QByteArray five = "a\nb\nc\nd\ne\n";
    const Case cases[] = {
        {"identical", five, five, ""},
        {"both empty", "", "", ""},
        {"empty before", "", "x\r\ny", "@|+1 x\r\n|+2 y"},
        {"empty after", "x\n", "", "@|-1 x\n"},
        {"insert at head", five, "new\n" + five, "@|+1 new\n| 1/2 a\n| 2/3 b\n| 3/4 c\n"},
        {"insert at tail", five, five + "new\n", "@| 3/3 c\n| 4/4 d\n| 5/5 e\n|+6 new\n"},
        {"line end only", "a\nb\r\nc\n", "a\nb\nc\n", "@| 1/1 a\n|-2 b\r\n|+2 b\n| 3/3 c\n"},
        {"final line end lost", "a\nb\n", "a\nb", "@| 1/1 a\n|-2 b\n|+2 b"},
        {"final line end gained", "a\nb", "a\nb\n", "@| 1/1 a\n|-2 b|+2 b\n"},
        {"lone CR ends a line", "a\rb\r", "a\rc\r", "@| 1/1 a\r|-2 b\r|+2 c\r"},
        {"a changed line: removed first", "a\nb\nc\n", "a\nB\nc\n", "@| 1/1 a\n|-2 b\n|+2 B\n| 3/3 c\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(shown(LineDiff::hunks(c.before, c.after)), c.expected) << c.what;
}

TEST(LineDiff, ChangesFarApartMakeHunksOfTheirOwn)
{
    QByteArray before;
    for (int i = 1; i <= 20; ++i)
        before += "l" + QByteArray::number(i) + "\n";
    // Six unchanged lines between two changes (twice the context) still share a hunk; seven do not.
    QByteArray near = before;
    near.replace("l3\n", "x3\n").replace("l10\n", "x10\n");
    EXPECT_EQ(LineDiff::hunks(before, near).size(), 1);
    QByteArray far = before;
    far.replace("l3\n", "x3\n").replace("l11\n", "x11\n");
    const QList<LineDiff::Hunk> split = LineDiff::hunks(before, far);
    ASSERT_EQ(split.size(), 2);
    EXPECT_EQ(split[0].size(), 2 + 2 + 3); // two lines before, the change, three after
    EXPECT_EQ(split[1].first().oldNumber, 8);
    EXPECT_EQ(split[1].last().oldNumber, 14);
}

TEST(LineDiff, LargeFilesStayFast)
{
    QByteArray before;
    QByteArray scattered;
    QByteArray unrelated;
    for (int i = 0; i < 5000; ++i) {
        const QByteArray line = "bind \"k" + QByteArray::number(i) + "\" \"+attack\"\r\n";
        before += line;
        scattered += i % 500 == 0 ? "echo " + QByteArray::number(i) + "\r\n" : line;
        unrelated += "alias a" + QByteArray::number(i) + " \"wait\"\r\n";
    }
    QElapsedTimer timer;
    timer.start();
    // Ten changed lines in 5,000: exactly those.
    int removed = 0;
    for (const LineDiff::Hunk& hunk : LineDiff::hunks(before, scattered)) {
        for (const LineDiff::Line& line : hunk)
            removed += line.kind == LineDiff::Line::Kind::Removed;
    }
    EXPECT_EQ(removed, 10);
    // Nothing in common: beyond the search's bound, every line shows as removed, then added.
    const QList<LineDiff::Hunk> all = LineDiff::hunks(before, unrelated);
    ASSERT_EQ(all.size(), 1);
    EXPECT_EQ(all[0].size(), 10000);
    EXPECT_EQ(all[0][4999].kind, LineDiff::Line::Kind::Removed);
    EXPECT_EQ(all[0][5000].kind, LineDiff::Line::Kind::Added);
    EXPECT_LT(timer.elapsed(), 10000); // with sanitizers on a shared machine; a plain LCS takes far longer
}

} // namespace
