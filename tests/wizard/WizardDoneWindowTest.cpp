#include "WizardWindowFixture.h"
#include "support/Controls.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace {

// What a failed Done must leave as it was.
struct Snapshot {
    QMap<QString, QByteArray> files;
    QMap<QString, QString> settings;
    QString cfgFile;
    QStringList listed;
    bool serverTab = true;
    friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

} // namespace

class WizardDoneTest : public WizardWindowTest {
protected:
    Snapshot snapshot() const
    {
        Snapshot s;
        for (const QFileInfo& info : QDir(game.path()).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot))
            s.files.insert(info.fileName(), info.isDir() ? QByteArray("<dir>") : game.read(info.fileName()));
        s.settings = settings.values;
        s.cfgFile = state.working.file();
        s.listed = listed();
        s.serverTab = serverTabShown();
        return s;
    }
    // Answers that change everything they can, then Done.
    void answerAndFinish(const QString& cfgName)
    {
        open();
        typeCfgName(cfgName);
        next();
        control<QRadioButton>("server1")->click();
        choose(control<QComboBox>("buttons"), 4);
        choose(control<QComboBox>("w7"), 0);
        next();
        control<QRadioButton>("arrows")->click();
        choose(control<QComboBox>("w6"), 2);
        next();
        control<QLineEdit>("name")->setText(u"Trinity"_s);
        next();
        next();
    }
};

TEST_F(WizardDoneTest, ANewFileIsListedSelectedAndShownWithTheAnswersAndTheMainWindowFollows)
{
    start();
    answerAndFinish(u"mine.cfg"_s);
    EXPECT_FALSE(wizard->isVisible());
    EXPECT_TRUE(form->isVisible());
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->cfgFile, u"mine.cfg"_s);
    EXPECT_TRUE(result->newFile);
    EXPECT_FALSE(result->showServer);
    EXPECT_EQ(result->mouseButtons, 5);

    EXPECT_EQ(game.read(u"config.cfg"_s), QByteArray(ConfigCfg)) << "the working file is copied, not changed";
    const QByteArray mine = game.read(u"mine.cfg"_s);
    EXPECT_TRUE(mine.startsWith("unbindall\r\nbind \"w\" \"+forward\"\r\nname \"Trinity\"\r\ncl_updaterate \"60\"\r\n"))
        << mine.constData();
    EXPECT_TRUE(mine.contains("\r\nrate \"3500\"\r\nbind \"UPARROW\" \"+forward\"\r\n")) << mine.constData();

    EXPECT_TRUE(listed().contains(u"mine.cfg"_s));
    EXPECT_EQ(selected(), u"mine.cfg"_s);
    EXPECT_EQ(state.working.file(), u"mine.cfg"_s);
    EXPECT_EQ(settings.values.value(u"cfg_file"_s), u"mine.cfg"_s);
    EXPECT_EQ(settings.values.value(u"show_server"_s), u"no"_s);
    EXPECT_EQ(settings.values.value(u"mouse_btns"_s), u"5"_s);
    EXPECT_FALSE(serverTabShown());
    shownPage<QWidget>("BinderPage");
    EXPECT_FALSE(form->findChild<QWidget*>(u"m5"_s)->isHidden()) << "the binder shows five buttons";
    EXPECT_TRUE(form->findChild<QWidget*>(u"m3"_s)->isHidden());
    EXPECT_EQ(::control<QLineEdit>(::control<ClientOptionsPage>(*form, "ClientOptionsPage"), "name")->text(),
              u"Trinity"_s)
        << "the option pages show the new file";

    // The same answers into the file that is now the working file keep its lines; "Yes" brings
    // the server tab back.
    open();
    next();
    control<QRadioButton>("server0")->click();
    goTo(4);
    next();
    // Every line stays; the store decides only whether the last one ends in CR LF.
    EXPECT_EQ(game.read(u"mine.cfg"_s).trimmed(), mine.trimmed());
    EXPECT_TRUE(serverTabShown());
    EXPECT_EQ(dialogs.texts(u"error"_s), QStringList());
}

TEST_F(WizardDoneTest, ANameTheSystemCannotShowGoesBackAsItsOwnBytesUntilItIsEdited)
{
    const QByteArray odd = "unbindall\r\nname \"J\xf6rg\xff\"\r\n"; // not text in the system's code page
    game.write(u"config.cfg"_s, odd);
    start();
    open();
    goTo(4);
    next();
    EXPECT_TRUE(game.read(u"config.cfg"_s).startsWith(odd)) << game.read(u"config.cfg"_s).constData();

    open();
    goTo(3);
    control<QLineEdit>("name")->setText(u"Jorg"_s);
    goTo(4);
    next();
    EXPECT_TRUE(game.read(u"config.cfg"_s).startsWith("unbindall\r\nname \"Jorg\"\r\n"));
}

TEST_F(WizardDoneTest, EachFailureLeavesTheDiskTheSettingsAndTheTabAsTheyWere)
{
    const struct {
        const char* what;
        QString cfgName;
        const char* shownAs; // the kind of message
        QString pageAfter;
    } cases[] = {
        {"a folder in the new file's place", u"blocked.cfg"_s, "error", u"t5"_s},
        {"another config kept", u"other.cfg"_s, "question", u"t1"_s},
    };
    QDir(game.path()).mkdir(u"blocked.cfg"_s);
    start();
    const Snapshot before = snapshot();
    for (const auto& c : cases) {
        dialogs.shown.clear();
        // A replacement, where one is asked for, is agreed to unless the case is the refusal.
        dialogs.answers.clear();
        dialogs.answers.enqueue(c.shownAs != std::string_view("question"));
        open();
        typeCfgName(c.cfgName);
        next();
        control<QRadioButton>("server1")->click();
        goTo(4);
        next();
        EXPECT_TRUE(wizard->isVisible()) << c.what;
        EXPECT_EQ(page(), c.pageAfter) << c.what;
        EXPECT_EQ(dialogs.texts(QLatin1String(c.shownAs)).size(), 1) << c.what;
        EXPECT_TRUE(snapshot() == before) << c.what;
        EXPECT_FALSE(result.has_value()) << c.what;
        control<QPushButton>("BitBtn3")->click();
    }
}

TEST_F(WizardTest, ARefusedDoneKeepsEveryAnswerAsTheUserGaveIt)
{
    context.client.hand = {u"Right"_s, u"Left"_s, false, true}; // the client page holds Left
    open();
    next();
    control<QRadioButton>("server1")->click();
    next();
    choose(control<QComboBox>("w6"), 2);
    next();
    control<QRadioButton>("w1")->click(); // Right
    control<QLineEdit>("name")->setText(u"Neo \"1\""_s);
    next();
    next(); // refused for the quote: the user stays on the last page
    ASSERT_EQ(dialogs.texts(u"error"_s).size(), 1);
    EXPECT_EQ(page(), u"t5"_s);
    EXPECT_FALSE(result.has_value());

    back();
    EXPECT_TRUE(control<QRadioButton>("w1")->isChecked());
    EXPECT_EQ(control<QLineEdit>("name")->text(), u"Neo \"1\""_s);
    control<QLineEdit>("name")->setText(u"Neo"_s);
    // Kept as well on the whole way from the first page, where a refused file name leads.
    for (int i = 0; i < 3; ++i)
        back();
    goTo(3);
    EXPECT_TRUE(control<QRadioButton>("server1")->isChecked());
    EXPECT_EQ(control<QComboBox>("w6")->currentIndex(), 2);
    EXPECT_TRUE(control<QRadioButton>("w1")->isChecked());
    next();
    next();
    EXPECT_FALSE(wizard->isVisible());
    EXPECT_TRUE(owner.isVisible());
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->cfgFile, u"config.cfg"_s);
    EXPECT_FALSE(result->newFile);
    EXPECT_FALSE(result->showServer);
    // Right is what the file holds already; the name and the connection's rate are written.
    EXPECT_EQ(game.read(u"config.cfg"_s), QByteArray("unbindall\r\nbind \"w\" \"+forward\"\r\nname \"Neo\"\r\n"
                                                     "cl_updaterate \"60\"\r\ncl_righthand \"1\"\r\n// mine\r\n"
                                                     "rate \"3500\"\r\nbind \"s\" \"+back\"\r\n"
                                                     "bind \"a\" \"+moveleft\"\r\nbind \"d\" \"+moveright\"\r\n"
                                                     "r_drawviewmodel \"1\"\r\n"));
    EXPECT_EQ(settings.values.value(u"show_server"_s), u"no"_s);
}
