#include "OptionPagesFixture.h"
#include "crosshair/CrosshairPreview.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

using Size = CrosshairGeometry::Size;

class CrosshairPageTest : public OptionPagesFixture {
protected:
    CrosshairPageTest()
        : OptionPagesFixture("config.cfg")
    {}
    bool apply() override { return client.apply(); }
    const CrosshairPreview::Look& look() { return control<CrosshairPreview>(client, "CrosshairPreview")->look(); }
    // The colour's own button: the file's colour or the user's.
    QRadioButton* ownColor()
    {
        for (auto* b : find("xc_green")->parentWidget()->findChildren<QRadioButton*>()) {
            if (b->property("ownColor").toBool())
                return b;
        }
        return nullptr;
    }
};

TEST_F(CrosshairPageTest, EachSettingIsReadAndKeptInPlace)
{
    // clang-format off
    const Row rows[] = {
        {"cl_crosshair_color", "xc_red", "250 50 50", "50 250 250", "1", "0"},
        {"cl_crosshair_size", "xs_large", "large", "auto", "1", "0"},
        {"cl_crosshair_translucent", "xt_0", "0", "1", "1", "0"},
        {"cl_dynamiccrosshair", "xd_0", "0", "1", "1", "0"}};
    // clang-format on
    roundTrip(rows, "unbindall\n");
}

// The game's own config.cfg: each control shows its line, the preview draws it, and a change of
// colour writes that one line.
TEST_F(CrosshairPageTest, TheGameWrittenConfigShowsAndAChangeOfColourWritesItsOneLine)
{
    const QByteArray original = TempDir::testData(QStringLiteral("config.cfg"));
    dir.write(state.working.file(), original);
    read();
    EXPECT_EQ(shown({"xc_green", "xs_small", "xt_1", "xd_0"}), QStringLiteral("1 1 1 1"));
    EXPECT_EQ(look().color, QColor(50, 250, 50));
    EXPECT_EQ(look().size, Size::Small);
    EXPECT_TRUE(look().translucent);
    EXPECT_FALSE(look().dynamic);

    const auto expectColorLine = [&](const QByteArray& value) {
        QByteArray expected = original;
        expected.replace("cl_crosshair_color \"50 250 50\"\r\n", "cl_crosshair_color \"" + value + "\"\r\n");
        EXPECT_EQ(cfg(), expected) << value.constData();
    };
    click("xc_cyan");
    EXPECT_EQ(look().color, QColor(50, 250, 250));
    ASSERT_TRUE(apply());
    expectColorLine("50 250 250");

    // Another colour from the dialog, which starts from the colour shown; a cancel changes nothing.
    colorAnswers = {QColor(10, 20, 30), QColor()};
    find<QPushButton>("xc_other")->click();
    EXPECT_EQ(colorAsked, QList<QColor>{QColor(50, 250, 250)});
    EXPECT_EQ(ownColor()->text() + QString::number(ownColor()->isChecked()), QStringLiteral("10 20 301"));
    EXPECT_EQ(look().color, QColor(10, 20, 30));
    find<QPushButton>("xc_other")->click();
    EXPECT_EQ(look().color, QColor(10, 20, 30));
    ASSERT_TRUE(apply());
    expectColorLine("10 20 30");
    EXPECT_EQ(ownColor()->text(), QStringLiteral("10 20 30 (in the file)")) << "read again after Apply";

    // A dialog's answer that is a preset is that preset.
    colorAnswers = {QColor(250, 50, 50)};
    find<QPushButton>("xc_other")->click();
    EXPECT_EQ(shown("xc_red"), QStringLiteral("1"));
    EXPECT_FALSE(ownColor()->isChecked());
    ASSERT_TRUE(apply());
    expectColorLine("250 50 50");
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(CrosshairPageTest, AFileWithoutThemGetsOnlyTheChangedOnesInOrder)
{
    writeCfg("unbindall\n");
    read();
    EXPECT_EQ(shown({"xc_green", "xs_auto", "xt_1", "xd_1"}), QStringLiteral("1 1 1 1"));
    ASSERT_TRUE(apply());
    EXPECT_EQ(cfg(), crlf("unbindall\n")) << "the defaults shown are no change";
    click("xd_0");
    click("xs_large");
    EXPECT_EQ(look().size, Size::Large);
    ASSERT_TRUE(apply());
    EXPECT_EQ(cfg(), crlf("unbindall\ncl_crosshair_size \"large\"\ncl_dynamiccrosshair \"0\"\n"));
}

// A colour none of the presets is, a size in capitals or as a number, a translucency of 2: each
// is marked and kept while another setting is written, and told once after the read.
TEST_F(CrosshairPageTest, ValuesTheControlsCannotShowAreMarkedAndKept)
{
    const QByteArray file = "cl_crosshair_color \"255 0 128\"\ncl_crosshair_size \"SMALL\"\n"
                            "cl_crosshair_translucent \"2\"\ncl_dynamiccrosshair \"1\"\n";
    writeCfg(file);
    read();
    EXPECT_EQ(ownColor()->text(), QStringLiteral("255 0 128 (in the file)"));
    EXPECT_TRUE(ownColor()->isChecked());
    EXPECT_EQ(look().color, QColor(255, 0, 128));
    EXPECT_EQ(markBeside("xs_auto")->text() + markBeside("xt_1")->text(),
              QStringLiteral("SMALL (in the file)2 (in the file)"));
    EXPECT_EQ(look().size, Size::Small) << "the game reads the word in any case";
    click("xd_0");
    ASSERT_TRUE(apply());
    EXPECT_EQ(cfg(), crlf(QByteArray(file).replace("dynamiccrosshair \"1\"", "dynamiccrosshair \"0\"")));
    ASSERT_EQ(warnings().size(), 1);
    EXPECT_TRUE(
        warnings().front().endsWith(QStringLiteral("cl_crosshair_size \"SMALL\"\r\ncl_crosshair_translucent \"2\"")))
        << warnings().front().toStdString();

    writeCfg("cl_crosshair_color \"red\"\n");
    read();
    EXPECT_EQ(ownColor()->text(), QStringLiteral("red (in the file)"));
    EXPECT_EQ(look().color, QColor(50, 250, 50)) << "drawn in the game's default";
    ASSERT_EQ(warnings().size(), 2);
    EXPECT_TRUE(warnings().last().endsWith(QStringLiteral("cl_crosshair_color \"red\"")))
        << warnings().last().toStdString();

    // A file without the colour: its mark goes and nothing is written.
    writeCfg("name \"Gordon\"\n");
    read();
    EXPECT_TRUE(ownColor()->isHidden());
    EXPECT_FALSE(ownColor()->isChecked());
    ASSERT_TRUE(apply());
    EXPECT_EQ(cfg(), crlf("name \"Gordon\"\n"));
}

TEST_F(CrosshairPageTest, ThePreviewSaysWhenTheWeaponHasNoCrosshair)
{
    auto* weapon = control<QComboBox>(client, "xp_weapon");
    for (const auto& [name, scoped] : {std::pair{"AWP", true}, {"G3/SG-1", true}, {"MP5", false}}) {
        weapon->setCurrentIndex(weapon->findText(QLatin1String(name)));
        EXPECT_EQ(control<QLabel>(client, "xp_scoped")->isVisible(), scoped) << name;
    }
    // The state and the ground choose apart.
    click("xp_firing");
    click("xp_sand");
    EXPECT_EQ(shown({"xp_firing", "xp_sand", "xp_still", "xp_corridor"}), QStringLiteral("1 1 0 0"));
    EXPECT_EQ(control<CrosshairPreview>(client, "CrosshairPreview")->view().shots, 3);
}

} // namespace
