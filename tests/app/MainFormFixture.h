#pragma once

#include "app/MainForm.h"
#include "config/AppState.h"
#include "support/Controls.h"
#include "support/FakeDialogs.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

// The main window over a game folder holding config.cfg, with a program folder and settings of
// its own; dialogs, shell and machine registry are fakes.
class MainFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        settings.values[QStringLiteral("qvl_path")] = program.path();
        settings.values[QStringLiteral("cfg_dir")] = game.dirWithSlash();
        settings.values[QStringLiteral("cfg_file")] = QStringLiteral("config.cfg");
        game.write(QStringLiteral("config.cfg"), "unbindall\r\nrate \"25000\"\r\n");
    }

    // The main window, made but not shown yet (its first show finds the folder and reads it).
    TMainForm& create()
    {
        form = std::make_unique<TMainForm>(state, shell, registry);
        form->setSteamHome(home.path());
        QObject::connect(form.get(), &TMainForm::quitRequested, [this] { ++quits; });
        return *form;
    }
    TMainForm& start()
    {
        create().show();
        return *form;
    }

    // Clicks the list entry of that name, as the user does (with Ctrl to toggle it).
    void clickEntry(const QString& name, Qt::KeyboardModifiers modifiers = {})
    {
        const QList<QListWidgetItem*> items =
            control<QListWidget>(*form, "ListBox1")->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        const QRect rect = control<QListWidget>(*form, "ListBox1")->visualItemRect(items.first());
        QTest::mouseClick(control<QListWidget>(*form, "ListBox1")->viewport(), Qt::LeftButton, modifiers,
                          rect.center());
    }

    // The page of that name, shown as the user shows it: pages are built at their first show.
    template <typename T>
    T* shownPage(const char* name) const
    {
        static const char* const pages[] = {"", "ClientOptionsPage", "ServerOptionsPage", "BinderPage", "HudPage"};
        auto* tabs = control<QTabWidget>(*form, "PageControl1");
        for (int i = 1; i < 5; ++i) {
            if (qstrcmp(pages[i], name) == 0)
                tabs->setCurrentIndex(i);
        }
        return control<T>(*form, name);
    }

    // The player name the Client options page shows, and typing a new one as the user does.
    QLineEdit* nameField() const { return control<QLineEdit>(shownPage<QWidget>("ClientOptionsPage"), "name"); }
    void typeName(const QString& text)
    {
        nameField()->selectAll();
        QTest::keyClicks(nameField(), text);
    }

    // Whether the wizard was opened (it is built when first needed).
    bool wizardShown() const
    {
        const auto* wizard = form->findChild<QDialog*>(QStringLiteral("wizard"));
        return wizard && wizard->isVisible();
    }

    QStringList listed() const
    {
        QStringList names;
        for (int i = 0; i < control<QListWidget>(*form, "ListBox1")->count(); ++i)
            names << control<QListWidget>(*form, "ListBox1")->item(i)->text();
        return names;
    }

    TempDir game;
    TempDir program;
    TempDir home;
    MemorySettings settings;
    FakeDialogs dialogs;
    FakeShell shell;
    FakeRegistry registry;
    AppState state{settings, dialogs};
    int quits = 0;
    std::unique_ptr<TMainForm> form;
};
