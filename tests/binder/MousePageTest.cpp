#include "app/MainFormFixture.h"
#include "binder/BinderPage.h"
#include "binder/KeyLabel.h"
#include "support/Controls.h"

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
        start();
        const BinderPage* page = shownPage<BinderPage>("BinderPage");
        QStringList shown;
        for (const char* name : {"m2", "m3", "m4", "m5", "m1", "m41", "m51"}) {
            if (!control<QLabel>(page, name)->isHidden())
                shown << QString::fromLatin1(name);
        }
        EXPECT_EQ(shown.join(u' '), QString::fromLatin1(row.shown)) << row.buttons;
        const QComboBox* keys = control<QComboBox>(page, "BindKey");
        EXPECT_EQ(keys->findText(u"MOUSE4"_s) >= 0, row.mouse4) << row.buttons;
        EXPECT_EQ(keys->findText(u"MOUSE5"_s) >= 0, row.mouse5) << row.buttons;
    }
}

TEST_F(MainFormTest, ShowingTheBinderPageReadsTheWorkingFileAndSaysSo)
{
    game.write(u"config.cfg"_s, "unbindall\r\nbind \"F5\" \"snapshot\"\r\n");
    TMainForm& main = start();
    control<QTabWidget>(main, "PageControl1")->setCurrentWidget(control<QWidget>(main, "TabSheet4"));
    EXPECT_EQ(control<QLabel>(main, "Status")->text(), u"BINDer >> Create and configurate bindings and aliases"_s);
    EXPECT_EQ(control<KeyLabel>(control<BinderPage>(main, "BinderPage"), "F5")->toolTip(), u"snapshot"_s);
    EXPECT_EQ(game.read(u"config.cfg"_s), "unbindall\r\nbind \"F5\" \"snapshot\"\r\n");
    EXPECT_FALSE(QFile::exists(game.file(u"autoexec.cfg"_s))); // made by the first bind, not by a look
}
