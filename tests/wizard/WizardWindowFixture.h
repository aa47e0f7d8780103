#pragma once

#include "app/MainFormFixture.h"
#include "config/AppState.h"
#include "config/ClientOptionsPage.h"
#include "support/Controls.h"
#include "support/FakeDialogs.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"
#include "wizard/WizardAnswers.h"
#include "wizard/WizardWindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

// Drives the wizard as the user does: its buttons, its lists and the file name, found by object
// name. The wizard opens without a modal loop of its own, so a test goes on while it is open.
class WizardSteps {
protected:
    static constexpr const char* ConfigCfg = "unbindall\r\nbind \"w\" \"+forward\"\r\nname \"Player\"\r\n"
                                             "cl_updaterate \"60\"\r\ncl_righthand \"1\"\r\n// mine\r\n";

    template <class T>
    T* control(const char* name) const
    {
        return ::control<T>(*wizard, name);
    }
    QString page() const { return control<QStackedWidget>("WizardTabs")->currentWidget()->objectName(); }
    void next() { control<QPushButton>("BitBtn2")->click(); }
    void back() { control<QPushButton>("BitBtn1")->click(); }
    void goTo(int index)
    {
        QStackedWidget* tabs = control<QStackedWidget>("WizardTabs");
        while (tabs->currentIndex() < index) {
            const int from = tabs->currentIndex();
            next();
            if (tabs->currentIndex() == from) {
                ADD_FAILURE() << "Next stays on page " << from;
                return;
            }
        }
    }
    void typeCfgName(const QString& text)
    {
        QLineEdit* edit = control<QLineEdit>("CfgName");
        edit->selectAll();
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }
    // A choice in a drop-down list, as the user makes it.
    static void choose(QComboBox* box, int index)
    {
        box->setCurrentIndex(index);
        Q_EMIT box->activated(index);
    }
    // Records what the wizard says it did.
    void listen()
    {
        QObject::connect(wizard, &WizardWindow::written, wizard, [this](const WizardResult& r) { result = r; });
        QObject::connect(wizard, &WizardWindow::configChosen, wizard, [this](const QString& name) { chosen << name; });
    }

    WizardWindow* wizard = nullptr;     // a child of its owner
    std::optional<WizardResult> result; // the last written signal's
    QStringList chosen;                 // every configChosen signal's name
};

// The wizard alone over a game folder holding config.cfg and other.cfg, told what a main window
// would tell it, with an owner window standing for the main window.
class WizardTest : public ::testing::Test, protected WizardSteps {
protected:
    WizardTest()
    {
        game.write(QStringLiteral("config.cfg"), ConfigCfg);
        game.write(QStringLiteral("other.cfg"), "rate \"3000\"\r\n");
        state.working.setFolder(game.dirWithSlash());
        state.working.setWorkingFile(QStringLiteral("config.cfg"));
        context.title = QStringLiteral("&Wizard");
        context.configs = QStringList{QStringLiteral("config.cfg"), QStringLiteral("other.cfg")};
        context.client.connectionQuestion = QStringLiteral("Your connection");
        context.client.nameQuestion = QStringLiteral("Your name");
        context.client.handQuestion = QStringLiteral("Weapon hand");
        context.client.weaponQuestion = QStringLiteral("Show the weapon");
        context.client.connections =
            QStringList{QStringLiteral("Modem 28.8"), QStringLiteral("Modem 56k"), QStringLiteral("ISDN"),
                        QStringLiteral("DSL"), QStringLiteral("Broadband")};
        context.client.name = QStringLiteral("Player");
        context.client.hand = {QStringLiteral("Right"), QStringLiteral("Left"), true, false};
        context.client.weapon = {QStringLiteral("Yes, show"), QStringLiteral("No"), true, false};
        owned = std::make_unique<WizardWindow>(state, &owner);
        wizard = owned.get();
        listen();
        owner.show();
    }
    ~WizardTest() override { owned.reset(); }

    void open()
    {
        wizard->start(context);
        ASSERT_TRUE(wizard->isVisible());
    }

    TempDir game;
    MemorySettings settings;
    FakeDialogs dialogs;
    AppState state{settings, dialogs};
    WizardContext context;
    QWidget owner;
    std::unique_ptr<WizardWindow> owned; // deleted before its owner
};

// The main window and its wizard over a game folder holding config.cfg and other.cfg, with
// settings of their own; dialogs, shell and machine registry are fakes. The main window opens the
// wizard and follows what it writes.
class WizardWindowTest : public MainFormTest, protected WizardSteps {
protected:
    void SetUp() override
    {
        MainFormTest::SetUp();
        game.write(QStringLiteral("config.cfg"), ConfigCfg);
        game.write(QStringLiteral("other.cfg"), "rate \"3000\"\r\n");
    }

    // The main window as the program makes it: its Wizard button opens the wizard.
    void start()
    {
        form = std::make_unique<TMainForm>(state, shell, registry);
        form->setSteamHome(home.path());
        QObject::connect(form.get(), &TMainForm::quitRequested, [this] { ++quits; });
        form->show();
    }

    void open()
    {
        form->findChild<QPushButton*>(QStringLiteral("WizardButton"))->click();
        if (!wizard) { // the main window builds it at its first opening
            wizard = form->findChild<WizardWindow*>();
            ASSERT_NE(wizard, nullptr);
            listen();
        }
        ASSERT_TRUE(wizard->isVisible());
    }

    bool serverTabShown() const
    {
        return ::control<QTabWidget>(*form, "PageControl1")
            ->isTabVisible(
                ::control<QTabWidget>(*form, "PageControl1")->indexOf(::control<QWidget>(*form, "TabSheet3")));
    }
    QString selected() const
    {
        const QList<QListWidgetItem*> items = ::control<QListWidget>(*form, "ListBox1")->selectedItems();
        return items.isEmpty() ? QString() : items.first()->text();
    }
};
