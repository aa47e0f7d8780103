#include "WizardWindowFixture.h"
#include "support/Controls.h"

#include <QGroupBox>
#include <QLabel>

using namespace Qt::StringLiterals;

TEST_F(WizardWindowTest, ButtonsWalkThePagesAndTheForwardButtonFinishesOnlyOnTheLast)
{
    start();
    open();
    EXPECT_FALSE(form->isVisible()) << "the main window hides while the wizard is open";
    EXPECT_EQ(page(), u"t1"_s);
    back();
    EXPECT_EQ(page(), u"t1"_s);

    QPushButton* forward = control<QPushButton>("BitBtn2");
    goTo(4);
    EXPECT_EQ(page(), u"t5"_s);
    EXPECT_EQ(forward->text(), u"&Done"_s);
    EXPECT_EQ(forward->icon().cacheKey(), control<QPushButton>("Done")->icon().cacheKey());
    back();
    EXPECT_EQ(page(), u"t4"_s);
    EXPECT_EQ(forward->text(), u"&Next"_s);

    // Cancel writes nothing, shows the main window again, and the next opening starts on t1
    // with the answers kept.
    typeCfgName(u"mine.cfg"_s);
    control<QPushButton>("BitBtn3")->click();
    EXPECT_FALSE(wizard->isVisible());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(game.read(u"config.cfg"_s), QByteArray(ConfigCfg));
    EXPECT_FALSE(QFile::exists(game.file(u"mine.cfg"_s)));
    open();
    EXPECT_EQ(page(), u"t1"_s);
    EXPECT_EQ(forward->text(), u"&Next"_s);
    EXPECT_EQ(control<QLineEdit>("CfgName")->text(), u"mine.cfg"_s);
}

TEST_F(WizardWindowTest, ServerAndButtonAnswersAreReadFromTheSettingsAtEachEntryToThePage)
{
    struct Case {
        const char* showServer; // nullptr: no such setting
        bool serverChecked;
    };
    const Case cases[] = {{"no", false}, {"No", true}, {nullptr, true}};
    start();
    open();
    for (const Case& c : cases) {
        if (c.showServer)
            settings.values[u"show_server"_s] = QString::fromLatin1(c.showServer);
        else
            settings.values.remove(u"show_server"_s);
        goTo(1);
        EXPECT_EQ(control<QRadioButton>("server0")->isChecked(), c.serverChecked) << c.showServer;
        EXPECT_EQ(control<QRadioButton>("server1")->isChecked(), !c.serverChecked) << c.showServer;
        control<QRadioButton>(c.serverChecked ? "server1" : "server0")->click(); // dropped on the next entry
        back();
    }

    QComboBox* buttons = control<QComboBox>("buttons");
    settings.values[u"mouse_btns"_s] = u"5"_s;
    next();
    EXPECT_EQ(buttons->currentText(), u"5"_s);
    choose(buttons, 4); // "more", left behind
    back();
    settings.values.remove(u"mouse_btns"_s);
    next();
    EXPECT_EQ(buttons->currentText(), u"3"_s) << "without the setting, the count of the mouse picture";
    EXPECT_EQ(wizard->answers().buttonsIndex, -1) << "a count from the setting keeps no earlier choice";
    EXPECT_TRUE(dialogs.shown.isEmpty()) << "the design name makes no new file: no advice";
}

TEST_F(WizardWindowTest, ANameThatMakesAFileBringsTheExecAdviceOnEachWayForwardToTheServerPage)
{
    start();
    open();
    typeCfgName(u"CONFIG.CFG"_s); // the working file: no file is made
    next();
    back();
    EXPECT_TRUE(dialogs.shown.isEmpty());
    typeCfgName(u"myname.cfg"_s); // the design name in other letter case is a new name
    next();
    back();
    next();
    next();
    back(); // back through the server page: no advice
    const QStringList advice = dialogs.texts(u"information"_s);
    ASSERT_EQ(advice.size(), 2);
    EXPECT_EQ(advice[0], state.message(u"ConfigCreate"_s));
    EXPECT_TRUE(advice[0].endsWith(u"\r\nexec YourConfig.cfg"_s)) << advice[0].toStdString();
}

TEST_F(WizardWindowTest, ANameThatWouldBeRefusedIsMarkedWithTheReasonAndHoldsTheFirstPage)
{
    start();
    open();
    QLabel* mark = control<QLabel>("CfgNameMark");
    const QString noName = control<QLabel>("emptyname")->text();
    ASSERT_FALSE(noName.isEmpty());
    EXPECT_NE(noName, state.message(u"wrongext"_s));
    const struct {
        QString typed;
        QString reason; // empty: accepted
    } cases[] = {
        {u""_s, noName},
        {u"cfg/mine.cfg"_s, state.message(u"notbarename"_s)},
        {u"nul.cfg"_s, state.message(u"notbarename"_s)},
        {u"mine.txt"_s, state.message(u"wrongext"_s)},
        {u"mine.cfg"_s, QString()},
    };
    for (const auto& c : cases) {
        typeCfgName(c.typed);
        EXPECT_EQ(mark->text(), c.reason) << c.typed.toStdString();
        EXPECT_EQ(mark->isVisible(), !c.reason.isEmpty()) << c.typed.toStdString();
        EXPECT_EQ(control<QLabel>("Advice")->isVisible(), c.reason.isEmpty()) << c.typed.toStdString();
        next();
        EXPECT_EQ(page(), c.reason.isEmpty() ? u"t2"_s : u"t1"_s) << c.typed.toStdString();
        EXPECT_EQ(dialogs.texts(u"information"_s).size(), c.reason.isEmpty() ? 1 : 0) << c.typed.toStdString();
    }
    // Choosing an existing config mends the name too.
    back();
    typeCfgName(u""_s);
    choose(control<QComboBox>("Configs"), 0);
    EXPECT_TRUE(control<QPushButton>("BitBtn2")->isEnabled());
    EXPECT_FALSE(mark->isVisible());
}

TEST_F(WizardWindowTest, MovementAndPlayerPagesCopyTheClientPageAsItShowsNow)
{
    start();
    ClientOptionsPage* client = form->clientPage;
    // Edits on the client page not yet applied are what the wizard copies.
    ::control<QRadioButton>(client, "p1_0")->click();
    ::control<QRadioButton>(client, "p11_0")->click();
    ::control<QLineEdit>(client, "name")->setText(u"Neo"_s);
    client->findChild<QLabel*>(u"ClientBox1Caption"_s)->setText(u"Nickname"_s); // as a language change does
    open();

    goTo(2);
    QComboBox* w6 = control<QComboBox>("w6");
    ASSERT_EQ(w6->count(), ::control<QListWidget>(client, "data")->count());
    for (int i = 0; i < w6->count(); ++i)
        EXPECT_EQ(w6->itemText(i), ::control<QListWidget>(client, "data")->item(i)->text());
    EXPECT_EQ(w6->currentIndex(), -1);
    choose(w6, 3);
    back();
    next();
    EXPECT_EQ(w6->currentIndex(), -1) << "the connection is chosen anew at each entry";

    next();
    EXPECT_EQ(control<QGroupBox>("wiz1")->title(), u"Nickname"_s);
    EXPECT_EQ(control<QLineEdit>("name")->text(), u"Neo"_s);
    EXPECT_EQ(control<QRadioButton>("w1")->text(), ::control<QRadioButton>(client, "p1_1")->text());
    EXPECT_TRUE(control<QRadioButton>("w2")->isChecked());
    EXPECT_TRUE(control<QRadioButton>("w4")->isChecked());

    // Group titles do not wrap: the window grows to show the longest question whole.
    client->findChild<QLabel*>(u"ClientBox16Caption"_s)->setText(QString(150, u'x'));
    control<QPushButton>("BitBtn3")->click();
    open();
    goTo(2);
    QGroupBox* w5 = control<QGroupBox>("w5");
    EXPECT_GE(w5->width(), w5->minimumSizeHint().width());

    // Changed on the wizard, then on the client page: the next entry copies the client page.
    goTo(3);
    control<QRadioButton>("w1")->click();
    back();
    ::control<QRadioButton>(client, "p11_1")->click();
    next();
    EXPECT_TRUE(control<QRadioButton>("w2")->isChecked());
    EXPECT_TRUE(control<QRadioButton>("w3")->isChecked());
}

TEST_F(WizardWindowTest, ChoosingAnExistingConfigMakesItTheWorkingFileAndTypingClearsTheChoice)
{
    start();
    QComboBox* configs = control<QComboBox>("Configs");
    open();
    EXPECT_EQ(configs->currentText(), u"config.cfg"_s);

    typeCfgName(u"x"_s);
    EXPECT_EQ(configs->currentIndex(), -1);
    choose(configs, configs->findText(u"other.cfg"_s));
    EXPECT_EQ(control<QLineEdit>("CfgName")->text(), u"MyName.CFG"_s);
    EXPECT_EQ(configs->currentText(), u"other.cfg"_s) << "the list shows the file the wizard writes";
    EXPECT_EQ(state.working.file(), u"other.cfg"_s);
    EXPECT_EQ(settings.values.value(u"cfg_file"_s), u"other.cfg"_s);
    EXPECT_EQ(selected(), u"other.cfg"_s);
    EXPECT_EQ(::control<QLineEdit>(form->clientPage, "name")->text(), QString()) << "the pages show the chosen file";

    // Done writes into the chosen file and leaves config.cfg alone.
    goTo(4);
    next();
    EXPECT_FALSE(wizard->isVisible());
    EXPECT_TRUE(game.read(u"other.cfg"_s).startsWith("rate \"3000\"\r\nbind \"w\" \"+forward\"\r\n"))
        << game.read(u"other.cfg"_s).constData();
    EXPECT_EQ(game.read(u"config.cfg"_s), QByteArray(ConfigCfg));
    EXPECT_EQ(selected(), u"other.cfg"_s);
}
