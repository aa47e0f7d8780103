#include "config/ServerOptionsPage.h"

#include "config/AppState.h"
#include "config/OptionsChoiceSettings.h"
#include "config/OptionsDisableButton.h"
#include "config/OptionsFieldSettings.h"
#include "config/OptionsLayout.h"
#include "config/OptionsMapRotation.h"
#include "config/OptionsSpinEdit.h"
#include "config/OptionsValueRules.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

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

const QString Zero = QStringLiteral("0");

} // namespace

ServerOptionsPage::ServerOptionsPage(AppState& state, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
{
    m_column = column(this, "ServerTitle", "Server options");
    buildTimeOptions();
    buildTeamOptions();
    buildOtherOptions();

    BitBtn3 = applyButton(m_column, "BitBtn3", "Apply server options");
    m_column->addStretch(1);
    buildTable();

    connect(BitBtn3, &QPushButton::clicked, this, &ServerOptionsPage::BitBtn3Click);
    connect(TrackBar3, &QSlider::valueChanged, this, &ServerOptionsPage::TrackBar3Change);
    connect(c4Edit, &QLineEdit::textChanged, this, &ServerOptionsPage::c4EditChange);
    connect(TrackBar4, &QSlider::valueChanged, this, &ServerOptionsPage::TrackBar4Change);
    connect(rtime, &QLineEdit::textChanged, this, &ServerOptionsPage::rtimeChange);
    connect(hostag, &OptionsSpinEdit::fieldTextChanged, this, &ServerOptionsPage::hostagChange);
    connect(cycle, &OptionsSpinEdit::fieldTextChanged, this, &ServerOptionsPage::cycleChange);
    connect(maxpl, &OptionsSpinEdit::fieldTextChanged, this, &ServerOptionsPage::maxplChange);
    connect(fresh, &OptionsSpinEdit::fieldTextChanged, this, &ServerOptionsPage::freshChange);
    connect(rotate, &OptionsSpinEdit::fieldTextChanged, this, &ServerOptionsPage::rotateChange);
    connect(rounds, &OptionsSpinEdit::fieldTextChanged, this, &ServerOptionsPage::roundsChange);
    // `pressed` comes before the button checks itself, from the mouse and from the keyboard.
    connect(hdisable, &QRadioButton::pressed, this, &ServerOptionsPage::hdisableMouseDown);
    connect(cycletext, &QRadioButton::pressed, this, &ServerOptionsPage::cycletextMouseDown);
    connect(Players, &QRadioButton::pressed, this, &ServerOptionsPage::PlayersMouseDown);
    connect(freshtext, &QRadioButton::pressed, this, &ServerOptionsPage::freshtextMouseDown);
    connect(periodtext, &QRadioButton::pressed, this, &ServerOptionsPage::periodtextMouseDown);
}

void ServerOptionsPage::buildTimeOptions()
{
    section(m_column, "ServerSection1", "Time options");

    QHBoxLayout* r = row(box(m_column, "ServerBox1", "Round time"));
    TrackBar4 = slider(r, "TrackBar4", 1, 9, 3);
    TrackBar4->setPageStep(1);
    TrackBar4->setTickPosition(QSlider::TicksBelow);
    // No length limits: a longer value read from the file must not be cut short.
    rtime = edit(r, "rtime", QStringLiteral("3"), 4);
    label(r, "ServerLabel1", "minutes");

    r = row(box(m_column, "ServerBox2", "C4 (bomb) timer duration."));
    TrackBar3 = slider(r, "TrackBar3", 0, 90, 45);
    c4Edit = edit(r, "c4Edit", QStringLiteral("45"), 3);

    r = row(box(m_column, "ServerBox3", "Time of freeze period at the begging of the round",
                "At this time you can't move, you can just buy ammo&weapons"));
    freeze = spin(r, "freeze", 0, 60, 6);
    label(r, "ServerLabel2", "sec.");
    r->addStretch(1);

    m_buyTimeBox = box(m_column, "ServerBox4", "The desired amount of buy time for each round",
                       "Designate the desired amount of buy time for each round.\nMin buy time is 1.5 sec. \n"
                       "No max buy time.");
    r = row(m_buyTimeBox);
    MapTime = edit(r, "MapTime", QStringLiteral("1.5"), 5);
    label(r, "ServerLabel3", "min.");
    r->addStretch(1);

    r = row(box(m_column, "ServerBox5", "Period between map rotations. "));
    rotate = spin(r, "rotate", 0, 120, 0);
    label(r, "ServerLabel4", "min.");
    label(r, "ServerLabel5", "OR");
    rounds = spin(r, "rounds", 0, 200, 0);
    label(r, "ServerLabel6", "rounds");
    periodtext = disableButton(r, "periodtext");
    r->addStretch(1);

    r = row(box(m_column, "ServerBox6",
                "Time until the game restarts fresh. This will reset all frags, scores, etc to default."));
    fresh = spin(r, "fresh", 0, 500, 0);
    label(r, "ServerLabel7", "sec");
    freshtext = disableButton(r, "freshtext");
    r->addStretch(1);
}

void ServerOptionsPage::buildTeamOptions()
{
    section(m_column, "ServerSection2", "Team & Players options");

    QHBoxLayout* r = row(box(m_column, "ServerBox7", "Cycle the map after one team reaches this many wins. "));
    cycle = spin(r, "cycle", 0, 100, 0);
    cycletext = disableButton(r, "cycletext");
    r->addStretch(1);

    r = row(box(m_column, "ServerBox8", "Enable auto balancing of teams?"));
    s3_1 = radio(r, "s3_1", "Enable", true);
    s3_0 = radio(r, "s3_0", "Disable", false);
    r->addStretch(1);

    r = row(box(m_column, "ServerBox9", "Enable friendly fire? You will be able to kill your teammates",
                "You will be able to kill your teammates"));
    s4_1 = radio(r, "s4_1", "Enable", false);
    s4_0 = radio(r, "s4_0", "Disable", true);
    r->addStretch(1);

    r = row(box(m_column, "ServerBox10", "Enable automatic team-killer banning and idle client kicking."));
    s2_1 = radio(r, "s2_1", "Enable", false);
    s2_0 = radio(r, "s2_0", "Disable", false);
    r->addStretch(1);

    r = row(box(m_column, "ServerBox11", "Maximum number of players that one team can have over the other"));
    maxpl = spin(r, "maxpl", 0, 15, 2);
    label(r, "ServerLabel8", "players");
    Players = disableButton(r, "Players");
    r->addStretch(1);

    r = row(box(m_column, "ServerBox12", "Maximum number of hostages you can kill before server will kick you",
                "Maximum number of hostages you can kill before server will kick you"));
    hostag = spin(r, "hostag", 0, 20, 0);
    hdisable = disableButton(r, "hdisable");
    r->addStretch(1);

    r = row(box(m_column, "ServerBox13", "Toggle the chasecam to follow teammates only ", "useful for LAN games"));
    s7_1 = radio(r, "s7_1", "Yes", true);
    s7_0 = radio(r, "s7_0", "No", false);
    s7_2 = radio(r, "s7_2", "Yes, in first person only", false);
    r->addStretch(1);
}

void ServerOptionsPage::buildOtherOptions()
{
    section(m_column, "ServerSection3", "Other");

    QHBoxLayout* r = row(box(m_column, "ServerBox14", "Enable footsteps?"));
    s5_1 = radio(r, "s5_1", "Enable", true);
    s5_0 = radio(r, "s5_0", "Disable", false);
    r->addStretch(1);

    r = row(box(m_column, "ServerBox15", "Allow players use flashlights?"));
    s6_1 = radio(r, "s6_1", "Allow", true);
    s6_0 = radio(r, "s6_0", "Disallow", false);
    r->addStretch(1);

    r = row(box(m_column, "ServerBox16", "Logging messages on server:"));
    s8_1 = radio(r, "s8_1", "Allow", true);
    s8_0 = radio(r, "s8_0", "Disallow", false);
    r->addStretch(1);

    r = row(
        box(m_column, "ServerBox17", "The amount of starting money players may have (CS 1.3 only)", "Only in CS 1.3"));
    money = spin(r, "money", 800, 16000, 800);
    money->setSingleStep(100);
    r->addStretch(1);

    r = row(box(m_column, "ServerBox18", "Player's screen fades to black for the remainder of the round when he dies ",
                "Hud still works normally so player can chat and see the scores, etc"));
    s1_1 = radio(r, "s1_1", "Yes", false);
    s1_0 = radio(r, "s1_0", "No", false);
    r->addStretch(1);
}

// Each setting once, in the order Apply makes its store calls (and adds missing lines).
void ServerOptionsPage::buildTable()
{
    using Choice = ChoiceSetting::Choice;
    const auto pair = [this](const char* name, QRadioButton* one, QRadioButton* zero) {
        m_table.add<ChoiceSetting>(name, QList<Choice>{{one, "1"}, {zero, "0"}});
    };
    pair("mp_flashlight", s6_1, s6_0);
    pair("mp_fadetoblack", s1_1, s1_0);
    pair("mp_autokick", s2_1, s2_0);
    pair("mp_autoteambalance", s3_1, s3_0);
    pair("mp_friendlyfire", s4_1, s4_0);
    pair("mp_footsteps", s5_1, s5_0);
    m_table.add<ChoiceSetting>("mp_forcechasecam", QList<Choice>{{s7_1, "1"}, {s7_0, "0"}, {s7_2, "2"}});
    pair("mp_logmessages", s8_1, s8_0);
    m_c4 = m_table.add<SliderSetting>(m_state, "mp_c4timer", TrackBar3, c4Edit, SliderSetting::Rules{});
    m_roundTime =
        m_table.add<SliderSetting>(m_state, "mp_roundtime", TrackBar4, rtime, SliderSetting::Rules{.minutes = true});
    m_table.add<TextSetting>("mp_buytime", MapTime, m_buyTimeBox, TextSetting::Rules{.fits = [](QStringView text) {
                                 return OptionsValueRules::minutes(text).has_value();
                             }});
    m_table.add<SpinSetting>("mp_startmoney", money);
    m_table.add<SpinSetting>("mp_freezetime", freeze);
    m_table.add<SpinSetting>("mp_hostagepenalty", hostag, hdisable);
    m_table.add<SpinSetting>("mp_winlimit", cycle, cycletext);
    m_table.add<SpinSetting>("mp_limitteams", maxpl, Players);
    m_table.add<SpinSetting>("sv_restartround", fresh, freshtext);
    m_rotation = m_table.add<OptionsMapRotation>(rotate, rounds, periodtext);
}

void ServerOptionsPage::BitBtn3Click()
{
    ApplyServerOptions();
}

void ServerOptionsPage::TrackBar3Change()
{
    m_c4->sliderMoved();
}

void ServerOptionsPage::c4EditChange()
{
    m_c4->editChanged();
}

void ServerOptionsPage::TrackBar4Change()
{
    m_roundTime->sliderMoved();
}

void ServerOptionsPage::rtimeChange()
{
    m_roundTime->editChanged();
}

void ServerOptionsPage::hostagChange()
{
    hdisable->setChecked(false);
}

void ServerOptionsPage::cycleChange()
{
    cycletext->setChecked(false);
}

void ServerOptionsPage::freshChange()
{
    freshtext->setChecked(false);
}

void ServerOptionsPage::maxplChange()
{
    Players->setChecked(false);
    if (maxpl->fieldText() == Zero)
        Players->setChecked(true);
}

void ServerOptionsPage::rotateChange()
{
    m_rotation->minutesChanged();
}

void ServerOptionsPage::roundsChange()
{
    m_rotation->roundsChanged();
}

void ServerOptionsPage::hdisableMouseDown()
{
    hostag->setFieldText(Zero);
}

void ServerOptionsPage::cycletextMouseDown()
{
    cycle->setFieldText(Zero);
}

void ServerOptionsPage::PlayersMouseDown()
{
    maxpl->setFieldText(Zero);
}

void ServerOptionsPage::freshtextMouseDown()
{
    fresh->setFieldText(Zero);
}

void ServerOptionsPage::periodtextMouseDown()
{
    rotate->setFieldText(Zero);
    rounds->setFieldText(Zero);
}

void ServerOptionsPage::readServerPart(OptionsRead& read)
{
    m_table.read(read);
}

bool ServerOptionsPage::ApplyServerOptions()
{
    const OptionsTable::Applied applied = m_table.apply(m_state);
    if (applied == OptionsTable::Applied::Failed)
        return false;
    Q_EMIT this->applied(applied == OptionsTable::Applied::Written);
    return true;
}
