#include "OptionPagesFixture.h"
#include "chain/WorkingFileChain.h"

#include <QFile>
#include <QLabel>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// The option pages over config.cfg in a game folder whose userconfig.cfg, run after it, sets some
// of its settings again.
class LaterSettingsPageTest : public OptionPagesFixture {
protected:
    LaterSettingsPageTest()
        : OptionPagesFixture("config.cfg")
    {
        state.laterSettings = [](const QString& folder, const QString& file) {
            return WorkingFileChain::laterSettings(folder, file);
        };
        dir.write(u"autoexec.cfg"_s, "name \"Early\"\nmp_freezetime 3\n");
        dir.write(u"config.cfg"_s, config);
        dir.write(u"userconfig.cfg"_s, userconfig);
    }
    bool apply() override { return client.apply(); }

    // The tip of the mark on box `box`; empty while it shows none.
    QString laterMark(const char* box)
    {
        const auto marks = find(box)->findChildren<QLabel*>(QLatin1String(box) + u"Later"_s);
        return marks.size() == 1 && marks[0]->isVisibleTo(find(box)) ? marks[0]->toolTip() : QString();
    }

    const QByteArray config = "unbindall\r\n"
                              "name \"Player\"\r\n"
                              "cl_righthand \"1\"\r\n"
                              "rate \"25000\"\r\n"
                              "mp_freezetime \"6\"\r\n"
                              "mp_startmoney \"800\"\r\n"
                              "exec userconfig.cfg\r\n";
    const QByteArray userconfig = "cl_righthand 0\n"
                                  "RATE 30000 // mine\n"
                                  "mp_startmoney 16000\n";
};

TEST_F(LaterSettingsPageTest, MarksWhatALaterFileSetsAgain)
{
    read();
    const struct {
        const char* box;
        QString tip;
    } rows[] = {
        {"ClientBox2",
         u"userconfig.cfg, line 1: cl_righthand \"0\". The game runs it after config.cfg, so this value wins."_s},
        {"ClientBox16",
         u"userconfig.cfg, line 2: rate \"30000\". The game runs it after config.cfg, so this value wins."_s},
        {"ServerBox17", u"userconfig.cfg, line 3: mp_startmoney \"16000\". The game runs it after config.cfg, so this "
                        "value wins."_s},
        {"ClientBox1", QString()}, // autoexec.cfg sets the name first: config.cfg's wins
        {"ServerBox3", QString()},
        {"ClientBox5", QString()}, // neither sets it
    };
    for (const auto& row : rows)
        EXPECT_EQ(laterMark(row.box), row.tip) << row.box;
    EXPECT_EQ(control<QLabel>(&client, "ClientBox2Later")->text(), u"Set again in userconfig.cfg"_s);

    // A read after the later file changed takes the mark away.
    dir.write(u"userconfig.cfg"_s, "cl_righthand 0\n");
    read();
    EXPECT_EQ(laterMark("ClientBox16"), QString());
    EXPECT_FALSE(laterMark("ClientBox2").isEmpty());
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(LaterSettingsPageTest, ApplyAsksOnceWhereToWriteWhatALaterFileSetsAgain)
{
    const struct {
        const char* what;
        int answer; // -1: the box closed
        bool applied;
        QByteArray config;
        QByteArray userconfig;
    } cases[] = {
        {"into the file that wins", 0, true, QByteArray(config).replace("name \"Player\"", "name \"Frank\""),
         "cl_righthand 0\nrate \"100000\" // mine\nmp_startmoney 16000\n"},
        {"here anyway", 1, true,
         QByteArray(config).replace("name \"Player\"", "name \"Frank\"").replace("25000", "100000"), userconfig},
        {"cancel", 2, false, config, userconfig},
        {"closed", -1, false, config, userconfig},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        dir.write(u"config.cfg"_s, config);
        dir.write(u"userconfig.cfg"_s, userconfig);
        dialogs.shown.clear();
        read();
        find<QListWidget>("data")->setCurrentRow(8); // 100000
        type("name", u"Frank"_s);
        if (c.answer >= 0)
            dialogs.choices.enqueue(c.answer);
        EXPECT_EQ(apply(), c.applied);
        EXPECT_EQ(cfg(), c.config);
        EXPECT_EQ(dir.read(u"userconfig.cfg"_s), c.userconfig);
        ASSERT_EQ(dialogs.texts(u"choice"_s).size(), 1);
        EXPECT_EQ(dialogs.shown[0].text,
                  u"The game runs these files after config.cfg and keeps the values they set:\r\n"
                  "userconfig.cfg:2: rate \"30000\"\r\n"
                  "Write your changes of these settings into the file that wins?"_s);
        EXPECT_EQ(dialogs.shown[0].title, u"Write into the file that wins|Write here anyway|Cancel"_s);
    }
}

TEST_F(LaterSettingsPageTest, ApplyShowsEveryFileItWillWriteAndCancelWritesNothing)
{
    TempDir program;
    state.working.setHistory(program.path());
    QList<QList<PendingWrite>> asked;
    bool answer = false;
    state.reviewer = [&](const QList<PendingWrite>& writes) {
        asked.append(writes);
        return answer;
    };
    QStringList written;
    QObject::connect(&state.working, &WorkingConfig::fileWritten, &state.working,
                     [&](const QString& path) { written << path; });

    // Nothing changed: nothing shown, nothing written.
    read();
    EXPECT_TRUE(apply());
    EXPECT_TRUE(asked.isEmpty());

    find<QListWidget>("data")->setCurrentRow(8); // 100000, which userconfig.cfg sets again
    type("name", u"Frank"_s);
    const QMap<QString, QString> settingsBefore = settings.values;
    dialogs.choices.enqueue(0);
    EXPECT_FALSE(apply());
    ASSERT_EQ(asked.size(), 1);
    ASSERT_EQ(asked[0].size(), 2);
    EXPECT_EQ(asked[0][0].path, dir.file(u"userconfig.cfg"_s));
    EXPECT_EQ(asked[0][0].before, userconfig);
    EXPECT_EQ(asked[0][0].after, "cl_righthand 0\nrate \"100000\" // mine\nmp_startmoney 16000\n");
    EXPECT_EQ(asked[0][1].path, dir.file(u"config.cfg"_s));
    EXPECT_EQ(asked[0][1].before, config);
    EXPECT_EQ(asked[0][1].after, QByteArray(config).replace("\"Player\"", "\"Frank\""));
    // Cancelled: the files, the settings and the history as they were, the store holding the file
    // as it is, and the controls the user's changes, for another Apply.
    EXPECT_EQ(cfg(), config);
    EXPECT_EQ(dir.read(u"userconfig.cfg"_s), userconfig);
    EXPECT_EQ(settings.values, settingsBefore);
    EXPECT_TRUE(state.working.history()->versions(dir.file(u"userconfig.cfg"_s)).isEmpty());
    EXPECT_FALSE(state.working.store().isModified());
    EXPECT_EQ(state.working.store().text(), config);
    EXPECT_EQ(shown({"name", "data"}), u"Frank 8"_s);
    EXPECT_TRUE(written.isEmpty());

    // Write: exactly what was shown, each file's bytes before kept as a version.
    answer = true;
    dialogs.choices.enqueue(0);
    EXPECT_TRUE(apply());
    ASSERT_EQ(asked.size(), 2);
    EXPECT_EQ(dir.read(u"userconfig.cfg"_s), asked[0][0].after);
    EXPECT_EQ(cfg(), asked[0][1].after);
    EXPECT_EQ(written, (QStringList{dir.file(u"userconfig.cfg"_s), dir.file(u"config.cfg"_s)}));
    for (const auto& [file, before] :
         {std::pair{u"userconfig.cfg"_s, userconfig}, std::pair{u"config.cfg"_s, config}}) {
        const QList<HistoryVersion> versions = state.working.history()->versions(dir.file(file));
        ASSERT_EQ(versions.size(), 1) << file.toStdString();
        EXPECT_EQ(versions[0].action, u"Apply"_s);
        EXPECT_EQ(state.working.history()->bytes(dir.file(file), 1), before);
    }
}

TEST_F(LaterSettingsPageTest, AFileThatWinsButCannotBeWrittenStopsApplyBeforeTheWorkingFile)
{
    read();
    find<QListWidget>("data")->setCurrentRow(8);
    type("name", u"Frank"_s);
    // Permission bits only: tests run as root, for whom access(2) allows everything.
    const QString locked = dir.file(u"userconfig.cfg"_s);
    ASSERT_TRUE(QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    dialogs.choices.enqueue(0);
    EXPECT_FALSE(apply());
    EXPECT_EQ(errors(), QStringList{u"Cannot write "_s + locked + u": the file is read-only"_s});
    EXPECT_EQ(cfg(), config);
    EXPECT_EQ(dir.read(u"userconfig.cfg"_s), userconfig);
}

} // namespace
