#include "history/History.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// A history in a temporary program folder, with a clock that moves one minute per reading.
struct Fixture {
    TempDir dir;
    QString game = dir.write(u"cstrike/config.cfg"_s, TempDir::testData(u"config.cfg"_s));
    QDateTime clock = QDateTime(QDate(2026, 3, 1), QTime(12, 0), Qt::UTC);
    History history = History::in(dir.file(u"program"_s), [this] { return clock = clock.addSecs(60); });

    bool keepAndWrite(const QString& action, const QByteArray& bytes)
    {
        if (!history.keep(game, action))
            return false;
        TempDir::writeFile(game, bytes);
        return history.written(game);
    }
    QStringList actions() const
    {
        QStringList list;
        for (const HistoryVersion& v : history.versions(game))
            list << v.action;
        return list;
    }
};

void makeReadOnly(const QString& folder)
{
    // Permission bits only: tests run as root, for whom access(2) allows everything.
    ASSERT_TRUE(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
}

TEST(History, KeepsEachVersionOnceNewestFirst)
{
    Fixture f;
    const QByteArray original = TempDir::readFile(f.game);
    ASSERT_TRUE(f.keepAndWrite(u"Apply"_s, "rate \"25000\"\r\n"));
    ASSERT_TRUE(f.keepAndWrite(u"Bind"_s, "rate \"25000\"\r\n"));
    ASSERT_TRUE(f.keepAndWrite(u"Wizard"_s, original));  // the newest version's bytes: not kept twice
    ASSERT_TRUE(f.keepAndWrite(u"Apply"_s, "rate 1\n")); // the same bytes as version 3, yet kept
    EXPECT_EQ(f.actions(), (QStringList{u"Apply"_s, u"Bind"_s, u"Apply"_s}));
    const QList<HistoryVersion> versions = f.history.versions(f.game);
    EXPECT_EQ(versions[0].time, QDateTime(QDate(2026, 3, 1), QTime(12, 3), Qt::UTC));
    EXPECT_EQ(versions[2].size, original.size());
    EXPECT_EQ(f.history.bytes(f.game, 1), original);
    EXPECT_EQ(f.history.bytes(f.game, 2), "rate \"25000\"\r\n");
    EXPECT_EQ(f.history.bytes(f.game, 3), original);
    EXPECT_FALSE(f.history.bytes(f.game, 0));
    EXPECT_FALSE(f.history.bytes(f.game, 4));

    // A file that does not exist yet has nothing to keep; another file has a history of its own.
    const QString other = f.dir.file(u"other/config.cfg"_s);
    EXPECT_TRUE(f.history.keep(other, u"Apply"_s));
    EXPECT_TRUE(f.history.versions(other).isEmpty());
    EXPECT_NE(f.history.folderFor(other), f.history.folderFor(f.game));
    EXPECT_EQ(f.history.folderFor(f.dir.file(u"cstrike/../cstrike/./config.cfg"_s)), f.history.folderFor(f.game));
    EXPECT_TRUE(QFileInfo(f.history.folderFor(f.dir.file(u"a b:c*?.cfg"_s))).fileName().startsWith(u"a_b_c__.cfg-"_s));
}

TEST(History, DropsTheOldestBeyondTheLimitsExactly)
{
    // Versions of `sizes` bytes, kept oldest first, and how many of them stay.
    const qint64 half = History::MaxBytes / 2;
    const struct {
        QList<qint64> sizes;
        qsizetype left;
    } cases[] = {
        {{half, half}, 2},
        {{half, half + 1}, 1},
        {{History::MaxBytes + 1}, 1}, // the newest stays, however large
        {QList<qint64>(History::MaxVersions, 1), History::MaxVersions},
        {QList<qint64>(History::MaxVersions + 1, 1), History::MaxVersions},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sizes.size());
        Fixture f;
        for (qsizetype i = 0; i < c.sizes.size(); ++i) {
            // Every version differs from the one before, so that each is kept.
            TempDir::writeFile(f.game, QByteArray(c.sizes[i], char('a' + i % 2)));
            ASSERT_TRUE(f.history.keep(f.game, QString::number(i)));
        }
        const QList<HistoryVersion> versions = f.history.versions(f.game);
        ASSERT_EQ(versions.size(), c.left);
        EXPECT_EQ(versions.first().action, QString::number(c.sizes.size() - 1));
        EXPECT_EQ(versions.last().action, QString::number(c.sizes.size() - c.left));
    }
}

TEST(History, RestoreKeepsTheFileFirstSoItCanBeUndone)
{
    Fixture f;
    const QByteArray original = TempDir::readFile(f.game);
    ASSERT_TRUE(f.keepAndWrite(u"Apply"_s, "rate 1\r\n"));

    QString error;
    ASSERT_TRUE(f.history.restore(f.game, 1, &error)) << error.toStdString();
    EXPECT_EQ(TempDir::readFile(f.game), original);
    EXPECT_EQ(f.actions(), (QStringList{u"restore"_s, u"Apply"_s}));
    ASSERT_TRUE(f.history.restore(f.game, 1, &error)); // undoes the restore
    EXPECT_EQ(TempDir::readFile(f.game), "rate 1\r\n");
    EXPECT_EQ(f.actions(), (QStringList{u"restore"_s, u"restore"_s, u"Apply"_s}));
    EXPECT_FALSE(f.history.noticeOutsideChange(f.game, "rate 1\r\n")); // the program's own write

    EXPECT_FALSE(f.history.restore(f.game, 4, &error));
    EXPECT_TRUE(error.contains(u"no version 4"_s)) << error.toStdString();
    ASSERT_TRUE(QFile::setPermissions(f.game, QFileDevice::ReadOwner));
    EXPECT_FALSE(f.history.restore(f.game, 1, &error));
    EXPECT_TRUE(error.contains(u"read-only"_s)) << error.toStdString();
    EXPECT_EQ(TempDir::readFile(f.game), "rate 1\r\n");
    EXPECT_EQ(f.history.versions(f.game).size(), 3);
}

TEST(History, AFailedKeepIsAnErrorAndRestoresNothing)
{
    Fixture f;
    ASSERT_TRUE(f.keepAndWrite(u"Apply"_s, "rate 1\r\n"));
    makeReadOnly(f.history.folderFor(f.game));
    TempDir::writeFile(f.game, "rate 2\r\n");
    QString error;
    EXPECT_FALSE(f.history.keep(f.game, u"Apply"_s, &error));
    EXPECT_TRUE(error.contains(QDir::toNativeSeparators(f.game)) && error.contains(u"not writable"_s))
        << error.toStdString();
    EXPECT_FALSE(f.history.restore(f.game, 1, &error));
    EXPECT_EQ(TempDir::readFile(f.game), "rate 2\r\n");
    EXPECT_EQ(f.actions(), QStringList{u"Apply"_s});

    // A history folder that cannot be made at all.
    Fixture g;
    makeReadOnly(g.dir.path());
    EXPECT_FALSE(g.history.keep(g.game, u"Apply"_s, &error));
    EXPECT_TRUE(error.contains(u"not writable"_s)) << error.toStdString();
}

TEST(History, NoticesAChangeMadeOutside)
{
    Fixture f;
    const QByteArray original = TempDir::readFile(f.game);
    EXPECT_FALSE(f.history.noticeOutsideChange(f.game, original)); // the first look only records
    EXPECT_FALSE(f.history.noticeOutsideChange(f.game, original));
    ASSERT_TRUE(f.keepAndWrite(u"Apply"_s, "rate 1\r\n"));
    EXPECT_FALSE(f.history.noticeOutsideChange(f.game, "rate 1\r\n"));

    QString error = u"stale"_s;
    EXPECT_TRUE(f.history.noticeOutsideChange(f.game, "rate 1\r\nname me\r\n", &error));
    EXPECT_TRUE(error.isEmpty());
    EXPECT_FALSE(f.history.noticeOutsideChange(f.game, "rate 1\r\nname me\r\n")); // noticed once
    const QList<HistoryVersion> versions = f.history.versions(f.game);
    ASSERT_EQ(versions.size(), 2);
    EXPECT_EQ(versions[0].action, u"changed outside"_s);
    EXPECT_EQ(versions[0].time, f.clock);
    EXPECT_EQ(f.history.bytes(f.game, 1), "rate 1\r\nname me\r\n");
    EXPECT_EQ(f.history.bytes(f.game, 2), original);
}

TEST(History, AVersionCutShortIsNoVersion)
{
    Fixture f;
    ASSERT_TRUE(f.keepAndWrite(u"Apply"_s, "rate 1\r\n"));
    const QString folder = f.history.folderFor(f.game);
    TempDir::writeFile(folder + u"/00000002.version"_s, "QVLVERSION 1\t2026-03-01T12:00:00.000Z\t99\tBind\nrate");
    TempDir::writeFile(folder + u"/00000003.version"_s, "not a version");
    EXPECT_EQ(f.actions(), QStringList{u"Apply"_s});
    EXPECT_EQ(f.history.bytes(f.game, 1), TempDir::testData(u"config.cfg"_s));
    // The next version takes the place of the one cut short.
    ASSERT_TRUE(f.keepAndWrite(u"Bind"_s, "rate 2\r\n"));
    EXPECT_EQ(f.actions(), (QStringList{u"Bind"_s, u"Apply"_s}));
    EXPECT_EQ(f.history.bytes(f.game, 1), "rate 1\r\n");
}

TEST(History, ABackupIsKeptEvenWhenItsBytesAreKeptAlready)
{
    Fixture f;
    const QByteArray original = TempDir::readFile(f.game);
    QString error;
    ASSERT_TRUE(f.history.keepBackup(f.game, u"before\tthe\nmatch "_s, &error)) << error.toStdString();
    ASSERT_TRUE(f.history.keepBackup(f.game, u"again"_s, &error)); // the same bytes, kept all the same
    EXPECT_EQ(f.actions(), (QStringList{u"backup: again"_s, u"backup: before the match"_s}));
    QString name;
    EXPECT_TRUE(History::isBackup(f.actions().last(), &name));
    EXPECT_EQ(name, u"before the match"_s);
    EXPECT_FALSE(History::isBackup(u"backup"_s) || History::isBackup(u"Apply"_s));

    // A write after them keeps nothing more for the same bytes, as after any version.
    ASSERT_TRUE(f.keepAndWrite(u"Apply"_s, "rate 1\r\n"));
    EXPECT_EQ(f.actions().size(), 2);
    EXPECT_EQ(f.history.bytes(f.game, 1), original);

    QFile::remove(f.game);
    EXPECT_FALSE(f.history.keepBackup(f.game, u"gone"_s, &error));
    EXPECT_TRUE(error.contains(QDir::toNativeSeparators(f.game))) << error.toStdString();
}

TEST(History, BackupsAreDroppedAfterEveryOtherVersion)
{
    Fixture f;
    // A backup, then versions up to the limit: the oldest plain version goes, the backup stays.
    TempDir::writeFile(f.game, "b0");
    ASSERT_TRUE(f.history.keepBackup(f.game, u"first"_s));
    for (int i = 1; i < History::MaxVersions; ++i) {
        TempDir::writeFile(f.game, QByteArray::number(i));
        ASSERT_TRUE(f.history.keep(f.game, QString::number(i)));
    }
    ASSERT_EQ(f.history.versions(f.game).size(), History::MaxVersions);
    TempDir::writeFile(f.game, "last");
    ASSERT_TRUE(f.history.keep(f.game, u"last"_s));
    QStringList actions = f.actions();
    ASSERT_EQ(actions.size(), History::MaxVersions);
    EXPECT_EQ(actions.first(), u"last"_s);
    EXPECT_EQ(actions.last(), u"backup: first"_s);
    EXPECT_EQ(actions[actions.size() - 2], u"2"_s); // "1" went

    // Nothing but backups left to drop: the oldest backup goes, the one just kept stays.
    Fixture g;
    TempDir::writeFile(g.game, QByteArray(History::MaxBytes / 2 + 1, 'x'));
    ASSERT_TRUE(g.history.keepBackup(g.game, u"one"_s));
    ASSERT_TRUE(g.history.keepBackup(g.game, u"two"_s));
    EXPECT_EQ(g.actions(), QStringList{u"backup: two"_s});
}

} // namespace
