#pragma once

#include "ByteText.h"
#include "config/AppState.h"
#include "config/ClientOptionsPage.h"
#include "config/OptionPages.h"
#include "config/ServerOptionsPage.h"
#include "support/Controls.h"
#include "support/FakeDialogs.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <span>

// One variable of a page with two values and what its control shows for each (the value
// itself unless given).
struct Row {
    const char* variable;
    const char* control;
    const char* a;
    const char* b;
    const char* shownA = nullptr;
    const char* shownB = nullptr;
};

// Both option pages over one file in a temporary game folder; shown unless `hidden` (as while
// the main window shows another tab).
class OptionPagesFixture : public ::testing::Test {
protected:
    explicit OptionPagesFixture(const char* file, bool hidden = false)
    {
        state.working.setFolder(dir.dirWithSlash());
        state.working.setWorkingFile(QString::fromLatin1(file));
        for (QWidget* page : pages())
            page->resize(490, 330);
        if (!hidden)
            showPages();
    }
    QList<QWidget*> pages() { return {&client, &server}; }
    void showPages()
    {
        for (QWidget* page : pages())
            page->show();
    }
    virtual bool apply() = 0; // the page under test

    // Tests write lines with "\n"; the game ends them with "\r\n".
    static QByteArray crlf(QByteArray text) { return text.replace('\n', "\r\n"); }
    void writeCfg(const QByteArray& text) { dir.write(state.working.file(), crlf(text)); }
    QByteArray cfg() const { return dir.read(state.working.file()); }
    // Reads both pages, and lets the message about values that do not fit come up.
    void read()
    {
        ReadOptionPages(state, client, server);
        QCoreApplication::processEvents();
    }
    QStringList errors() const { return dialogs.texts(QStringLiteral("error")); }
    QStringList warnings() const { return dialogs.texts(QStringLiteral("warning")); }
    // A game-written config.cfg as LF-only text, with blank lines and values no control can show.
    static QByteArray gameConfigLf()
    {
        QByteArray file = TempDir::testData(QStringLiteral("config.cfg")).replace("\r\n", "\n");
        file.replace("unbindall\n", "unbindall\n\n").replace("fastsprites \"0\"\n", "fastsprites 5\n\n");
        file.replace("+mlook\n", "\nmp_c4timer 120\nmp_forcechasecam 3\nmp_roundtime 1.75\n\n+mlook\n");
        return file;
    }
    static QString notInteger(const QString& text)
    {
        return QStringLiteral("'%1' is not a valid integer value").arg(text);
    }

    // The control `name` of whichever page has it.
    template <typename T = QWidget>
    T* find(const char* name)
    {
        const bool onClient = !client.findChildren<QObject*>(QLatin1String(name)).isEmpty();
        return control<T>(onClient ? static_cast<QWidget*>(&client) : &server, name);
    }
    // What a control shows: "1" or "0" for a button, a position, a list's row, a text.
    QString shown(const char* name)
    {
        QWidget* w = find(name);
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            return QLatin1String(button->isChecked() ? "1" : "0");
        if (auto* slider = qobject_cast<QAbstractSlider*>(w))
            return QString::number(slider->value());
        if (auto* list = qobject_cast<QListWidget*>(w))
            return QString::number(list->currentRow());
        if (auto* spin = qobject_cast<QAbstractSpinBox*>(w))
            return spin->text();
        return qobject_cast<QLineEdit*>(w)->text();
    }
    // What several controls show, joined by blanks.
    QString shown(std::initializer_list<const char*> names)
    {
        QStringList texts;
        for (const char* name : names)
            texts << shown(name);
        return texts.join(QLatin1Char(' '));
    }
    // Whether an edit is marked as not holding a whole number, and why (its tool tip).
    QString mark(const char* name)
    {
        auto* edit = find<QLineEdit>(name);
        return edit->property("notInteger").toBool() ? edit->toolTip() : QString();
    }
    // The tip of a field's mark of a value kept as the file has it; empty while it shows none.
    QString fileMark(const char* name)
    {
        QWidget* field = find(name);
        return field->property("fileMark").toBool() ? field->toolTip() : QString();
    }
    // The button a choice shows beside `button` for a value none of its buttons stands for.
    QRadioButton* markBeside(const char* button)
    {
        for (auto* b : find(button)->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)) {
            if (b->property("fileMark").toBool())
                return b;
        }
        return nullptr;
    }
    // Replaces a field's text by typing, as the user does.
    void type(const char* name, const QString& text)
    {
        QTest::keyClick(find(name), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(find(name), text);
    }
    void click(const char* name)
    {
        auto* button = find<QAbstractButton>(name);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }
    // The value of the file's last line setting `variable`, or "-" without one.
    QByteArray valueOf(const QByteArray& variable) const
    {
        QByteArray value = "-";
        for (const QByteArray& line : cfg().split('\n')) {
            if (line.startsWith(variable + " \""))
                value = line.mid(variable.size() + 2).chopped(line.endsWith('\r') ? 2 : 1);
        }
        return value;
    }

    // Each row alone in a file: read, its control shows the value; applied, the line stays. Then,
    // after `head`, every row in one file, last row first (an order no Apply writes in): Apply
    // changes nothing.
    void roundTrip(std::span<const Row> rows, const char* head = nullptr)
    {
        for (const Row& row : rows) {
            for (const auto& [value, expected] : {std::pair{row.a, row.shownA}, std::pair{row.b, row.shownB}}) {
                const QByteArray line = QByteArray(row.variable) + " \"" + value + "\"\n";
                writeCfg(line);
                read();
                EXPECT_EQ(shown(row.control), QLatin1String(expected ? expected : value)) << line.constData();
                ASSERT_TRUE(apply());
                EXPECT_TRUE(cfg().startsWith(crlf(line))) << cfg().constData();
            }
        }
        QByteArray file = head;
        for (auto row = rows.rbegin(); head && row != rows.rend(); ++row)
            file += QByteArray(row->variable) + " \"" + row->a + "\"\n";
        if (head) {
            writeCfg(file);
            read();
            ASSERT_TRUE(apply());
            EXPECT_EQ(cfg(), crlf(file));
        }
        EXPECT_TRUE(dialogs.shown.isEmpty());
    }

    TempDir dir;
    MemorySettings settings;
    FakeDialogs dialogs;
    AppState state{settings, dialogs};
    // The answers of the crosshair's colour dialog, in turn (an invalid colour cancels), and the
    // colour each one started from.
    QList<QColor> colorAnswers;
    QList<QColor> colorAsked;
    ClientOptionsPage client{state, nullptr, [this](const QColor& initial, QWidget*) {
                                 colorAsked.append(initial);
                                 return colorAnswers.isEmpty() ? QColor() : colorAnswers.takeFirst();
                             }};
    ServerOptionsPage server{state};
};
