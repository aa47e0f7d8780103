#include "app/MainFormFixture.h"
#include "binder/BinderPage.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QTabWidget>

using namespace Qt::StringLiterals;

TEST_F(MainFormTest, MouseButtonSettingChoosesThePictureAndTheKeysOffered)
{
    const struct {
        const char* buttons;
        const char* shown; // the mouse images shown, by name, in the order below
        bool mouse4;
        bool mouse5;
    } rows[] = {{"2", "m2", false, false}, {"4", "m4 m1 m41", true, false}, {"7", "", false, false}};
    for (const auto& row : rows) {
        settings.values[u"mouse_btns"_s] = QString::fromLatin1(row.buttons);
        BinderPage* page = start().binderPage;
        QStringList shown;
        for (QLabel* image : {page->m2, page->m3, page->m4, page->m5, page->m1, page->m41, page->m51}) {
            if (!image->isHidden())
                shown << image->objectName();
        }
        EXPECT_EQ(shown.join(u' '), QString::fromLatin1(row.shown)) << row.buttons;
        EXPECT_EQ(page->BindKey->findText(u"MOUSE4"_s) >= 0, row.mouse4) << row.buttons;
        EXPECT_EQ(page->BindKey->findText(u"MOUSE5"_s) >= 0, row.mouse5) << row.buttons;
    }
}

TEST_F(MainFormTest, ShowingTheBinderPageReadsTheWorkingFileAndSaysSo)
{
    game.write(u"config.cfg"_s, "unbindall\r\nbind \"F5\" \"snapshot\"\r\n");
    TMainForm& main = start();
    main.PageControl1->setCurrentWidget(main.TabSheet4);
    EXPECT_EQ(main.Status->text(), u"BINDer >> Create and configurate bindings and aliases"_s);
    EXPECT_EQ(main.binderPage->findChild<QWidget*>(u"F5"_s)->toolTip(), u"snapshot"_s);
    EXPECT_EQ(game.read(u"config.cfg"_s), "unbindall\r\nbind \"F5\" \"snapshot\"\r\n");
    EXPECT_FALSE(QFile::exists(game.file(u"autoexec.cfg"_s))); // made by the first bind, not by a look
}
