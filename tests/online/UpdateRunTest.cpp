#include "online/UpdateRun.h"
#include "online/SiteAddress.h"
#include "online/UpdateProgress.h"

#include <gtest/gtest.h>

#include <limits>

using namespace Qt::StringLiterals;

TEST(UpdateProgressTest, PercentRoundsHalvesToTheEvenNeighbourInWholeNumbers)
{
    struct Row {
        qint64 received, total;
        int percent;
    };
    const Row rows[] = {{10000, 20000, 50},
                        {150, 20000, 1},
                        {500, 20000, 2},
                        {700, 20000, 4},
                        // a server that sends more than it announced does not push the bar past its end
                        {25000, 20000, 100},
                        // sizes beyond 32 bits, where received × 100 overflows an int
                        {qint64(3) << 32, qint64(4) << 32, 75},
                        {std::numeric_limits<qint64>::max() / 2, std::numeric_limits<qint64>::max(), 50},
                        {5, 0, 0}};
    for (const Row& r : rows)
        EXPECT_EQ(UpdateProgress::percent(r.received, r.total), r.percent) << r.received << "/" << r.total;
}

TEST(UpdateProgressTest, SmallAnswersNeverMoveTheBarAndEveryBlockAtZeroAddsTheLine)
{
    // 10000 bytes or less (or no size announced): nothing moves, nothing is said.
    for (const qint64 total : {qint64(-1), qint64(0), qint64(8000), qint64(10000)}) {
        const UpdateProgress::Step s = UpdateProgress::step(total > 0 ? total : 5000, total, 0);
        EXPECT_FALSE(s.moves) << total;
        EXPECT_FALSE(s.addsDownloadingLine) << total;
        EXPECT_EQ(s.bar, 0) << total;
    }

    // 20000 bytes in blocks: the line comes for each block seen while the bar stood at 0,
    // including the one that moves it off 0.
    UpdateRun run;
    ASSERT_TRUE(run.start());
    run.probeAnswered();
    QList<bool> lines;
    QList<int> bars;
    for (const qint64 received : {50, 100, 150, 300, 20000}) {
        const UpdateProgress::Step s = run.block(received, 20000);
        lines << s.addsDownloadingLine;
        bars << s.bar;
    }
    EXPECT_EQ(lines, (QList<bool>{true, true, true, false, false}));
    EXPECT_EQ(bars, (QList<int>{0, 0, 1, 2, 100}));
    EXPECT_EQ(run.bar(), 100);
}

TEST(UpdateRunTest, RunsOneUpdateAtATimeAndOnlyACompleteOkAnswerIsAPatch)
{
    UpdateRun run;
    EXPECT_FALSE(run.block(15000, 20000).moves) << "no progress before the download";
    ASSERT_TRUE(run.start());
    EXPECT_FALSE(run.start()) << "a second start while busy";
    EXPECT_EQ(run.state(), UpdateRun::State::Probing);
    EXPECT_FALSE(run.block(15000, 20000).moves) << "no progress while probing";
    run.probeAnswered();
    run.block(15000, 20000);
    run.redirected();
    EXPECT_EQ(run.state(), UpdateRun::State::Idle);
    EXPECT_TRUE(run.noNewVersion());
    EXPECT_EQ(run.bar(), 0);
    ASSERT_TRUE(run.start());
    EXPECT_FALSE(run.noNewVersion()) << "each update starts without the mark";
    run.probeAnswered();
    run.block(20000, 20000);
    run.stop(true);
    ASSERT_EQ(run.bar(), 100) << "a finished download stays full";
    ASSERT_TRUE(run.start());
    EXPECT_EQ(run.bar(), 0);
    run.probeAnswered();
    EXPECT_TRUE(run.block(100, 20000).addsDownloadingLine) << "the next download is announced again";

    EXPECT_EQ(UpdateRun::judge(200), UpdateRun::Answer::Patch);
    for (const int status : {301, 302, 303, 307, 308})
        EXPECT_EQ(UpdateRun::judge(status), UpdateRun::Answer::NoNewVersion) << status;
    for (const int status : {204, 400, 404})
        EXPECT_EQ(UpdateRun::judge(status), UpdateRun::Answer::Refused) << status;

    EXPECT_TRUE(UpdateRun::complete(20000, 20000));
    EXPECT_TRUE(UpdateRun::complete(5, -1)) << "no length announced";
    EXPECT_FALSE(UpdateRun::complete(19999, 20000));
    EXPECT_FALSE(UpdateRun::complete(20001, 20000));
}

TEST(SiteAddressTest, OnlyHttpsOrPlainHttpOnLoopbackIsASite)
{
    EXPECT_EQ(SiteAddress::patch(SiteAddress::root(QString())).toString(), u"https://www.quarvel.org/updates/21.exe"_s);
    EXPECT_EQ(SiteAddress::news(SiteAddress::root(u"https://mirror.example/cs/"_s)).toString(),
              u"https://mirror.example/cs/news.htm"_s);
    EXPECT_EQ(SiteAddress::signature(SiteAddress::patch(SiteAddress::root(u"https://mirror.example/cs/"_s))).toString(),
              u"https://mirror.example/cs/updates/21.exe.sig"_s);
    EXPECT_EQ(SiteAddress::probe(SiteAddress::root(u" http://127.0.0.1:8080 "_s)).toString(),
              u"http://127.0.0.1:8080/"_s);
    for (const QString& fine : {u"http://localhost:1"_s, u"http://[::1]:80"_s, u"HTTPS://www.quarvel.org"_s})
        EXPECT_TRUE(SiteAddress::root(fine).isValid()) << fine.toStdString();

    for (const QString& bad :
         {u"http://www.quarvel.org"_s, u"http://127.0.0.1.evil.example"_s, u"http://128.0.0.1"_s, u"ftp://127.0.0.1"_s,
          u"https://"_s, u"https://user:pw@host"_s, u"https://host/?q=1"_s}) {
        QString error;
        EXPECT_FALSE(SiteAddress::root(bad, &error).isValid()) << bad.toStdString();
        EXPECT_EQ(error, bad.trimmed()) << "the refusal names the setting";
    }
}
