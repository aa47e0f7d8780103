#pragma once

#include "app/AppState.h"
#include "config/ClientOptionsPage.h"
#include "config/OptionPages.h"
#include "config/ServerOptionsPage.h"
#include "support/FakeDialogs.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

// Both option pages over a working file in a temporary game folder; `Page` is the one shown.
class OptionPagesFixture : public ::testing::Test {
protected:
    OptionPagesFixture(const QString& file, QWidget& shown)
        : m_file(file)
    {
        state.CfgDir = dir.dirWithSlash();
        state.CfgFile = file;
        shown.resize(490, 330);
        shown.show();
        m_shown = &shown;
    }

    void writeCfg(const QByteArray& bytes) { dir.write(m_file, bytes); }
    QByteArray cfg() const { return dir.read(m_file); }
    void read() { ReadOptionPages(state, client, server); }

    template <typename T>
    T* find(const char* name)
    {
        T* widget = m_shown->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    // Replaces a field's text by typing, as the user does.
    void type(QWidget* widget, const QString& text)
    {
        if (auto* box = qobject_cast<QAbstractSpinBox*>(widget))
            box->selectAll();
        else if (auto* line = qobject_cast<QLineEdit*>(widget))
            line->selectAll();
        QTest::keyClicks(widget, text);
    }
    void click(QAbstractButton* button)
    {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }

    TempDir dir;
    MemorySettings settings;
    FakeDialogs dialogs;
    AppState state{settings, dialogs};
    ClientOptionsPage client{state};
    ServerOptionsPage server{state};

private:
    QString m_file;
    QWidget* m_shown = nullptr;
};
