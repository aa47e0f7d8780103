#include "WizardWindowFixture.h"
#include "support/Controls.h"

#include <QGroupBox>
#include <QLabel>

using namespace Qt::StringLiterals;

TEST_F(WizardTest, ButtonsWalkThePagesAndTheForwardButtonFinishesOnlyOnTheLast)
{
    open();
    EXPECT_FALSE(owner.isVisible()) << "the main window hides while the wizard is open";
    EXPECT_EQ(wizard->windowTitle(), u"Wizard"_s) << "the Wizard button's caption";
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
    EXPECT_TRUE(owner.isVisible());
    EXPECT_FALSE(result.has_value());
    EXPECT_EQ(game.read(u"config.cfg"_s), QByteArray(ConfigCfg));
    EXPECT_FALSE(QFile::exists(game.file(u"mine.cfg"_s)));
    open();
    EXPECT_EQ(page(), u"t1"_s);
    EXPECT_EQ(forward->text(), u"&Next"_s);
    EXPECT_EQ(control<QLineEdit>("CfgName")->text(), u"mine.cfg"_s);
}

TEST_F(WizardTest, ServerAndButtonAnswersAreReadFromTheSettingsAtEachEntryToThePage)
{
    struct Case {
        const char* showServer; // nullptr: no such setting
        bool serverChecked;
    };
    const Case cases[] = {{"no", false}, {"No", true}, {nullptr, true}};
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
    context.mouseButtons = 4;
    wizard->setContext(context);
    next();
    EXPECT_EQ(buttons->currentText(), u"4"_s) << "without the setting, the count of the mouse picture";
    EXPECT_EQ(wizard->answers().buttonsIndex, 2) << "the count replaces the earlier choice";
    EXPECT_TRUE(dialogs.shown.isEmpty()) << "the design name makes no new file: no advice";
}

TEST_F(WizardTest, ANameThatMakesAFileBringsTheExecAdviceOnEachWayForwardToTheServerPage)
{
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
    EXPECT_EQ(advice[0], state.message(Msg::ConfigCreated));
    EXPECT_TRUE(advice[0].endsWith(u"\r\nexec YourConfig.cfg"_s)) << advice[0].toStdString();
}

TEST_F(WizardTest, ANameThatWouldBeRefusedIsMarkedWithTheReasonAndHoldsTheFirstPage)
{
    open();
    QLabel* mark = control<QLabel>("CfgNameMark");
    const QString noName = control<QLabel>("emptyname")->text();
    ASSERT_FALSE(noName.isEmpty());
    EXPECT_NE(noName, state.message(Msg::WrongExtension));
    const struct {
        QString typed;
        QString reason; // empty: accepted
    } cases[] = {
        {u""_s, noName},
        {u"cfg/mine.cfg"_s, state.message(Msg::NotBareName)},
        {u"nul.cfg"_s, state.message(Msg::NotBareName)},
        {u"mine.txt"_s, state.message(Msg::WrongExtension)},
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
    // Choosing an existing config mends the name too, and asks for that file.
    back();
    typeCfgName(u""_s);
    choose(control<QComboBox>("Configs"), 1);
    EXPECT_TRUE(control<QPushButton>("BitBtn2")->isEnabled());
    EXPECT_FALSE(mark->isVisible());
    EXPECT_EQ(chosen, QStringList{u"other.cfg"_s});
}

TEST_F(WizardTest, MovementAndPlayerPagesCopyTheClientPageAsTheContextGivesIt)
{
    context.client.hand = {u"Right"_s, u"Left"_s, false, true};
    context.client.weapon = {u"Yes, show"_s, u"No"_s, false, false}; // neither: as the file holds no value
    context.client.name = u"Neo"_s;
    context.client.nameQuestion = u"Nickname"_s;
    open();

    goTo(2);
    QComboBox* w6 = control<QComboBox>("w6");
    QStringList entries;
    for (int i = 0; i < w6->count(); ++i)
        entries << w6->itemText(i);
    EXPECT_EQ(entries, context.client.connections);
    EXPECT_EQ(w6->currentIndex(), -1);
    choose(w6, 3);
    back();
    next();
    EXPECT_EQ(w6->currentIndex(), -1) << "the connection is chosen anew at each entry";

    next();
    EXPECT_EQ(control<QGroupBox>("wiz1")->title(), u"Nickname"_s);
    EXPECT_EQ(control<QLineEdit>("name")->text(), u"Neo"_s);
    EXPECT_EQ(control<QRadioButton>("w1")->text(), u"Right"_s);
    EXPECT_TRUE(control<QRadioButton>("w2")->isChecked());
    EXPECT_FALSE(control<QRadioButton>("w3")->isChecked());
    EXPECT_FALSE(control<QRadioButton>("w4")->isChecked());

    // Changed on the wizard, then a new context while it is open: the next entry copies that.
    control<QRadioButton>("w1")->click();
    back();
    context.client.weapon.firstChecked = true;
    wizard->setContext(context);
    next();
    EXPECT_TRUE(control<QRadioButton>("w2")->isChecked());
    EXPECT_TRUE(control<QRadioButton>("w3")->isChecked());
}

TEST_F(WizardWindowTest, ChoosingAnExistingConfigMakesItTheWorkingFileAndTypingClearsTheChoice)
{
    start();
    open();
    QComboBox* configs = control<QComboBox>("Configs");
    EXPECT_EQ(configs->currentText(), u"config.cfg"_s);
    EXPECT_EQ(wizard->windowTitle(), u"Wizard"_s);

    typeCfgName(u"x"_s);
    EXPECT_EQ(configs->currentIndex(), -1);
    choose(configs, configs->findText(u"other.cfg"_s));
    EXPECT_EQ(control<QLineEdit>("CfgName")->text(), u"MyName.CFG"_s);
    EXPECT_EQ(configs->currentText(), u"other.cfg"_s) << "the list shows the file the wizard writes";
    EXPECT_EQ(state.working.file(), u"other.cfg"_s);
    EXPECT_EQ(settings.values.value(u"cfg_file"_s), u"other.cfg"_s);
    EXPECT_EQ(selected(), u"other.cfg"_s);
    EXPECT_EQ(::control<QLineEdit>(::control<ClientOptionsPage>(*form, "ClientOptionsPage"), "name")->text(), QString())
        << "the pages show the chosen file";
    goTo(3);
    EXPECT_EQ(control<QLineEdit>("name")->text(), QString()) << "and so does the wizard";

    // Done writes into the chosen file and leaves config.cfg alone.
    goTo(4);
    next();
    EXPECT_FALSE(wizard->isVisible());
    EXPECT_TRUE(game.read(u"other.cfg"_s).startsWith("rate \"3000\"\r\nbind \"w\" \"+forward\"\r\n"))
        << game.read(u"other.cfg"_s).constData();
    EXPECT_EQ(game.read(u"config.cfg"_s), QByteArray(ConfigCfg));
    EXPECT_EQ(selected(), u"other.cfg"_s);
}
