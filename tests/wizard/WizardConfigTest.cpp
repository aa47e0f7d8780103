#include "wizard/WizardConfig.h"

#include "config/AppState.h"
#include "config/MessageTexts.h"
#include "support/FakeDialogs.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"
#include "wizard/WizardAnswers.h"

#include <QDir>
#include <QFile>
#include <QMap>

#include <gtest/gtest.h>

#include <functional>

using namespace Qt::Literals::StringLiterals;
using Outcome = WizardResult::Outcome;

namespace {

// A file with none of the variables the wizard writes, as a user might keep by hand.
const QByteArray Plain = "// my settings\r\nunbindall\r\nbind \"TAB\" \"+showscores\"\r\ncl_updaterate \"101\"\r\n";

class WizardConfigTest : public ::testing::Test {
public: // the failure table arranges each case through the fixture
    WizardConfigTest()
        : state(settings, dialogs)
    {
        state.working.setFolder(dir.dirWithSlash());
        state.working.setWorkingFile(u"config.cfg"_s);
        settings.values = {{u"cfg_file"_s, u"config.cfg"_s}, {u"show_server"_s, u"yes"_s}, {u"mouse_btns"_s, u"3"_s}};
        dir.write(u"config.cfg"_s, Plain);
    }

    WizardResult run() { return WriteWizardConfig(state, answers); }

    // Every entry of the folder: a file's bytes, or "<folder>".
    QMap<QString, QByteArray> disk() const
    {
        QMap<QString, QByteArray> out;
        for (const QFileInfo& e :
             QDir(dir.path()).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
            out[e.fileName()] = e.isDir() ? QByteArray("<folder>") : TempDir::readFile(e.filePath());
        return out;
    }

    TempDir dir;
    MemorySettings settings;
    FakeDialogs dialogs;
    AppState state;
    WizardAnswers answers;
};

TEST_F(WizardConfigTest, AFileWithNoneOfTheVariablesGetsThemAppendedInOrder)
{
    answers.connection = 3;
    answers.name.text = u"Neo"_s;
    answers.rightHand = false;
    answers.showWeapon = false;
    answers.computerSpeed = 0;

    ASSERT_EQ(run().outcome, Outcome::Written) << dialogs.texts(u"error"_s).join(u"|"_s).toStdString();
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_EQ(dir.read(u"config.cfg"_s), Plain + "rate \"5000\"\r\n"
                                                 "bind \"w\" \"+forward\"\r\n"
                                                 "bind \"s\" \"+back\"\r\n"
                                                 "bind \"a\" \"+moveleft\"\r\n"
                                                 "bind \"d\" \"+moveright\"\r\n"
                                                 "name \"Neo\"\r\n"
                                                 "cl_righthand \"0\"\r\n"
                                                 "r_drawviewmodel \"0\"\r\n"
                                                 "setinfo \"_vgui_menus\" \"0\"\r\n"
                                                 "max_shells \"100\"\r\n"
                                                 "r_decals \"100\"\r\n"
                                                 "max_smokepuffs \"100\"\r\n"
                                                 "fastsprites \"2\"\r\n");

    // An empty name leaves the name line alone.
    dir.write(u"config.cfg"_s, "name \"Old\"\r\n");
    answers = WizardAnswers();
    ASSERT_EQ(run().outcome, Outcome::Written);
    EXPECT_TRUE(dir.read(u"config.cfg"_s).startsWith("name \"Old\"\r\nbind")) << dir.read(u"config.cfg"_s).constData();
}

TEST_F(WizardConfigTest, AGameWrittenConfigIsChangedInPlaceAndKeepsEverythingElse)
{
    const QByteArray original = TempDir::testData(u"config.cfg"_s);
    ASSERT_TRUE(original.contains("name \"Pl\xe9yer\xa0One\"")); // bytes the pages show as Latin-1
    dir.write(u"config.cfg"_s, original);
    answers.connection = 4;
    answers.wasd = false;
    answers.name.readBytes = "Pl\xe9yer\xa0One";
    answers.name.readText = QString::fromLatin1(answers.name.readBytes);
    answers.name.readAsLatin1 = true;
    answers.name.text = answers.name.readText;

    ASSERT_EQ(run().outcome, Outcome::Written);

    QList<QByteArray> before = original.split('\n');
    QList<QByteArray> after = dir.read(u"config.cfg"_s).split('\n');
    ASSERT_EQ(after.size(), before.size() + 1); // one line appended, with its line end
    QMap<int, QByteArray> changed;
    for (int i = 0; i < before.size() - 1; ++i) {
        if (after[i] != before[i])
            changed[i + 1] = after[i];
    }
    // Only the lines the answers name; cl_updaterate and cl_cmdrate stay as they were.
    // (UPARROW and DOWNARROW are bound to +forward and +back already, and cl_righthand is "1".)
    const QMap<int, QByteArray> expected = {{54, "bind \"LEFTARROW\" \"+moveleft\"\r"},
                                            {55, "bind \"RIGHTARROW\" \"+moveright\"\r"},
                                            {166, "rate \"8000\"\r"}};
    EXPECT_EQ(changed, expected);
    EXPECT_EQ(after.mid(before.size() - 1), (QList<QByteArray>{"r_drawviewmodel \"1\"\r", ""}));
}

TEST_F(WizardConfigTest, ANewNameCopiesTheWorkingFileWritesIntoTheCopyAndMakesItTheWorkingFile)
{
    answers.cfgName = u"Mine.CFG"_s;
    answers.runsServer = false;
    answers.buttonsIndex = 4;
    answers.buttonsText = u"more"_s;

    const WizardResult r = run();

    ASSERT_EQ(r.outcome, Outcome::Written);
    EXPECT_EQ(dir.read(u"config.cfg"_s), Plain); // the old working file is not touched
    const QByteArray copy = dir.read(u"Mine.CFG"_s);
    EXPECT_TRUE(copy.startsWith(Plain + "bind \"w\" \"+forward\"\r\n")) << copy.toStdString();
    EXPECT_EQ(state.working.file(), u"Mine.CFG"_s);
    EXPECT_EQ(state.working.store().filePath(), dir.file(u"Mine.CFG"_s));
    EXPECT_TRUE(r.newFile);
    EXPECT_EQ(settings.values,
              (QMap<QString, QString>{
                  {u"cfg_file"_s, u"Mine.CFG"_s}, {u"show_server"_s, u"no"_s}, {u"mouse_btns"_s, u"5"_s}}));
    // Nothing else in the folder: no temporary file is left behind.
    EXPECT_EQ(disk().keys(), (QList<QString>{u"Mine.CFG"_s, u"config.cfg"_s}));

    // Done again with the name that is now the working file keeps every line.
    answers.connection = 0;
    const WizardResult again = run();
    ASSERT_EQ(again.outcome, Outcome::Written);
    EXPECT_FALSE(again.newFile);
    const QByteArray second = dir.read(u"Mine.CFG"_s);
    EXPECT_TRUE(second.startsWith(copy)) << second.toStdString();
    EXPECT_EQ(second.mid(copy.size()).trimmed(), "rate \"1500\"");
}

TEST_F(WizardConfigTest, AnotherExistingFileIsReplacedOnlyAfterYes)
{
    const QByteArray aliases = "alias QVL_F2 \"buy;m4a1\"\r\n";
    dir.write(u"autoexec.cfg"_s, aliases);
    answers.cfgName = u"autoexec.cfg"_s;

    dialogs.answers.enqueue(false);
    EXPECT_EQ(run().outcome, Outcome::BackToName);
    ASSERT_EQ(dialogs.texts(u"question"_s).size(), 1);
    EXPECT_EQ(dialogs.questionDefaults, QList{Dialogs::Default::No}) << "Return keeps the file";
    EXPECT_TRUE(dialogs.texts(u"question"_s)[0].contains(QDir::toNativeSeparators(dir.file(u"autoexec.cfg"_s))));
    EXPECT_EQ(dir.read(u"autoexec.cfg"_s), aliases);
    EXPECT_EQ(state.working.file(), u"config.cfg"_s);
    EXPECT_EQ(settings.writes, 0);

    dialogs.answers.enqueue(true);
    ASSERT_EQ(run().outcome, Outcome::Written);
    EXPECT_TRUE(dir.read(u"autoexec.cfg"_s).startsWith(Plain));
    EXPECT_EQ(state.working.file(), u"autoexec.cfg"_s);
}

// Every way Done can fail: the message the user sees, and nothing changed anywhere.
TEST_F(WizardConfigTest, EveryFailureLeavesTheDiskTheSettingsAndTheWorkingFileAsTheyWere)
{
    struct Case {
        const char* what;
        std::function<void(WizardConfigTest&)> arrange;
        Outcome outcome;
        QString shownKind;
        QString shownText; // contained in the message
    };
    const auto english = [](const char* key) { return MessageTexts::englishText(QLatin1String(key)); };
    // The copy is made, then its save fails: the store cannot read back a file past its limit.
    const auto copyTooBigToSave = [](WizardConfigTest& t, const char* name) {
        t.dir.write(u"config.cfg"_s, Plain + QByteArray(CfgStore::MaxFileSize - Plain.size(), '/'));
        t.answers.cfgName = QLatin1String(name);
        t.dialogs.answers.enqueue(true); // replace the file that is there
    };
    const auto gone = [](WizardConfigTest& t) {
        t.state.working.setWorkingFile(u"gone.cfg"_s);
        t.settings.values[u"cfg_file"_s] = u"gone.cfg"_s;
    };
    const Case cases[] = {
        {"wrong extension", [](WizardConfigTest& t) { t.answers.cfgName = u"mine.cfg.bak"_s; }, Outcome::BackToName,
         u"window"_s, english("wrongext")},
        {"a path", [](WizardConfigTest& t) { t.answers.cfgName = u"../mine.cfg"_s; }, Outcome::BackToName, u"window"_s,
         english("notbarename")},
        {"no name", [](WizardConfigTest& t) { t.answers.cfgName.clear(); }, Outcome::BackToName, u"window"_s,
         WizardAnswers().emptyNameText},
        {"the save into a new copy fails: the copy is removed",
         [&](WizardConfigTest& t) { copyTooBigToSave(t, "mine.cfg"); }, Outcome::Stopped, u"error"_s, u"mine.cfg"_s},
        {"the save into a replaced file fails: the file is restored",
         [&](WizardConfigTest& t) {
             t.dir.write(u"other.cfg"_s, "rate \"3000\"\n");
             copyTooBigToSave(t, "other.cfg");
         },
         Outcome::Stopped, u"error"_s, u"other.cfg"_s},
        {"the save into the working file writes it but cannot read it back: the file is restored",
         [](WizardConfigTest& t) {
             t.dir.write(u"config.cfg"_s, Plain + QByteArray(CfgStore::MaxFileSize - Plain.size(), '/'));
         },
         Outcome::Stopped, u"error"_s, u"config.cfg"_s},
        {"buttons not a number",
         [](WizardConfigTest& t) {
             t.answers.cfgName = u"mine.cfg"_s; // checked before the copy is made
             t.answers.buttonsText = u"two"_s;
         },
         Outcome::Stopped, u"error"_s, u"'two' is not a valid integer value"_s},
        {"a quote in the name",
         [](WizardConfigTest& t) {
             t.answers.name.text = u"The \"One\""_s;
             t.answers.nameCaption = u"Your name "_s;
         },
         Outcome::Stopped, u"error"_s, u"\"Your name\": the text holds a double quote"_s},
        {"the new name is a folder",
         [](WizardConfigTest& t) {
             t.answers.cfgName = u"mine.cfg"_s;
             ASSERT_TRUE(QDir(t.dir.path()).mkdir(u"mine.cfg"_s));
             t.dialogs.answers.enqueue(true); // replace it
         },
         Outcome::Stopped, u"error"_s, u"mine.cfg: "_s},
        {"the working file is gone", gone, Outcome::Stopped, u"error"_s, u"gone.cfg: "_s},
        {"the working file cannot be written",
         [](WizardConfigTest& t) {
             // Permission bits only: tests run as root, for whom access(2) allows everything.
             ASSERT_TRUE(QFile::setPermissions(t.dir.file(u"config.cfg"_s), QFileDevice::ReadOwner));
         },
         Outcome::Stopped, u"error"_s, u"config.cfg"_s},
        {"the working file is gone, a new name",
         [&](WizardConfigTest& t) {
             gone(t);
             t.answers.cfgName = u"mine.cfg"_s;
         },
         Outcome::Stopped, u"error"_s, u"Cannot read "_s + QDir::toNativeSeparators(u"/"_s)},
        {"the working file is too big for the store",
         [](WizardConfigTest& t) {
             t.dir.write(u"config.cfg"_s, QByteArray(CfgStore::MaxFileSize + 1, 'x'));
             t.answers.cfgName = u"mine.cfg"_s;
         },
         Outcome::Stopped, u"error"_s, u"config.cfg"_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        dialogs.shown.clear();
        dialogs.answers.clear();
        answers = WizardAnswers();
        answers.name.text = u"Neo"_s;
        state.working.setWorkingFile(u"config.cfg"_s);
        settings.values[u"cfg_file"_s] = u"config.cfg"_s;
        QDir(dir.path()).removeRecursively();
        QDir().mkpath(dir.path());
        dir.write(u"config.cfg"_s, Plain);
        ASSERT_TRUE(state.working.store().LoadCfg(dir.file(u"config.cfg"_s)));
        state.working.store().SetCfgVar("fps_max", "100"); // an edit not yet saved stays in the store
        c.arrange(*this);
        const QMap<QString, QByteArray> before = disk();
        const QMap<QString, QString> settingsBefore = settings.values;
        const int writesBefore = settings.writes;
        const QString cfgFileBefore = state.working.file();

        const WizardResult r = run();

        EXPECT_EQ(r.outcome, c.outcome);
        EXPECT_EQ(disk(), before);
        EXPECT_EQ(settings.values, settingsBefore);
        EXPECT_EQ(settings.writes, writesBefore);
        EXPECT_EQ(state.working.file(), cfgFileBefore);
        EXPECT_EQ(state.working.store().filePath(), dir.file(u"config.cfg"_s));
        QByteArray fps;
        EXPECT_TRUE(state.working.store().GetCfgVar("fps_max", fps));
        const QStringList shown = dialogs.texts(c.shownKind);
        ASSERT_EQ(shown.size(), 1) << "shown: " << dialogs.shown.size();
        EXPECT_TRUE(shown[0].contains(c.shownText)) << shown[0].toStdString();
        if (c.shownKind == u"window"_s) {
            EXPECT_EQ(dialogs.shown.last().title, english("Information"));
        }
    }
}

// Done reads the file it writes afresh: an edit another page has not applied stays out of it, and
// stays in the store only until the store reads the written file.
TEST_F(WizardConfigTest, AnEditNotYetAppliedIsNotWrittenWithTheAnswers)
{
    for (const QString& target : {WizardAnswers::workingFileText(), u"mine.cfg"_s}) {
        SCOPED_TRACE(target.toStdString());
        state.working.setWorkingFile(u"config.cfg"_s);
        dir.write(u"config.cfg"_s, Plain);
        ASSERT_TRUE(state.working.load());
        state.working.store().SetCfgVar("fps_max", "100");
        answers.cfgName = target;
        answers.connection = 0;

        ASSERT_EQ(run().outcome, Outcome::Written);
        const QString written = target == u"mine.cfg"_s ? target : u"config.cfg"_s;
        EXPECT_EQ(dir.read(written), Plain + "rate \"1500\"\r\nbind \"w\" \"+forward\"\r\nbind \"s\" \"+back\"\r\n"
                                             "bind \"a\" \"+moveleft\"\r\nbind \"d\" \"+moveright\"\r\n"
                                             "cl_righthand \"1\"\r\nr_drawviewmodel \"1\"\r\n");
        EXPECT_FALSE(state.working.store().isModified());
    }
}

// A write that fails after the copy was made puts the replaced file back; when that cannot be done
// either (its folder has become read-only meanwhile), the user is told both causes.
TEST_F(WizardConfigTest, APuttingBackThatFailsIsReportedWithItsFileAndCause)
{
    dir.write(u"other.cfg"_s, "rate \"3000\"\r\n");
    answers.cfgName = u"other.cfg"_s;
    dialogs.answers.enqueue(true); // replace it
    const QByteArray tooBig(CfgStore::MaxFileSize + 1, '/');
    QObject changes;
    // Once the copy is the working file, another program fills it and makes the folder read-only.
    QObject::connect(&state.working, &WorkingConfig::workingFileChanged, &changes, [&](const QString& path) {
        if (!path.endsWith(u"other.cfg"_s))
            return;
        dir.write(u"other.cfg"_s, tooBig);
        // Permission bits only: tests run as root, for whom access(2) allows everything.
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    });

    const WizardResult r = run();
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    EXPECT_EQ(r.outcome, Outcome::Stopped);
    const QStringList errors = dialogs.texts(u"error"_s);
    ASSERT_EQ(errors.size(), 1);
    const QStringList lines = errors[0].split(u"\r\n"_s);
    ASSERT_EQ(lines.size(), 2) << errors[0].toStdString();
    const QString other = QDir::toNativeSeparators(dir.file(u"other.cfg"_s));
    EXPECT_TRUE(lines[0].startsWith(u"Cannot read "_s + other)) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].startsWith(u"Cannot write "_s + other)) << lines[1].toStdString();
    EXPECT_TRUE(lines[1].contains(u"is not writable"_s)) << lines[1].toStdString();
    EXPECT_EQ(dir.read(u"other.cfg"_s), tooBig) << "what could not be put back stays as it is";
    EXPECT_EQ(dir.read(u"config.cfg"_s), Plain);
    EXPECT_EQ(state.working.file(), u"config.cfg"_s);
    EXPECT_EQ(settings.writes, 0);
}

// Settings that cannot store one name, as a registry key the user may not write.
class RefusingSettings final : public SettingsStore {
public:
    QString readText(const QString& name) override { return values.value(name); }
    bool writeText(const QString& name, const QString& value, QString* error) override
    {
        if (name != u"show_server"_s) {
            values[name] = value;
            return true;
        }
        if (error)
            *error = u"Cannot store the setting "_s + name + u": access denied"_s;
        return false;
    }
    QMap<QString, QString> values;
};

TEST(WizardSettingsTest, ASettingThatCannotBeStoredIsReportedAndTheOthersAreStillWritten)
{
    TempDir dir;
    dir.write(u"config.cfg"_s, Plain);
    RefusingSettings settings;
    FakeDialogs dialogs;
    AppState state(settings, dialogs);
    state.working.setFolder(dir.dirWithSlash());
    state.working.setWorkingFile(u"config.cfg"_s);
    WizardAnswers answers;
    answers.cfgName = u"mine.cfg"_s;

    // The file is written and is the working file: the window must still follow it.
    EXPECT_EQ(WriteWizardConfig(state, answers).outcome, Outcome::Written);
    EXPECT_EQ(state.working.file(), u"mine.cfg"_s);
    EXPECT_EQ(dialogs.texts(u"error"_s), QStringList{u"Cannot store the setting show_server: access denied"_s});
    EXPECT_EQ(settings.values, (QMap<QString, QString>{{u"mouse_btns"_s, u"2"_s}, {u"cfg_file"_s, u"mine.cfg"_s}}));
}

} // namespace
