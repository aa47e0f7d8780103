#include "platform/QtDialogs.h"
#include "platform/QtTranslations.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QLabel>
#include <QLibraryInfo>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

int boldTitleWidth(const QString& title)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(title);
}

TEST(QtDialogs, ABoxIsAsWideAsItsTitleAndItsLinesOfUpToSixtyCharacters)
{
    const QString title = u"Quarvel: the configuration file could not be backed up to the program folder"_s;
    const QString line = u"Open C:\\Games\\Half-Life\\cstrike\\config.cfg in a text editor"_s; // 60 characters
    QMessageBox box;
    QtDialogs::prepareBox(box, QMessageBox::Critical, title, u"Backup failed\n"_s + line, QMessageBox::Ok);
    // The window frame's buttons and icon need about 120 pixels beside the title.
    EXPECT_GE(box.sizeHint().width(), boldTitleWidth(title) + 100);
    box.show(); // a shown box sizes itself anew from its layout
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    EXPECT_GE(box.width(), boldTitleWidth(title) + 100);
    const auto* label = box.findChild<QLabel*>(u"qt_msgbox_label"_s);
    ASSERT_NE(label, nullptr);
    EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(line));
    box.close();

    // A short title leaves a short message as small as before.
    QMessageBox small;
    QtDialogs::prepareBox(small, QMessageBox::Information, u"Quarvel"_s, u"Done"_s, QMessageBox::Ok);
    EXPECT_LT(small.sizeHint().width(), boldTitleWidth(title));
}

QString yesButton()
{
    QMessageBox box;
    QtDialogs::prepareBox(box, QMessageBox::Question, u"Quarvel"_s, u"Replace the file?"_s,
                          QMessageBox::Yes | QMessageBox::No);
    return box.button(QMessageBox::Yes)->text();
}

TEST(QtTranslations, StandardButtonsFollowTheInterfaceLanguage)
{
    ASSERT_TRUE(QtTranslations::use(u"French"_s)) << "Qt's translations are missing: run ./scripts/setup";
    EXPECT_EQ(yesButton(), u"&Oui"_s);
    // Swedish has buttons of its own even where Qt brings none; the French ones go, not stacked.
    EXPECT_TRUE(QtTranslations::use(u"Swedish"_s));
    EXPECT_EQ(yesButton(), u"&Ja"_s);
    ASSERT_TRUE(QtTranslations::use(u"French"_s));
    EXPECT_TRUE(QtTranslations::use(u"Klingon"_s));
    EXPECT_EQ(yesButton(), u"&Yes"_s);
}

} // namespace
