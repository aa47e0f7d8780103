#include "config/ServerOptionsPage.h"

#include "config/AppState.h"
#include "config/OptionsDisableButton.h"
#include "config/OptionsLayout.h"
#include "config/OptionsNumberMark.h"
#include "config/OptionsSpinEdit.h"
#include "config/OptionsValues.h"
#include "platform/Dialogs.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

#include <utility>

using namespace OptionsLayout;
using namespace OptionsValues;

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

bool isZero(const QString& text)
{
    return toInteger(text) == 0;
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
    rtime = edit(r, "rtime", QStringLiteral("3"), 1);
    rtime->setMaxLength(1);
    label(r, "ServerLabel1", "minutes");

    r = row(box(m_column, "ServerBox2", "C4 (bomb) timer duration."));
    TrackBar3 = slider(r, "TrackBar3", 0, 90, 45);
    c4Edit = edit(r, "c4Edit", QStringLiteral("45"), 2);
    c4Edit->setMaxLength(2);

    m_freezeBox = box(m_column, "ServerBox3", "Time of freeze period at the begging of the round",
                      "At this time you can't move, you can just buy ammo&weapons");
    r = row(m_freezeBox);
    freeze = spin(r, "freeze", 0, 60, 6);
    label(r, "ServerLabel2", "sec.");
    r->addStretch(1);

    m_buyTimeBox = box(m_column, "ServerBox4", "The desired amount of buy time for each round",
                       "Designate the desired amount of buy time for each round.\nMin buy time is 1.5 sec. \n"
                       "No max buy time.");
    r = row(m_buyTimeBox);
    MapTime = edit(r, "MapTime", QStringLiteral("1.5"), 5);
    label(r, "ServerLabel3", "sec.");
    r->addStretch(1);

    m_rotationBox = box(m_column, "ServerBox5", "Period between map rotations. ");
    r = row(m_rotationBox);
    rotate = spin(r, "rotate", 0, 120, 0);
    label(r, "ServerLabel4", "min.");
    label(r, "ServerLabel5", "OR");
    rounds = spin(r, "rounds", 0, 200, 0);
    label(r, "ServerLabel6", "rounds");
    periodtext = disableButton(r, "periodtext");
    r->addStretch(1);

    m_restartBox = box(m_column, "ServerBox6",
                       "Time until the game restarts fresh. This will reset all frags, scores, etc to default.");
    r = row(m_restartBox);
    fresh = spin(r, "fresh", 0, 500, 0);
    label(r, "ServerLabel7", "sec");
    freshtext = disableButton(r, "freshtext");
    r->addStretch(1);
}

void ServerOptionsPage::buildTeamOptions()
{
    section(m_column, "ServerSection2", "Team & Players options");

    m_winLimitBox = box(m_column, "ServerBox7", "Cycle the map after one team reaches this many wins. ");
    QHBoxLayout* r = row(m_winLimitBox);
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

    m_teamsBox = box(m_column, "ServerBox11", "Maximum number of players that one team can have over the other");
    r = row(m_teamsBox);
    maxpl = spin(r, "maxpl", 0, 15, 2);
    label(r, "ServerLabel8", "players");
    Players = disableButton(r, "Players");
    r->addStretch(1);

    m_hostageBox = box(m_column, "ServerBox12", "Maximum number of hostages you can kill before server will kick you",
                       "Maximum number of hostages you can kill before server will kick you");
    r = row(m_hostageBox);
    hostag = spin(r, "hostag", 0, 20, 0);
    hdisable = disableButton(r, "hdisable");
    r->addStretch(1);

    r = row(box(m_column, "ServerBox13", "Toggle the chasecam to follow teammates only ", "useful for LAN games"));
    s7_1 = radio(r, "s7_1", "Yes", true);
    s7_0 = radio(r, "s7_0", "No", false);
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

    m_moneyBox =
        box(m_column, "ServerBox17", "The amount of starting money players may have (CS 1.3 only)", "Only in CS 1.3");
    r = row(m_moneyBox);
    money = spin(r, "money", 800, 16000, 800);
    money->setSingleStep(100);
    r->addStretch(1);

    r = row(box(m_column, "ServerBox18", "Player's screen fades to black for the remainder of the round when he dies ",
                "Hud still works normally so player can chat and see the scores, etc"));
    s1_1 = radio(r, "s1_1", "Yes", false);
    s1_0 = radio(r, "s1_0", "No", false);
    r->addStretch(1);
}

void ServerOptionsPage::BitBtn3Click()
{
    ApplyServerOptions();
}

void ServerOptionsPage::TrackBar3Change()
{
    c4Edit->setText(QString::number(TrackBar3->value()));
}

void ServerOptionsPage::c4EditChange()
{
    if (const std::optional<int> n = OptionsNumberMark::check(m_state, c4Edit))
        TrackBar3->setValue(*n); // the slider holds it to its range
}

void ServerOptionsPage::TrackBar4Change()
{
    rtime->setText(QString::number(TrackBar4->value()));
}

void ServerOptionsPage::rtimeChange()
{
    if (const std::optional<int> n = OptionsNumberMark::check(m_state, rtime))
        TrackBar4->setValue(*n);
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
    if (m_rotationBusy)
        return;
    m_rotationBusy = true;
    periodtext->setChecked(false);
    rounds->setFieldText(Zero);
    m_rotationBusy = false;
}

void ServerOptionsPage::roundsChange()
{
    if (m_rotationBusy)
        return;
    m_rotationBusy = true;
    rotate->setFieldText(Zero);
    periodtext->setChecked(false);
    m_rotationBusy = false;
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

bool ServerOptionsPage::readServerPart()
{
    CfgStore& store = m_state.store;

    readPair(store, "mp_flashlight", s6_1, s6_0);
    readPair(store, "mp_fadetoblack", s1_1, s1_0);
    readPair(store, "mp_autokick", s2_1, s2_0);
    readPair(store, "mp_autoteambalance", s3_1, s3_0);
    readPair(store, "mp_friendlyfire", s4_1, s4_0);
    readPair(store, "mp_footsteps", s5_1, s5_0);
    readPair(store, "mp_forcechasecam", s7_1, s7_0);
    readPair(store, "mp_logmessages", s8_1, s8_0);
    if (read(store, "mp_hostagepenalty") == Zero)
        hdisable->setChecked(true);

    for (const auto& [variable, bar] : {std::pair{"mp_c4timer", TrackBar3}, std::pair{"mp_roundtime", TrackBar4}}) {
        const QString value = read(store, variable);
        if (value.isEmpty())
            continue;
        const std::optional<int> n = toInteger(value);
        if (!n)
            return conversionError(m_state, value);
        bar->setValue(*n); // held to the slider's range
        // The edit follows its slider even when the position did not move.
        bar == TrackBar3 ? TrackBar3Change() : TrackBar4Change();
    }

    if (const QString buyTime = m_kept[BuyTime].read(store, "mp_buytime"); !buyTime.isEmpty())
        MapTime->setText(buyTime);
    struct Field {
        const char* variable;
        KeptField kept;
        OptionsSpinEdit* field;
        QRadioButton* disable;
    };
    const Field fields[] = {
        {"mp_startmoney", Money, money, nullptr},          {"mp_freezetime", Freeze, freeze, nullptr},
        {"mp_hostagepenalty", Hostages, hostag, hdisable}, {"mp_winlimit", WinLimit, cycle, cycletext},
        {"mp_limitteams", Teams, maxpl, Players},          {"sv_restartround", Restart, fresh, freshtext},
    };
    for (const Field& f : fields) {
        const QString value = m_kept[f.kept].read(store, f.variable);
        if (value.isEmpty())
            continue;
        f.field->setFieldText(value); // a changed text runs the field's handler
        // A number read into a field that already showed it must uncheck Disable too, or Apply
        // would replace the file's number by "0".
        if (f.disable && value != Zero)
            f.disable->setChecked(false);
    }
    readMapRotation();
    return true;
}

// Read by the rule that writes the pair: both 0 is Disable, anything else shows the numbers.
// Neither field may zero the other meanwhile, or a file holding both would lose one.
void ServerOptionsPage::readMapRotation()
{
    CfgStore& store = m_state.store;
    const QString minutes = m_kept[Rotate].read(store, "mp_timelimit");
    const QString maxRounds = m_kept[Rounds].read(store, "mp_maxrounds");
    if (minutes.isEmpty() && maxRounds.isEmpty())
        return;
    m_rotationBusy = true;
    rotate->setFieldText(minutes.isEmpty() ? Zero : minutes);
    rounds->setFieldText(maxRounds.isEmpty() ? Zero : maxRounds);
    m_rotationBusy = false;
    periodtext->setChecked(isZero(rotate->fieldText()) && isZero(rounds->fieldText()));
}

bool ServerOptionsPage::ApplyServerOptions()
{
    for (const QLineEdit* edit : {c4Edit, rtime}) {
        if (OptionsNumberMark::isMarked(edit))
            return conversionError(m_state, edit->text());
    }
    const std::pair<QString, QGroupBox*> written[] = {
        {MapTime->text(), m_buyTimeBox},
        {money->fieldText(), m_moneyBox},
        {freeze->fieldText(), m_freezeBox},
        {hdisable->isChecked() ? QString() : hostag->fieldText(), m_hostageBox},
        {cycletext->isChecked() ? QString() : cycle->fieldText(), m_winLimitBox},
        {Players->isChecked() ? QString() : maxpl->fieldText(), m_teamsBox},
        {freshtext->isChecked() ? QString() : fresh->fieldText(), m_restartBox},
        {periodtext->isChecked() ? QString() : rotate->fieldText() + rounds->fieldText(), m_rotationBox},
    };
    for (const auto& [text, field] : written) {
        if (!isWritable(text)) {
            m_state.dialogs.error(m_state.message(QStringLiteral("notwritable")).arg(caption(field).trimmed()));
            return false;
        }
    }

    if (!m_state.LoadCfg())
        return false;
    CfgStore& store = m_state.store;

    writePair(store, "mp_flashlight", s6_1, s6_0);
    writePair(store, "mp_fadetoblack", s1_1, s1_0);
    writePair(store, "mp_autokick", s2_1, s2_0);
    writePair(store, "mp_autoteambalance", s3_1, s3_0);
    writePair(store, "mp_friendlyfire", s4_1, s4_0);
    writePair(store, "mp_footsteps", s5_1, s5_0);
    writePair(store, "mp_forcechasecam", s7_1, s7_0);
    writePair(store, "mp_logmessages", s8_1, s8_0);
    if (hdisable->isChecked())
        write(store, "mp_hostagepenalty", Zero);
    write(store, "mp_c4timer", QString::number(TrackBar3->value()));
    write(store, "mp_roundtime", QString::number(TrackBar4->value()));
    m_kept[BuyTime].write(store, "mp_buytime", MapTime->text());
    m_kept[Money].write(store, "mp_startmoney", money->fieldText());
    m_kept[Freeze].write(store, "mp_freezetime", freeze->fieldText());
    m_kept[Hostages].write(store, "mp_hostagepenalty", hdisable->isChecked() ? Zero : hostag->fieldText());
    m_kept[WinLimit].write(store, "mp_winlimit", cycletext->isChecked() ? Zero : cycle->fieldText());
    m_kept[Teams].write(store, "mp_limitteams", Players->isChecked() ? Zero : maxpl->fieldText());
    m_kept[Restart].write(store, "sv_restartround", freshtext->isChecked() ? Zero : fresh->fieldText());
    writeMapRotation();

    return m_state.SaveCfg();
}

// Only one of the two limits is meant to hold a number; with both set, neither is written.
void ServerOptionsPage::writeMapRotation()
{
    CfgStore& store = m_state.store;
    if (periodtext->isChecked()) {
        write(store, "mp_timelimit", Zero);
        write(store, "mp_maxrounds", Zero);
        return;
    }
    // A zero is written as the field shows it ("00" read from the file stays "00").
    if (isZero(rounds->fieldText())) {
        m_kept[Rotate].write(store, "mp_timelimit", rotate->fieldText());
        m_kept[Rounds].write(store, "mp_maxrounds", rounds->fieldText());
    }
    if (isZero(rotate->fieldText())) {
        m_kept[Rounds].write(store, "mp_maxrounds", rounds->fieldText());
        m_kept[Rotate].write(store, "mp_timelimit", rotate->fieldText());
    }
}
