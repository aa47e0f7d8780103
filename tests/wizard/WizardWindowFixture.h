#pragma once

#include "app/MainFormFixture.h"
#include "app/WizardForm.h"
#include "config/ClientOptionsPage.h"
#include "wizard/WizardAnswers.h"

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

// The main window and its wizard over a game folder holding config.cfg and other.cfg, with
// settings of their own; dialogs, shell and machine registry are fakes. The wizard opens
// without a modal loop of its own, so a test drives it as the user does and reads the results.
class WizardWindowTest : public MainFormTest {
protected:
    static constexpr const char* ConfigCfg = "unbindall\r\nbind \"w\" \"+forward\"\r\nname \"Player\"\r\n"
                                             "cl_updaterate \"60\"\r\ncl_righthand \"1\"\r\n// mine\r\n";

    void SetUp() override
    {
        MainFormTest::SetUp();
        game.write(QStringLiteral("config.cfg"), ConfigCfg);
        game.write(QStringLiteral("other.cfg"), "rate \"3000\"\r\n");
    }

    void start()
    {
        create();
        wizard = std::make_unique<Twizard>(state, *form);
        form->setWizard(wizard.get());
        form->openWizard = [this] { wizard->show(); };
        form->show();
    }

    void open()
    {
        form->findChild<QPushButton*>(QStringLiteral("WizardButton"))->click();
        ASSERT_TRUE(wizard->isVisible());
    }

    template <class T>
    T* control(const char* name) const
    {
        T* found = wizard->findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
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
    bool serverTabShown() const
    {
        return form->PageControl1->isTabVisible(form->PageControl1->indexOf(form->TabSheet3));
    }
    QString selected() const
    {
        const QList<QListWidgetItem*> items = form->ListBox1->selectedItems();
        return items.isEmpty() ? QString() : items.first()->text();
    }

    std::unique_ptr<Twizard> wizard; // a child of the main window: deleted before it
};
