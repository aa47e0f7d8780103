#include "config/ClientOptionsPage.h"

#include "config/AppState.h"
#include "config/ClientVariables.h"
#include "config/OptionsChoiceSettings.h"
#include "config/OptionsColorSwatches.h"
#include "config/OptionsFieldSettings.h"
#include "config/OptionsLayout.h"
#include "config/OptionsSpinEdit.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

#include <array>

using namespace OptionsLayout;
namespace Var = ClientVariables;

namespace {

// The message keys of the smoke-sprite words, by position of TrackBar2.
constexpr std::array<const char*, 3> SpriteWords = {"best", "normal", "poor"};

QColor swatchColor(const char* rgb)
{
    const QList<QByteArray> parts = QByteArray(rgb).split(' ');
    return QColor(parts.value(0).toInt(), parts.value(1).toInt(), parts.value(2).toInt());
}

// An entry of the connection list. An entry named by a message key speaks the interface
// language at every look, so the wizard's copy of the list does too.
class ConnectionItem final : public QListWidgetItem {
public:
    ConnectionItem(const AppState& state, const Var::Connection& connection, QListWidget* list)
        : QListWidgetItem(list, UserType)
        , m_state(state)
        , m_connection(connection)
    {
        if (connection.text)
            setText(QString::fromUtf8(connection.text));
    }

    QVariant data(int role) const override
    {
        if (role == Qt::DisplayRole && m_connection.key)
            return m_state.message(QLatin1String(m_connection.key)) + QStringLiteral(" => ") +
                   QLatin1String(m_connection.rate);
        return QListWidgetItem::data(role);
    }

private:
    const AppState& m_state;
    const Var::Connection& m_connection;
};

} // namespace

ClientOptionsPage::ClientOptionsPage(AppState& state, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
{
    m_column = column(this, "ClientTitle", "Client options");
    buildGeneralOptions();
    buildVideoOptions();
    buildOtherOptions();

    BitBtn5 = applyButton(m_column, "BitBtn5", "Apply client options");
    m_column->addStretch(1);
    buildTable();

    connect(BitBtn5, &QPushButton::clicked, this, &ClientOptionsPage::BitBtn5Click);
    connect(TrackBar1, &QSlider::valueChanged, this, &ClientOptionsPage::TrackBar1Change);
    connect(Tracktext, &QLineEdit::textChanged, this, &ClientOptionsPage::TracktextChange);
    connect(TrackBar2, &QSlider::valueChanged, this, &ClientOptionsPage::TrackBar2Change);
    connect(Cedit, &QLineEdit::textChanged, this, &ClientOptionsPage::CeditChange);
    connect(dec_t, &QSlider::valueChanged, this, &ClientOptionsPage::dec_tChange);
    connect(dec_e, &QLineEdit::textChanged, this, &ClientOptionsPage::dec_eChange);
}

void ClientOptionsPage::buildGeneralOptions()
{
    section(m_column, "ClientSection1", "General options");

    m_nameBox = box(m_column, "ClientBox1", "Your name");
    QHBoxLayout* r = row(m_nameBox);
    name = new QLineEdit;
    name->setObjectName(QStringLiteral("name"));
    r->addWidget(name);

    r = row(box(m_column, "ClientBox2", "In which hand should you hold your weapon?"));
    p1_1 = radio(r, "p1_1", "Right", true);
    p1_0 = radio(r, "p1_0", "Left", false);
    r->addStretch(1);

    r = row(box(m_column, "ClientBox3", "Use  GUI (graphic) or text menus?",
                "(also available through the \"Play CS\" > \"Customize\" menu)"));
    p5_1 = radio(r, "p5_1", "GUI", false);
    p5_0 = radio(r, "p5_0", "Text", false);
    r->addStretch(1);

    r = row(
        box(m_column, "ClientBox4", "Use auto-help?", "If you are first time playing CS, you shold use Auto-Help."));
    p3_1 = radio(r, "p3_1", "Yes", false);
    p3_0 = radio(r, "p3_0", "No", false);
    r->addStretch(1);

    QGroupBox* colorBox = box(m_column, "ClientBox5",
                              "Choose the color of console text and menus:", "Color of Dialog boxes and console text.");
    r = row(colorBox);
    Color = slider(r, "Color", 1, 10, 2);
    Color->setTickPosition(QSlider::TicksBelow);
    Color->setPageStep(1);
    QList<QColor> swatches;
    for (const char* rgb : Var::ConsoleColors)
        swatches.append(swatchColor(rgb));
    m_swatches = new OptionsColorSwatches(Color, swatches);
    row(colorBox)->addWidget(m_swatches);
    m_colorMark = new QLabel; // the numbers of a colour none of the swatches is
    m_colorMark->setTextFormat(Qt::PlainText);
    row(colorBox)->addWidget(m_colorMark);

    r = row(box(m_column, "ClientBox6", "Display map briefings after loading new levels?",
                "Display map briefings after loading new levels"));
    p2_1 = radio(r, "p2_1", "Yes", false);
    p2_0 = radio(r, "p2_0", "No", true);
    r->addStretch(1);

    r = row(box(m_column, "ClientBox7", "Radar:"));
    p9_0 = radio(r, "p9_0", "Unhide", true);
    p9_1 = radio(r, "p9_1", "Hide", false);
    r->addStretch(1);

    r = row(box(m_column, "ClientBox8", "Crosshair:"));
    p10_0 = radio(r, "p10_0", "Bold", false);
    p10_1 = radio(r, "p10_1", "Normal", true);
    r->addStretch(1);

    r = row(box(m_column, "ClientBox9", "Show weapon?"));
    p11_1 = radio(r, "p11_1", "Yes, show", true);
    p11_0 = radio(r, "p11_0", "No, hide", false);
    r->addStretch(1);

    r = row(box(m_column, "ClientBox10", "Auto-ID text placement on screen:"));
    p8_1 = radio(r, "p8_1", "Center", true);
    p8_0 = radio(r, "p8_0", "Bottom left corner", false);
    r->addStretch(1);
}

void ClientOptionsPage::buildVideoOptions()
{
    section(m_column, "ClientSection2", "Video options");

    QHBoxLayout* r = row(box(m_column, "ClientBox11", "Maximum number of shells visible at one time:"));
    c1edit = spin(r, "c1edit", 1, 500, 300);
    r->addStretch(1);

    r = row(box(m_column, "ClientBox12", "Complexity of the smoke sprites for the smoke grenade",
                "Use 0-3, 0 - most realistic"));
    TrackBar2 = slider(r, "TrackBar2", 0, 2, 1);
    TrackBar2->setPageStep(1);
    TrackBar2->setTickPosition(QSlider::TicksBelow);
    Cedit = edit(r, "Cedit", QStringLiteral("1"), 1);
    smsprites = label(r, "smsprites", "");
    smsprites->setText(m_state.message(QString::fromLatin1(SpriteWords[1])));
    smsprites->setMinimumWidth(smsprites->fontMetrics().horizontalAdvance(QStringLiteral("normal")) + 8);

    r = row(box(m_column, "ClientBox13", "Max. number of smoke puffs at one time",
                "Use more than 300 if you have a good video card or hight processor frequency."));
    TrackBar1 = slider(r, "TrackBar1", 0, 500, 300);
    // No length limit on the edits: a longer value read from the file must not be cut short.
    Tracktext = edit(r, "Tracktext", QStringLiteral("300"), 3);

    r = row(box(m_column, "ClientBox14", "Show decales (blood on walls, bullets traces)",
                "Use ONLY with bad videocard (or low RAM)"));
    dec_t = slider(r, "dec_t", 0, Var::MaxDecals, 300);
    dec_e = edit(r, "dec_e", QStringLiteral("300"), 4);
}

void ClientOptionsPage::buildOtherOptions()
{
    section(m_column, "ClientSection3", "Other");

    QHBoxLayout* r = row(box(m_column, "ClientBox15",
                             "Check Yes to hide all frag/death counts on the Scoreboard but your own, or No to show",
                             "Default - Hide"));
    p6_1 = radio(r, "p6_1", "Yes", false);
    p6_0 = radio(r, "p6_0", "No", true);
    r->addStretch(1);

    r = row(box(m_column, "ClientBox16",
                "How much data/information you receive from the server that you are connected to:"));
    data = new QListWidget;
    data->setObjectName(QStringLiteral("data"));
    for (const Var::Connection& connection : Var::Connections)
        new ConnectionItem(m_state, connection, data);
    data->setSelectionMode(QAbstractItemView::SingleSelection);
    r->addWidget(data);

    r = row(box(m_column, "ClientBox17", "Crosshairs in Observer mode:"));
    p7_1 = radio(r, "p7_1", "Enable", true);
    p7_0 = radio(r, "p7_0", "Disable", false);
    r->addStretch(1);

    r = row(box(m_column, "ClientBox18", "Ghosts when in Observer mode:", "See ghosts when in Observer mode"));
    p4_1 = radio(r, "p4_1", "Visible", false);
    p4_0 = radio(r, "p4_0", "Invisible", true);
    r->addStretch(1);

    r = row(box(m_column, "ClientBox19", "Change crosshair color with every new game?"));
    c2 = radio(r, "c2", "Change", false);
    RadioButton2 = radio(r, "RadioButton2", "Don't change", true);
    r->addStretch(1);
}

// Each setting once, in the order Apply makes its store calls (and adds missing lines).
void ClientOptionsPage::buildTable()
{
    using Choice = ChoiceSetting::Choice;
    const auto pair = [this](const char* name, QRadioButton* one, QRadioButton* zero) {
        m_table.add<ChoiceSetting>(name, QList<Choice>{{one, "1"}, {zero, "0"}});
    };
    pair(Var::WeaponHand, p1_1, p1_0);
    pair(Var::Briefings, p2_1, p2_0);
    pair(Var::AutoHelp, p3_1, p3_0);
    pair(Var::Ghosts, p4_1, p4_0);
    pair(Var::Menus, p5_1, p5_0);
    m_table.add<PresenceSetting>(QList<PresenceSetting::Choice>{{c2, Var::CrosshairChange}, {RadioButton2, nullptr}});
    pair(Var::HideFrags, p6_1, p6_0);
    pair(Var::ObserverCrosshair, p7_1, p7_0);
    pair(Var::CenterId, p8_1, p8_0);
    // Hide wins over Unhide when the file runs both.
    m_table.add<PresenceSetting>(QList<PresenceSetting::Choice>{{p9_0, Var::DrawRadar}, {p9_1, Var::HideRadar}});
    pair(Var::SpriteBlend, p10_1, p10_0);
    pair(Var::ViewModel, p11_1, p11_0);
    m_sprites = m_table.add<SliderSetting>(m_state, Var::SmokeSprites, TrackBar2, Cedit, SliderSetting::Rules{});
    m_table.add<SpinSetting>(Var::Shells, c1edit);
    // An empty dec_e is no mistake: it leaves the file's decals alone.
    m_decals = m_table.add<SliderSetting>(m_state, Var::Decals, dec_t, dec_e,
                                          SliderSetting::Rules{.typedInRangeOnly = true, .emptyWritesNothing = true});
    m_name = m_table.add<TextSetting>(Var::Name, name, m_nameBox, TextSetting::Rules{.emptyWhenMissing = true});
    m_puffs = m_table.add<SliderSetting>(m_state, Var::SmokePuffs, TrackBar1, Tracktext,
                                         SliderSetting::Rules{.typedInRangeOnly = true, .zeroWritesNothing = true});
    QList<QByteArray> rates;
    for (const Var::Connection& connection : Var::Connections)
        rates.append(connection.rate);
    m_table.add<ListSetting>(Var::Rate, data, rates);
    m_table.add<ColorSetting>(Var::ConsoleColor, Color, m_swatches, m_colorMark,
                              QList<QByteArray>(Var::ConsoleColors.begin(), Var::ConsoleColors.end()));
}

void ClientOptionsPage::BitBtn5Click()
{
    ApplyClientOptions();
}

void ClientOptionsPage::TrackBar1Change()
{
    m_puffs->sliderMoved();
}

void ClientOptionsPage::TracktextChange()
{
    m_puffs->editChanged();
}

void ClientOptionsPage::TrackBar2Change()
{
    m_sprites->sliderMoved();
    smsprites->setText(m_state.message(QString::fromLatin1(SpriteWords[static_cast<size_t>(TrackBar2->value())])));
}

void ClientOptionsPage::CeditChange()
{
    m_sprites->editChanged();
}

void ClientOptionsPage::dec_tChange()
{
    m_decals->sliderMoved();
}

void ClientOptionsPage::dec_eChange()
{
    m_decals->editChanged();
}

void ClientOptionsPage::readClientPart(OptionsRead& read)
{
    m_table.read(read);
}

const KeptText& ClientOptionsPage::readName() const
{
    return m_name->kept();
}

ClientPageView ClientOptionsPage::view() const
{
    const auto question = [this](const char* name) {
        const auto* found = findChild<QGroupBox*>(QLatin1String(name));
        return found ? caption(found) : QString();
    };
    const auto pair = [](const QRadioButton* first, const QRadioButton* second) {
        return ClientPageView::Pair{first->text(), second->text(), first->isChecked(), second->isChecked()};
    };
    ClientPageView v;
    v.connectionQuestion = question("ClientBox16");
    v.nameQuestion = question("ClientBox1");
    v.handQuestion = question("ClientBox2");
    v.weaponQuestion = question("ClientBox9");
    for (int i = 0; i < data->count(); ++i)
        v.connections << data->item(i)->text();
    v.name = name->text();
    v.readName = readName();
    v.hand = pair(p1_1, p1_0);
    v.weapon = pair(p11_1, p11_0);
    return v;
}

bool ClientOptionsPage::ApplyClientOptions()
{
    const OptionsTable::Applied applied = m_table.apply(m_state);
    if (applied == OptionsTable::Applied::Failed)
        return false;
    Q_EMIT this->applied(applied == OptionsTable::Applied::Written);
    return true;
}
