#pragma once

#include "app/RestoreChooser.h"
#include "support/Controls.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

// Drives the restore window that `window` opened, as the user does.
namespace RestoreChooserDriver {

// The restore window that is open; none once it was answered.
inline RestoreChooser* open(QWidget& window)
{
    for (RestoreChooser* c : window.findChildren<RestoreChooser*>()) {
        if (c->isVisible())
            return c;
    }
    return nullptr;
}

// The lines it offers, in order.
inline QStringList offered(QWidget& window)
{
    QStringList lines;
    for (int i = 0; open(window) && i < control<QListWidget>(open(window), "RestoreList")->count(); ++i)
        lines << control<QListWidget>(open(window), "RestoreList")->item(i)->text();
    return lines;
}

// Answers it with the line in `row`, or Cancel for -1.
inline void answer(QWidget& window, int row)
{
    RestoreChooser* c = open(window);
    ASSERT_NE(c, nullptr);
    if (row >= 0)
        control<QListWidget>(c, "RestoreList")->setCurrentRow(row);
    QTest::mouseClick(control<QPushButton>(c, row < 0 ? "RestoreCancel" : "RestoreChosen"), Qt::LeftButton);
    EXPECT_EQ(open(window), nullptr);
}

} // namespace RestoreChooserDriver
