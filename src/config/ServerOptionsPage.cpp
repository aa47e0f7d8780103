#include "config/ServerOptionsPage.h"

#include "config/OptionsDisableButton.h"
#include "config/OptionsFieldSettings.h"
#include "config/OptionsLayout.h"
#include "config/OptionsMapRotation.h"
#include "config/OptionsSliderEdit.h"
#include "config/OptionsSpinEdit.h"
#include "config/OptionsValueRules.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

using namespace OptionsLayout;

namespace {

QRadioButton* disableButton(QHBoxLayout* row, const char* name)
{
    auto* button = new OptionsDisableButton(QStringLiteral("Disable"));
    button->setObjectName(QString::fromLatin1(name));
    button->setChecked(true);
    row->addSpacing(12);
    row->addWidget(button);
    return button;
}

} // namespace

// The page's boxes, each named for the setting it shows.
struct ServerOptionsPage::Boxes {
    // Time options
    QGroupBox *roundTime, *c4Timer, *freezeTime, *buyTime, *mapRotation, *restart;
    // Team & Players options
    QGroupBox *winLimit, *teamBalance, *friendlyFire, *autoKick, *limitTeams, *hostagePenalty, *chaseCam;
    // Other
    QGroupBox *footsteps, *flashlight, *logMessages, *startMoney, *fadeToBlack;
};

ServerOptionsPage::ServerOptionsPage(AppState& state, QWidget* parent)
    : OptionsPage(state, "ServerTitle", "Server options", parent)
{
    buildTable(buildColumn());
    finishColumn("BitBtn3", "Apply server options");
}

// The boxes from the top of the page down, with their captions and hints.
ServerOptionsPage::Boxes ServerOptionsPage::buildColumn()
{
    Boxes b{};
    section("ServerSection1", "Time options");
    b.roundTime = box("ServerBox1", "Round time");
    b.c4Timer = box("ServerBox2", "C4 (bomb) timer duration.");
    b.freezeTime = box("ServerBox3", "Time of freeze period at the begging of the round",
                       "At this time you can't move, you can just buy ammo&weapons");
    b.buyTime = box("ServerBox4", "The desired amount of buy time for each round",
                    "Designate the desired amount of buy time for each round.\nMin buy time is 1.5 sec. \n"
                    "No max buy time.");
    b.mapRotation = box("ServerBox5", "Period between map rotations. ");
    b.restart =
        box("ServerBox6", "Time until the game restarts fresh. This will reset all frags, scores, etc to default.");

    section("ServerSection2", "Team & Players options");
    b.winLimit = box("ServerBox7", "Cycle the map after one team reaches this many wins. ");
    b.teamBalance = box("ServerBox8", "Enable auto balancing of teams?");
    b.friendlyFire = box("ServerBox9", "Enable friendly fire? You will be able to kill your teammates",
                         "You will be able to kill your teammates");
    b.autoKick = box("ServerBox10", "Enable automatic team-killer banning and idle client kicking.");
    b.limitTeams = box("ServerBox11", "Maximum number of players that one team can have over the other");
    b.hostagePenalty = box("ServerBox12", "Maximum number of hostages you can kill before server will kick you",
                           "Maximum number of hostages you can kill before server will kick you");
    b.chaseCam = box("ServerBox13", "Toggle the chasecam to follow teammates only ", "useful for LAN games");

    section("ServerSection3", "Other");
    b.footsteps = box("ServerBox14", "Enable footsteps?");
    b.flashlight = box("ServerBox15", "Allow players use flashlights?");
    b.logMessages = box("ServerBox16", "Logging messages on server:");
    b.startMoney = box("ServerBox17", "The amount of starting money players may have (CS 1.3 only)", "Only in CS 1.3");
    b.fadeToBlack = box("ServerBox18", "Player's screen fades to black for the remainder of the round when he dies ",
                        "Hud still works normally so player can chat and see the scores, etc");
    return b;
}

// Each setting once, with its controls, in the order Apply makes its store calls.
void ServerOptionsPage::buildTable(const Boxes& b)
{
    choice("mp_flashlight", b.flashlight, {{"s6_1", "Allow", "1", true}, {"s6_0", "Disallow", "0"}});
    choice("mp_fadetoblack", b.fadeToBlack, {{"s1_1", "Yes", "1"}, {"s1_0", "No", "0"}});
    choice("mp_autokick", b.autoKick, {{"s2_1", "Enable", "1"}, {"s2_0", "Disable", "0"}});
    choice("mp_autoteambalance", b.teamBalance, {{"s3_1", "Enable", "1", true}, {"s3_0", "Disable", "0"}});
    choice("mp_friendlyfire", b.friendlyFire, {{"s4_1", "Enable", "1"}, {"s4_0", "Disable", "0", true}});
    choice("mp_footsteps", b.footsteps, {{"s5_1", "Enable", "1", true}, {"s5_0", "Disable", "0"}});
    choice("mp_forcechasecam", b.chaseCam,
           {{"s7_1", "Yes", "1", true}, {"s7_0", "No", "0"}, {"s7_2", "Yes, in first person only", "2"}});
    choice("mp_logmessages", b.logMessages, {{"s8_1", "Allow", "1", true}, {"s8_0", "Disallow", "0"}});

    auto* c4 = new OptionsSliderEdit(m_state, {"TrackBar3", 0, 90, 45, "c4Edit", 3}, {});
    row(b.c4Timer)->addWidget(c4, 1);
    m_table.add<SliderSetting>("mp_c4timer", c4);

    QHBoxLayout* r = row(b.roundTime);
    auto* roundTime = new OptionsSliderEdit(m_state, {"TrackBar4", 1, 9, 3, "rtime", 4, true}, {.minutes = true});
    r->addWidget(roundTime, 1);
    label(r, "ServerLabel1", "minutes");
    m_table.add<SliderSetting>("mp_roundtime", roundTime);

    r = row(b.buyTime);
    QLineEdit* buyTime = edit(r, "MapTime", QStringLiteral("1.5"), 5);
    label(r, "ServerLabel3", "min.");
    r->addStretch(1);
    m_table.add<TextSetting>("mp_buytime", buyTime, b.buyTime, TextSetting::Rules{.fits = [](QStringView text) {
                                 return OptionsValueRules::minutes(text).has_value();
                             }});

    r = row(b.startMoney);
    OptionsSpinEdit* money = spin(r, "money", 800, 16000, 800);
    money->setSingleStep(100);
    r->addStretch(1);
    m_table.add<SpinSetting>("mp_startmoney", money);

    r = row(b.freezeTime);
    m_table.add<SpinSetting>("mp_freezetime", spin(r, "freeze", 0, 60, 6));
    label(r, "ServerLabel2", "sec.");
    r->addStretch(1);

    disableField("mp_hostagepenalty", b.hostagePenalty, "hostag", 20, 0, nullptr, nullptr, "hdisable");
    disableField("mp_winlimit", b.winLimit, "cycle", 100, 0, nullptr, nullptr, "cycletext");
    // The team size difference alone takes a typed 0 as Disable.
    disableField("mp_limitteams", b.limitTeams, "maxpl", 15, 2, "ServerLabel8", "players", "Players", true);
    disableField("sv_restartround", b.restart, "fresh", 500, 0, "ServerLabel7", "sec", "freshtext");

    r = row(b.mapRotation);
    OptionsSpinEdit* minutes = spin(r, "rotate", 0, 120, 0);
    label(r, "ServerLabel4", "min.");
    label(r, "ServerLabel5", "OR");
    OptionsSpinEdit* rounds = spin(r, "rounds", 0, 200, 0);
    label(r, "ServerLabel6", "rounds");
    QRadioButton* neither = disableButton(r, "periodtext");
    r->addStretch(1);
    m_table.add<OptionsMapRotation>(minutes, rounds, neither);
}

void ServerOptionsPage::disableField(const char* variable, QGroupBox* box, const char* field, int maximum, int value,
                                     const char* unitName, const char* unit, const char* disable, bool zeroChecks)
{
    QHBoxLayout* r = row(box);
    OptionsSpinEdit* number = spin(r, field, 0, maximum, value);
    if (unitName)
        label(r, unitName, unit);
    QRadioButton* button = disableButton(r, disable);
    r->addStretch(1);
    m_table.add<SpinSetting>(variable, number, SpinSetting::Disable{button, zeroChecks});
}
