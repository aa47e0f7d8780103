#include "config/ClientOptionsPage.h"

#include "config/AppState.h"
#include "config/ClientVariables.h"
#include "config/OptionsChoiceSettings.h"
#include "config/OptionsColorSwatches.h"
#include "config/OptionsCrosshairColor.h"
#include "config/OptionsFieldSettings.h"
#include "config/OptionsLayout.h"
#include "config/OptionsSliderEdit.h"
#include "crosshair/CrosshairPreview.h"

#include <QColorDialog>

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include <array>
#include <functional>
#include <utility>

using namespace OptionsLayout;
namespace Var = ClientVariables;

namespace {

// The words of the smoke-sprite positions.
constexpr std::array<MessageKey, 3> SpriteWords = {Msg::SpritesBest, Msg::SpritesNormal, Msg::SpritesPoor};

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
            return m_state.message(*m_connection.key) + QStringLiteral(" => ") + QLatin1String(m_connection.rate);
        return QListWidgetItem::data(role);
    }

private:
    const AppState& m_state;
    const Var::Connection& m_connection;
};

// Reads the values the crosshair preview draws from, last of the page's settings, and writes
// nothing: a value only the file holds (a size in capitals) is drawn as the game reads it.
class CrosshairFileValues final : public OptionsSetting {
public:
    explicit CrosshairFileValues(std::function<void(const QString& size)> readDone)
        : m_readDone(std::move(readDone))
    {}
    void read(OptionsRead& read) override { m_readDone(read.value(Var::CrosshairSize).text); }
    void addWrites(QList<OptionWrite>&) const override {}

private:
    std::function<void(const QString&)> m_readDone;
};

} // namespace

// The page's boxes, each named for the setting it shows.
struct ClientOptionsPage::Boxes {
    // General options
    QGroupBox *name, *weaponHand, *menus, *autoHelp, *consoleColor, *briefings, *radar, *crosshair, *showWeapon,
        *centerId;
    // Video options
    QGroupBox *shells, *smokeSprites, *smokePuffs, *decals;
    // Other
    QGroupBox *hideFrags, *connection, *observerCrosshair, *ghosts, *crosshairChange;
    // Crosshair
    QGroupBox *crosshairColor, *crosshairSize, *translucent, *dynamic, *preview;
};

ClientOptionsPage::ClientOptionsPage(AppState& state, QWidget* parent, ColorPicker pickColor)
    : OptionsPage(state, "ClientTitle", "Client options", parent)
    , m_pickColor(std::move(pickColor))
{
    if (!m_pickColor) {
        m_pickColor = [](const QColor& initial, QWidget* dialogParent) {
            return QColorDialog::getColor(initial, dialogParent);
        };
    }
    const Boxes boxes = buildColumn();
    buildTable(boxes);
    buildCrosshair(boxes);
    finishColumn("BitBtn5", "Apply client options");
}

// The boxes from the top of the page down, with their captions and hints.
ClientOptionsPage::Boxes ClientOptionsPage::buildColumn()
{
    Boxes b{};
    section("ClientSection1", "General options");
    b.name = box("ClientBox1", "Your name");
    b.weaponHand = box("ClientBox2", "In which hand should you hold your weapon?");
    b.menus = box("ClientBox3", "Use  GUI (graphic) or text menus?",
                  "(also available through the \"Play CS\" > \"Customize\" menu)");
    b.autoHelp = box("ClientBox4", "Use auto-help?", "If you are first time playing CS, you shold use Auto-Help.");
    b.consoleColor =
        box("ClientBox5", "Choose the color of console text and menus:", "Color of Dialog boxes and console text.");
    b.briefings = box("ClientBox6", "Display map briefings after loading new levels?",
                      "Display map briefings after loading new levels");
    b.radar = box("ClientBox7", "Radar:");
    b.crosshair = box("ClientBox8", "Crosshair:");
    b.showWeapon = box("ClientBox9", "Show weapon?");
    b.centerId = box("ClientBox10", "Auto-ID text placement on screen:");

    section("ClientSection2", "Video options");
    b.shells = box("ClientBox11", "Maximum number of shells visible at one time:");
    b.smokeSprites =
        box("ClientBox12", "Complexity of the smoke sprites for the smoke grenade", "Use 0-3, 0 - most realistic");
    b.smokePuffs = box("ClientBox13", "Max. number of smoke puffs at one time",
                       "Use more than 300 if you have a good video card or hight processor frequency.");
    b.decals =
        box("ClientBox14", "Show decales (blood on walls, bullets traces)", "Use ONLY with bad videocard (or low RAM)");

    section("ClientSection3", "Other");
    b.hideFrags =
        box("ClientBox15", "Check Yes to hide all frag/death counts on the Scoreboard but your own, or No to show",
            "Default - Hide");
    b.connection =
        box("ClientBox16", "How much data/information you receive from the server that you are connected to:");
    b.observerCrosshair = box("ClientBox17", "Crosshairs in Observer mode:");
    b.ghosts = box("ClientBox18", "Ghosts when in Observer mode:", "See ghosts when in Observer mode");
    b.crosshairChange = box("ClientBox19", "Change crosshair color with every new game?");

    // The crosshair's boxes in a column of their own, with the preview beside them.
    const QLabel* heading = section("ClientSection4", "Crosshair");
    auto* beside = new QHBoxLayout;
    static_cast<QVBoxLayout*>(heading->parentWidget()->layout())->addLayout(beside);
    auto* settings = new QVBoxLayout;
    auto* previewColumn = new QVBoxLayout;
    beside->addLayout(settings, 1);
    beside->addLayout(previewColumn);
    b.crosshairColor = OptionsLayout::box(settings, "ClientBox20", "Crosshair color:", "Green is the game's own color");
    b.crosshairSize = OptionsLayout::box(settings, "ClientBox21",
                                         "Crosshair size:", "Auto draws it larger from a screen 1024 pixels wide");
    b.translucent = OptionsLayout::box(settings, "ClientBox22", "Translucent crosshair?",
                                       "A translucent crosshair fades on bright ground");
    b.dynamic = OptionsLayout::box(settings, "ClientBox23", "Dynamic crosshair?",
                                   "It widens as you move and jump, and narrows as you crouch");
    settings->addStretch(1);
    b.preview = OptionsLayout::box(previewColumn, "ClientBox24", "How the game draws it:");
    previewColumn->addStretch(1);
    return b;
}

// Each setting once, with its controls, in the order Apply makes its store calls.
void ClientOptionsPage::buildTable(const Boxes& b)
{
    using Presence = PresenceSetting::Choice;
    const QList<QRadioButton*> hand =
        choice(Var::WeaponHand, b.weaponHand, {{"p1_1", "Right", "1", true}, {"p1_0", "Left", "0"}});
    m_weaponHandRight = hand[0];
    m_weaponHandLeft = hand[1];
    choice(Var::Briefings, b.briefings, {{"p2_1", "Yes", "1"}, {"p2_0", "No", "0", true}});
    choice(Var::AutoHelp, b.autoHelp, {{"p3_1", "Yes", "1"}, {"p3_0", "No", "0"}});
    choice(Var::Ghosts, b.ghosts, {{"p4_1", "Visible", "1"}, {"p4_0", "Invisible", "0", true}});
    choice(Var::Menus, b.menus, {{"p5_1", "GUI", "1"}, {"p5_0", "Text", "0"}});
    const QList<QRadioButton*> change =
        radios(b.crosshairChange, {{"c2", "Change", nullptr}, {"RadioButton2", "Don't change", nullptr, true}});
    m_table.add<PresenceSetting>(QList<Presence>{{change[0], Var::CrosshairChange}, {change[1], nullptr}});
    choice(Var::HideFrags, b.hideFrags, {{"p6_1", "Yes", "1"}, {"p6_0", "No", "0", true}});
    choice(Var::ObserverCrosshair, b.observerCrosshair, {{"p7_1", "Enable", "1", true}, {"p7_0", "Disable", "0"}});
    choice(Var::CenterId, b.centerId, {{"p8_1", "Center", "1", true}, {"p8_0", "Bottom left corner", "0"}});
    // Hide wins over Unhide when the file runs both.
    const QList<QRadioButton*> radar = radios(b.radar, {{"p9_0", "Unhide", nullptr, true}, {"p9_1", "Hide", nullptr}});
    m_table.add<PresenceSetting>(QList<Presence>{{radar[0], Var::DrawRadar}, {radar[1], Var::HideRadar}});
    choice(Var::SpriteBlend, b.crosshair, {{"p10_0", "Bold", "0"}, {"p10_1", "Normal", "1", true}});
    const QList<QRadioButton*> weapon =
        choice(Var::ViewModel, b.showWeapon, {{"p11_1", "Yes, show", "1", true}, {"p11_0", "No, hide", "0"}});
    m_showWeapon = weapon[0];
    m_hideWeapon = weapon[1];

    QHBoxLayout* r = row(b.smokeSprites);
    auto* sprites = new OptionsSliderEdit(m_state, {"TrackBar2", 0, 2, 1, "Cedit", 1, true}, {});
    r->addWidget(sprites, 1);
    m_table.add<SliderSetting>(Var::SmokeSprites, sprites);
    m_spriteWord = label(r, "smsprites", "");
    m_spriteWord->setMinimumWidth(m_spriteWord->fontMetrics().horizontalAdvance(QStringLiteral("normal")) + 8);
    showSpriteWord(sprites->position());
    connect(sprites, &OptionsSliderEdit::positionChanged, this, &ClientOptionsPage::showSpriteWord);

    r = row(b.shells);
    m_table.add<SpinSetting>(Var::Shells, spin(r, "c1edit", 1, 500, 300));
    r->addStretch(1);

    // An empty dec_e is no mistake: it leaves the file's decals alone.
    auto* decals = new OptionsSliderEdit(m_state, {"dec_t", 0, Var::MaxDecals, 300, "dec_e", 4},
                                         {.typedInRangeOnly = true, .emptyAllowed = true});
    row(b.decals)->addWidget(decals, 1);
    m_table.add<SliderSetting>(Var::Decals, decals);

    m_nameEdit = new QLineEdit;
    m_nameEdit->setObjectName(QStringLiteral("name"));
    row(b.name)->addWidget(m_nameEdit);
    m_nameSetting =
        m_table.add<TextSetting>(Var::Name, m_nameEdit, b.name, TextSetting::Rules{.emptyWhenMissing = true});

    auto* puffs =
        new OptionsSliderEdit(m_state, {"TrackBar1", 0, 500, 300, "Tracktext", 3}, {.typedInRangeOnly = true});
    row(b.smokePuffs)->addWidget(puffs, 1);
    m_table.add<SliderSetting>(Var::SmokePuffs, puffs, SliderSetting::Rules{.zeroWritesNothing = true});

    m_connectionList = new QListWidget;
    m_connectionList->setObjectName(QStringLiteral("data"));
    m_connectionList->setSelectionMode(QAbstractItemView::SingleSelection);
    QList<QByteArray> rates;
    for (const Var::Connection& connection : Var::Connections) {
        new ConnectionItem(m_state, connection, m_connectionList);
        rates.append(connection.rate);
    }
    row(b.connection)->addWidget(m_connectionList);
    m_table.add<ListSetting>(Var::Rate, m_connectionList, rates);

    QSlider* color = slider(row(b.consoleColor), "Color", 1, 10, 2);
    color->setTickPosition(QSlider::TicksBelow);
    color->setPageStep(1);
    QList<QColor> colors;
    for (const char* rgb : Var::ConsoleColors)
        colors.append(swatchColor(rgb));
    auto* swatches = new OptionsColorSwatches(color, colors);
    row(b.consoleColor)->addWidget(swatches);
    auto* colorMark = new QLabel; // the numbers of a colour none of the swatches is
    colorMark->setTextFormat(Qt::PlainText);
    row(b.consoleColor)->addWidget(colorMark);
    m_table.add<ColorSetting>(Var::ConsoleColor, color, swatches, colorMark,
                              QList<QByteArray>(Var::ConsoleColors.begin(), Var::ConsoleColors.end()));
}

// The crosshair's settings, after every other one, and the preview that shows them.
void ClientOptionsPage::buildCrosshair(const Boxes& b)
{
    // Two presets a row, as the column is narrow.
    QList<QRadioButton*> presets =
        radios(b.crosshairColor, {{"xc_green", "Green", nullptr, true}, {"xc_red", "Red", nullptr}});
    presets += radios(b.crosshairColor, {{"xc_blue", "Blue", nullptr}, {"xc_yellow", "Yellow", nullptr}});
    presets += radios(b.crosshairColor, {{"xc_cyan", "Cyan", nullptr}});
    // The own colour and the button that asks for one close the last row.
    QLayout* rows = b.crosshairColor->layout();
    auto* r = static_cast<QHBoxLayout*>(rows->itemAt(rows->count() - 1)->layout());
    auto* own = new QRadioButton; // the file's colour, or one the user chose
    own->setProperty("ownColor", true);
    r->insertWidget(r->count() - 1, own); // before the row's stretch
    auto* other = new QPushButton(QStringLiteral("Other..."));
    other->setObjectName(QStringLiteral("xc_other"));
    r->insertWidget(r->count() - 1, other);
    QList<CrosshairColorSetting::Preset> table;
    for (qsizetype i = 0; i < presets.size(); ++i)
        table.append({presets[i], Var::CrosshairColors[static_cast<size_t>(i)]});
    m_crosshairColor = m_table.add<CrosshairColorSetting>(Var::CrosshairColor, table, own);
    connect(other, &QPushButton::clicked, this, &ClientOptionsPage::pickCrosshairColor);

    m_crosshairSizes = radios(b.crosshairSize, {{"xs_auto", "Auto", nullptr, true}, {"xs_small", "Small", nullptr}});
    m_crosshairSizes += radios(b.crosshairSize, {{"xs_medium", "Medium", nullptr}, {"xs_large", "Large", nullptr}});
    QList<ChoiceSetting::Choice> sizes;
    for (qsizetype i = 0; i < m_crosshairSizes.size(); ++i)
        sizes.append({m_crosshairSizes[i], Var::CrosshairSizes[static_cast<size_t>(i)]});
    m_table.add<ChoiceSetting>(Var::CrosshairSize, sizes);
    const QList<QRadioButton*> translucent =
        choice(Var::CrosshairTranslucent, b.translucent, {{"xt_1", "Yes", "1", true}, {"xt_0", "No", "0"}});
    m_translucent = translucent[0];
    m_opaque = translucent[1];
    const QList<QRadioButton*> dynamic =
        choice(Var::DynamicCrosshair, b.dynamic, {{"xd_1", "Yes", "1", true}, {"xd_0", "No", "0"}});
    m_dynamic = dynamic[0];
    m_static = dynamic[1];

    m_crosshairPreview = new CrosshairPreview;
    m_crosshairPreview->setObjectName(QStringLiteral("CrosshairPreview"));
    row(b.preview)->addWidget(m_crosshairPreview);
    m_table.add<CrosshairFileValues>([this](const QString& size) {
        m_fileCrosshairSize = size;
        showCrosshair();
    });
    for (QGroupBox* box : {b.crosshairColor, b.crosshairSize, b.translucent, b.dynamic}) {
        for (QRadioButton* button : box->findChildren<QRadioButton*>())
            connect(button, &QRadioButton::toggled, this, &ClientOptionsPage::showCrosshair);
    }
    showCrosshair();
}

void ClientOptionsPage::pickCrosshairColor()
{
    const QColor shown = m_crosshairColor->color();
    const QColor chosen = m_pickColor(shown.isValid() ? shown : QColor(50, 250, 50), this);
    if (chosen.isValid())
        m_crosshairColor->choose(chosen);
    showCrosshair();
}

// What the preview draws follows the buttons; a value only the file holds draws as the game's
// default would.
void ClientOptionsPage::showCrosshair()
{
    CrosshairPreview::Look look;
    if (const QColor color = m_crosshairColor->color(); color.isValid())
        look.color = color;
    look.size = CrosshairGeometry::sizeOf(m_fileCrosshairSize).value_or(look.size);
    for (qsizetype i = 0; i < m_crosshairSizes.size(); ++i) {
        if (m_crosshairSizes[i]->isChecked())
            look.size = static_cast<CrosshairGeometry::Size>(i);
    }
    look.translucent = !m_opaque->isChecked();
    look.dynamic = !m_static->isChecked();
    m_crosshairPreview->show(look);
}

void ClientOptionsPage::showSpriteWord(int position)
{
    m_spriteWord->setText(m_state.message(SpriteWords[static_cast<size_t>(position)]));
}

const KeptText& ClientOptionsPage::readName() const
{
    return m_nameSetting->kept();
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
    for (int i = 0; i < m_connectionList->count(); ++i)
        v.connections << m_connectionList->item(i)->text();
    v.name = m_nameEdit->text();
    v.readName = readName();
    v.hand = pair(m_weaponHandRight, m_weaponHandLeft);
    v.weapon = pair(m_showWeapon, m_hideWeapon);
    return v;
}
