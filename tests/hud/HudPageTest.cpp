#include "hud/HudPage.h"
#include "HudTestFiles.h"
#include "app/MainFormFixture.h"
#include "history/History.h"
#include "hud/HudSample.h"
#include "hud/JpegEncoder.h"
#include "platform/SettingsStore.h"
#include "support/Controls.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

namespace {

// The main window over a game folder with the game's own digits and radar (no scope), and a
// program folder whose library holds a few entries, each preview of a colour of its own.
class HudPageTest : public MainFormTest {
protected:
    void SetUp() override
    {
        MainFormTest::SetUp();
        digits = HudTestFiles::sprite(16, 8, 1).write();
        radar = HudTestFiles::sprite(8, 8, 2).write();
        scope = HudTestFiles::sprite(4, 4, 1).write();
        program.write(u"huds/3.spr"_s, digits);
        program.write(u"huds/radar2.spr"_s, radar);
        program.write(u"huds/sniper9.spr"_s, scope);
        preview(u"3"_s, 200, 30, 30);
        preview(u"radar2"_s, 30, 200, 30);
        preview(u"sniper9"_s, 30, 30, 200);
        game.write(u"sprites/640hud7.spr"_s, "game's digits");
        game.write(u"sprites/radar640.spr"_s, "game's radar");
    }

    void preview(const QString& entry, int r, int g, int b)
    {
        QByteArray jpeg;
        ASSERT_TRUE(JpegEncoder::encode(HudTestFiles::solid(256, 115, r, g, b), 90, &jpeg));
        program.write(u"huds/"_s + entry + u".jpg"_s, jpeg);
    }

    HudPage* page() const { return shownPage<HudPage>("HudPage"); }
    QComboBox* list(int slot) const
    {
        return control<QComboBox>(page(), slot == 0 ? "hud_changer" : slot == 1 ? "hud_changer1" : "hud_changer2");
    }
    QLabel* preview() const { return control<QLabel>(page(), "hud"); }
    // Picks an entry as the user does.
    void pick(int slot, const QString& entry)
    {
        QComboBox* l = list(slot);
        const int index = l->findText(entry);
        ASSERT_GE(index, 0) << entry.toStdString();
        l->setCurrentIndex(index);
        Q_EMIT l->activated(index);
    }
    void apply() { QTest::mouseClick(control<QPushButton>(page(), "ApplyHud"), Qt::LeftButton); }
    // The colour in the middle of the preview.
    QColor shown() { return preview()->pixmap().toImage().pixelColor(128, 57); }
    static bool near(const QColor& c, int r, int g, int b)
    {
        return qAbs(c.red() - r) < 8 && qAbs(c.green() - g) < 8 && qAbs(c.blue() - b) < 8;
    }
    QStringList errors() const { return dialogs.texts(u"error"_s); }
    QStringList infos() const { return dialogs.texts(u"information"_s); }

    QByteArray digits;
    QByteArray radar;
    QByteArray scope;
};

const QString Confirmation = u"This HUD now set as default in C.S."_s;

TEST_F(HudPageTest, StartUpSelectsTheStoredEntriesWithoutChangingThePicture)
{
    settings.values[u"hud#0"_s] = u"3"_s;
    settings.values[u"hud#1"_s] = u"RADAR2"_s;
    settings.values[u"hud#2"_s] = u"sniper8"_s; // no such entry
    const QImage sample = HudSample::picture().toImage();
    start();
    EXPECT_EQ(list(0)->currentText(), u"3"_s);
    EXPECT_EQ(list(1)->currentText(), u"radar2"_s);
    EXPECT_EQ(list(2)->currentIndex(), -1);
    EXPECT_EQ(preview()->pixmap().toImage(), sample);
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(HudPageTest, PreviewFollowsTheLastPickAndKeepsItWhenAPictureCannotBeRead)
{
    start();
    pick(2, u"sniper9"_s);
    EXPECT_TRUE(near(shown(), 30, 30, 200));
    pick(0, u"3"_s);
    EXPECT_TRUE(near(shown(), 200, 30, 30));

    // A picture larger than the preview is shrunk whole: both ends stay in sight.
    RgbImage wide = HudTestFiles::solid(1024, 230, 200, 30, 30);
    for (int y = 0; y < wide.height; ++y)
        for (int x = 512; x < wide.width; ++x)
            wide.pixels[(y * wide.width + x) * 3] = char(30);
    QByteArray jpeg;
    ASSERT_TRUE(JpegEncoder::encode(wide, 90, &jpeg));
    program.write(u"huds/radar3.jpg"_s, jpeg);
    pick(1, u"radar3"_s);
    const QImage fitted = preview()->pixmap().toImage();
    ASSERT_EQ(fitted.width(), 256);
    EXPECT_NEAR(fitted.height(), 57, 1);
    EXPECT_TRUE(near(fitted.pixelColor(10, 28), 200, 30, 30));
    EXPECT_TRUE(near(fitted.pixelColor(245, 28), 30, 30, 30));

    program.write(u"huds/radar1.jpg"_s, "\xff\xd8\xff\xe0 cut short");
    pick(1, u"radar1"_s); // a damaged picture
    pick(0, u"11"_s);     // no picture at all
    ASSERT_EQ(errors().size(), 2) << errors().join(u'\n').toStdString();
    EXPECT_TRUE(errors()[0].contains(QDir::toNativeSeparators(program.file(u"huds/radar1.jpg"_s))))
        << errors()[0].toStdString();
    EXPECT_TRUE(errors()[1].contains(QDir::toNativeSeparators(program.file(u"huds/11.jpg"_s))))
        << errors()[1].toStdString();
    EXPECT_EQ(preview()->pixmap().toImage(), fitted); // the picture stayed
}

TEST_F(HudPageTest, ApplyInstallsTheSelectedSlotsTellsWhereTheOriginalsAreAndTheyComeBack)
{
    start();
    apply(); // nothing selected: nothing changes
    EXPECT_EQ(infos(), QStringList{Confirmation});
    EXPECT_FALSE(QFileInfo::exists(game.file(u"sprites/640hud7.spr.orig"_s)));
    pick(1, u"radar2"_s);
    apply();
    EXPECT_EQ(game.read(u"sprites/radar640.spr"_s), radar);
    EXPECT_EQ(game.read(u"sprites/640hud7.spr"_s), "game's digits");
    EXPECT_EQ(settings.values.value(u"hud#1"_s), u"radar2"_s);
    EXPECT_FALSE(settings.values.contains(u"hud#0"_s) || settings.values.contains(u"hud#2"_s));
    const QString orig = QDir::toNativeSeparators(game.file(u"sprites/radar640.spr.orig"_s));
    ASSERT_EQ(infos().size(), 2);
    EXPECT_TRUE(infos()[1].startsWith(Confirmation + u"\r\n"_s)) << infos()[1].toStdString();
    EXPECT_TRUE(infos()[1].contains(orig)) << infos()[1].toStdString();

    // All three: the game had no scope, so no line tells of its original; the radar's original
    // stays the game's after a second install.
    pick(0, u"3"_s);
    pick(2, u"sniper9"_s);
    apply();
    EXPECT_EQ(game.read(u"sprites/640hud7.spr"_s), digits);
    EXPECT_EQ(game.read(u"sprites/sniper_scope.spr"_s), scope);
    EXPECT_EQ(game.read(u"sprites/radar640.spr.orig"_s), "game's radar");
    ASSERT_EQ(infos().size(), 3);
    EXPECT_EQ(infos()[2].count(u".orig"_s), 2) << infos()[2].toStdString();
    EXPECT_TRUE(errors().isEmpty()) << errors().join(u'\n').toStdString();

    // The next start selects them again.
    form.reset();
    start();
    EXPECT_EQ(list(0)->currentText(), u"3"_s);
    EXPECT_EQ(list(1)->currentText(), u"radar2"_s);
    EXPECT_EQ(list(2)->currentText(), u"sniper9"_s);
}

TEST_F(HudPageTest, AFailedSlotIsReportedAndRemembersNothing)
{
    QFile::remove(game.file(u"sprites/640hud7.spr"_s));
    QDir().mkpath(game.file(u"sprites/640hud7.spr"_s)); // a folder where the game file belongs
    start();
    pick(0, u"3"_s);
    pick(1, u"radar3"_s); // not in the library
    pick(2, u"sniper9"_s);
    dialogs.shown.clear(); // the previews' errors are not the point here
    apply();
    ASSERT_EQ(errors().size(), 1);
    EXPECT_TRUE(errors()[0].contains(QDir::toNativeSeparators(game.file(u"sprites/640hud7.spr"_s))))
        << errors()[0].toStdString();
    EXPECT_TRUE(errors()[0].contains(QDir::toNativeSeparators(program.file(u"huds/radar3.spr"_s))))
        << errors()[0].toStdString();
    EXPECT_FALSE(settings.values.contains(u"hud#0"_s) || settings.values.contains(u"hud#1"_s));
    EXPECT_EQ(settings.values.value(u"hud#2"_s), u"sniper9"_s);
    EXPECT_EQ(game.read(u"sprites/radar640.spr"_s), "game's radar");
    EXPECT_EQ(game.read(u"sprites/sniper_scope.spr"_s), scope);
    // No confirmation, and the scope had no original to tell of.
    EXPECT_TRUE(infos().isEmpty()) << infos().join(u'\n').toStdString();
}

// Settings that refuse every write, as a read-only registry key or INI file does.
class RefusingSettings final : public SettingsStore {
public:
    QString readText(const QString&) override { return QString(); }
    bool writeText(const QString&, const QString&, QString* error) override
    {
        if (error)
            *error = u"Cannot write the setting: access denied"_s;
        return false;
    }
};

TEST_F(HudPageTest, TheMessagesFollowTheInterfaceLanguageAndAnUnstoredPickIsNoSuccess)
{
    RefusingSettings refusing;
    AppState other(refusing, dialogs);
    other.ProgramDir = program.path();
    other.working.setFolder(game.dirWithSlash());
    const MessageCatalog english;
    for (const auto& [key, text] : english.entries())
        other.messages.setText(key, key == u"hudorig"_s ? u"gardé %1 (%2)"_s : u"défaut"_s);
    HudPage alone(other);
    QComboBox* radarList = control<QComboBox>(alone, "hud_changer1");
    radarList->setCurrentIndex(radarList->findText(u"radar2"_s));
    control<QPushButton>(alone, "ApplyHud")->click();
    // The sprite is in place, but the pick would not come back: no confirmation, the cause shown,
    // and where the original is, in the interface language.
    EXPECT_EQ(game.read(u"sprites/radar640.spr"_s), radar);
    EXPECT_EQ(errors(), QStringList{u"Cannot write the setting: access denied"_s});
    EXPECT_EQ(infos(),
              QStringList{u"gardé %1 (%2)"_s.arg(QDir::toNativeSeparators(game.file(u"sprites/radar640.spr.orig"_s)),
                                                 QDir::toNativeSeparators(game.file(u"sprites/radar640.spr"_s)))});
}

TEST_F(HudPageTest, RestoreBringsBackTheGameFilesAndTheListsFollow)
{
    start();
    pick(0, u"3"_s);
    pick(1, u"radar2"_s);
    pick(2, u"sniper9"_s);
    apply();
    // The install keeps the sprites it replaces, and its box names the way back.
    const QString digitsFile = game.file(u"sprites/640hud7.spr"_s);
    const History history = History::in(program.path());
    ASSERT_EQ(history.versions(digitsFile).size(), 1);
    EXPECT_EQ(history.versions(digitsFile)[0].action, u"HUD install"_s);
    EXPECT_EQ(history.bytes(digitsFile, 1), "game's digits");
    ASSERT_EQ(infos().size(), 1);
    EXPECT_TRUE(infos()[0].contains(u"\"Restore the game's HUDs\" puts it back"_s)) << infos()[0].toStdString();

    const QString radarFile = game.file(u"sprites/radar640.spr"_s);
    ASSERT_TRUE(QFile::setPermissions(radarFile, QFileDevice::ReadOwner));
    QTest::mouseClick(control<QPushButton>(page(), "RestoreHud"), Qt::LeftButton);
    QFile::setPermissions(radarFile, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    ASSERT_EQ(errors().size(), 1);
    const QStringList lines = errors()[0].split(u"\r\n"_s);
    ASSERT_EQ(lines.size(), 3) << errors()[0].toStdString();
    EXPECT_EQ(lines[0], QDir::toNativeSeparators(digitsFile) + u": the game's own file is back"_s);
    EXPECT_TRUE(lines[1].contains(QDir::toNativeSeparators(radarFile)) && lines[1].contains(u"read-only"_s))
        << lines[1].toStdString();
    EXPECT_EQ(lines[2], QDir::toNativeSeparators(game.file(u"sprites/sniper_scope.spr"_s)) +
                            u": nothing to restore (no copy of the game's own file was kept)"_s);
    EXPECT_EQ(game.read(u"sprites/640hud7.spr"_s), "game's digits");
    EXPECT_EQ(game.read(u"sprites/radar640.spr"_s), radar);
    EXPECT_EQ(history.versions(digitsFile)[0].action, u"HUD restore"_s);
    EXPECT_EQ(history.bytes(digitsFile, 1), digits);

    // The restored slot shows the game's own HUD now and at the next start; the others stay.
    EXPECT_EQ(list(0)->currentIndex(), -1);
    EXPECT_EQ(preview()->pixmap().toImage(), HudSample::picture().toImage()) << "no pick's picture is left";
    EXPECT_EQ(settings.values.value(u"hud#0"_s), QString());
    EXPECT_EQ(settings.values.value(u"hud#1"_s), u"radar2"_s);
    form.reset();
    start();
    EXPECT_EQ(list(0)->currentIndex(), -1);
    EXPECT_EQ(list(1)->currentText(), u"radar2"_s);
    EXPECT_EQ(list(2)->currentText(), u"sniper9"_s);

    // Everything restored that can be: an information box, no error.
    dialogs.shown.clear();
    QTest::mouseClick(control<QPushButton>(page(), "RestoreHud"), Qt::LeftButton);
    EXPECT_TRUE(errors().isEmpty() && infos().size() == 1) << errors().join(u'\n').toStdString();
    EXPECT_EQ(game.read(u"sprites/radar640.spr"_s), "game's radar");
    EXPECT_EQ(list(1)->currentIndex(), -1);
}

} // namespace
