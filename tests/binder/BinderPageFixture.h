#pragma once

#include "binder/BinderPage.h"
#include "binder/KeyLabel.h"
#include "config/AppState.h"
#include "support/Controls.h"
#include "support/FakeDialogs.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <string>

// The Binder page, shown, over a temporary game folder whose working file is config.cfg (empty
// until a test writes it).
class BinderPageTest : public ::testing::Test {
protected:
    BinderPageTest()
    {
        state.working.setFolder(game.dirWithSlash());
        state.working.setWorkingFile(QStringLiteral("config.cfg"));
        game.write(QStringLiteral("config.cfg"), QByteArray());
        page.resize(494, 334);
        page.show();
    }

    // Tests write lines with "\n"; the game ends them with "\r\n".
    static std::string crlf(QByteArray text) { return text.replace('\n', "\r\n").toStdString(); }
    void writeCfg(const QByteArray& text, const QString& name = QStringLiteral("config.cfg"))
    {
        game.write(name, QByteArray::fromStdString(crlf(text)));
    }
    // Files as text, so that a failure shows their lines.
    std::string cfg(const QString& name = QStringLiteral("config.cfg")) const { return game.read(name).toStdString(); }
    std::string autoexec() const { return game.read(QStringLiteral("autoexec.cfg")).toStdString(); }

    template <typename T = QWidget>
    T* find(const char* name)
    {
        return control<T>(page, name);
    }
    KeyLabel* key(const char* name) { return find<KeyLabel>(name); }
    QComboBox* keyList() { return find<QComboBox>("BindKey"); }
    QListWidget* equipment() { return find<QListWidget>("Equipment"); }
    QString price() { return find<QLineEdit>("PRICE")->text(); }
    // Makes `key` the key to bind, as a click on it does.
    void selectKey(const QString& key) { keyList()->setCurrentIndex(keyList()->findText(key, Qt::MatchFixedString)); }
    // "used <hint>", "elsewhere <hint>", "replaced <hint>" or "unused" for a key label.
    std::string mark(const char* name)
    {
        KeyLabel* label = key(name);
        const std::string tip = label->toolTip().toStdString();
        switch (label->mark()) {
        case KeyLabel::Mark::Here:
            return "used " + tip;
        case KeyLabel::Mark::Elsewhere:
            return "elsewhere " + tip;
        case KeyLabel::Mark::Replaced:
            return "replaced " + tip;
        case KeyLabel::Mark::Free:
            break;
        }
        return tip.empty() ? "unused" : "odd";
    }
    // "shown <hint>" (bound here), "<mark> <hint>" or "hidden" for a mouse overlay.
    std::string overlay(const char* name)
    {
        QLabel* image = find<QLabel>(name);
        const QString mark = image->property("mark").toString();
        return image->isHidden() ? "hidden"
                                 : (mark == u"here" ? std::string("shown") : mark.toStdString()) + " " +
                                       image->toolTip().toStdString();
    }
    void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center()); }
    // Picks a list entry as the user does.
    static void choose(QComboBox* list, int index)
    {
        list->setCurrentIndex(index);
        Q_EMIT list->activated(index);
    }
    QStringList offered()
    {
        QStringList keys;
        for (int i = 0; i < keyList()->count(); ++i)
            keys << keyList()->itemText(i);
        return keys;
    }

    TempDir game;
    MemorySettings settings;
    FakeDialogs dialogs;
    AppState state{settings, dialogs};
    BinderPage page{state};
};
