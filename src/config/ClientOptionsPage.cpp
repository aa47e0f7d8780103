#include "config/ClientOptionsPage.h"

#include "config/AppState.h"
#include "config/OptionsColorSwatches.h"
#include "config/OptionsLayout.h"
#include "config/OptionsNumberMark.h"
#include "config/OptionsSpinEdit.h"
#include "config/OptionsValues.h"
#include "platform/Dialogs.h"

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
using namespace OptionsValues;

namespace {

// `con_color` for the positions 1 to 10 of `Color`; the swatches are drawn in these colours.
constexpr std::array<const char*, 10> ConsoleColors = {
    "0 0 0",   "255 255 255", "191 191 191", "127 0 0", "0 127 0",
    "0 0 127", "255 255 223", "225 225 0",   "0 0 255", "0 127 127",
};
constexpr int ColorFallback = 10;

struct Connection {
    const char* text;
    const char* rate;
};
constexpr std::array<Connection, 6> Connections = {{
    {"14.4 connection => 1500", "1500"},
    {"33.6 connection => 3000", "3000"},
    {"56k modem        => 3500 ", "3500"},
    {"ISDN                  => 5000 ", "5000"},
    {"Faster                 => 8000 ", "8000"},
    {"FASTEST           => 9999", "9999"},
}};

// The message keys of the smoke-sprite words, by position of TrackBar2.
constexpr std::array<const char*, 3> SpriteWords = {"best", "normal", "poor"};

QColor swatchColor(const char* rgb)
{
    const QList<QByteArray> parts = QByteArray(rgb).split(' ');
    return QColor(parts.value(0).toInt(), parts.value(1).toInt(), parts.value(2).toInt());
}

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
    for (const char* rgb : ConsoleColors)
        swatches.append(swatchColor(rgb));
    row(colorBox)->addWidget(new OptionsColorSwatches(Color, swatches));

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

    m_shellsBox = box(m_column, "ClientBox11", "Maximum number of shells visible at one time:");
    QHBoxLayout* r = row(m_shellsBox);
    c1edit = spin(r, "c1edit", 1, 500, 300);
    r->addStretch(1);

    m_spritesBox = box(m_column, "ClientBox12", "Complexity of the smoke sprites for the smoke grenade",
                       "Use 0-3, 0 - most realistic");
    r = row(m_spritesBox);
    TrackBar2 = slider(r, "TrackBar2", 0, 2, 1);
    TrackBar2->setPageStep(1);
    TrackBar2->setTickPosition(QSlider::TicksBelow);
    Cedit = edit(r, "Cedit", QStringLiteral("1"), 1);
    Cedit->setMaxLength(1);
    smsprites = label(r, "smsprites", "");
    smsprites->setText(m_state.message(QString::fromLatin1(SpriteWords[1])));
    smsprites->setMinimumWidth(smsprites->fontMetrics().horizontalAdvance(QStringLiteral("normal")) + 8);

    r = row(box(m_column, "ClientBox13", "Max. number of smoke puffs at one time",
                "Use more than 300 if you have a good video card or hight processor frequency."));
    TrackBar1 = slider(r, "TrackBar1", 0, 500, 300);
    // No length limit on the edit: a longer value read from the file must not be cut short.
    Tracktext = edit(r, "Tracktext", QStringLiteral("300"), 3);

    r = row(box(m_column, "ClientBox14", "Show decales (blood on walls, bullets traces)",
                "Use ONLY with bad videocard (or low RAM)"));
    dec_t = slider(r, "dec_t", 0, 500, 300);
    dec_e = edit(r, "dec_e", QStringLiteral("300"), 3);
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
    for (const Connection& connection : Connections)
        data->addItem(QString::fromUtf8(connection.text));
    data->setSelectionMode(QAbstractItemView::SingleSelection);
    data->setFixedHeight(data->sizeHintForRow(0) * static_cast<int>(Connections.size()) + 2 * data->frameWidth() + 2);
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

void ClientOptionsPage::BitBtn5Click()
{
    ApplyClientOptions();
}

void ClientOptionsPage::TrackBar1Change()
{
    Tracktext->setText(QString::number(TrackBar1->value()));
}

void ClientOptionsPage::TracktextChange()
{
    const std::optional<int> n = OptionsNumberMark::check(m_state, Tracktext);
    if (n && *n >= 1 && *n <= 500)
        TrackBar1->setValue(*n);
}

void ClientOptionsPage::TrackBar2Change()
{
    const int position = TrackBar2->value();
    Cedit->setText(QString::number(position));
    smsprites->setText(m_state.message(QString::fromLatin1(SpriteWords[static_cast<size_t>(position)])));
}

void ClientOptionsPage::CeditChange()
{
    if (const std::optional<int> n = OptionsNumberMark::check(m_state, Cedit))
        TrackBar2->setValue(*n); // the slider holds it to 0..2
}

void ClientOptionsPage::dec_tChange()
{
    dec_e->setText(QString::number(dec_t->value()));
}

void ClientOptionsPage::dec_eChange()
{
    // An empty edit is no mistake: it leaves the file's r_decal alone.
    const std::optional<int> n = OptionsNumberMark::check(m_state, dec_e, OptionsNumberMark::Empty::MeansNothing);
    if (n && *n >= 1 && *n <= 500)
        dec_t->setValue(*n);
}

bool ClientOptionsPage::readClientPart()
{
    CfgStore& store = m_state.store;

    const QString color = read(store, "con_color");
    int position = ColorFallback;
    for (size_t i = 0; i < ConsoleColors.size(); ++i) {
        if (color == QLatin1String(ConsoleColors[i]))
            position = static_cast<int>(i) + 1;
    }
    Color->setValue(position);

    readPair(store, "lefthand", p1_1, p1_0);
    readPair(store, "dm", p2_1, p2_0);
    readPair(store, "ah", p3_1, p3_0);
    readPair(store, "ghosts", p4_1, p4_0);
    readPair(store, "cl_hidefrags", p6_1, p6_0);
    readPair(store, "setinfo vgui_menus", p5_1, p5_0);
    readPair(store, "cl_observercrosshair", p7_1, p7_0);
    readPair(store, "hud_centerid", p8_1, p8_0);

    // These commands take no argument: a line counts whatever it carries. Hide wins over Unhide.
    if (isPresent(store, "drawradar"))
        p9_0->setChecked(true);
    if (isPresent(store, "hideradar"))
        p9_1->setChecked(true);
    readPair(store, "gl_spritesblend", p10_1, p10_0);
    readPair(store, "r_drawviewmodel", p11_1, p11_0);
    if (isPresent(store, "adjust_crosshair"))
        c2->setChecked(true);

    // Each integer is converted before its controls change, so a bad value leaves them alone.
    if (const QString sprites = read(store, "fastsprites"); !sprites.isEmpty()) {
        const std::optional<int> n = toInteger(sprites);
        if (!n)
            return conversionError(m_state, sprites);
        TrackBar2->setValue(*n);
        TrackBar2Change(); // Apply writes Cedit: it follows even when the slider did not move
    }
    if (const QString shells = m_readShells.read(store, "max_shells"); !shells.isEmpty())
        c1edit->setFieldText(shells);
    // Apply writes these sliders' positions, so their edits show the position, a value held to
    // the range included, even when the slider did not move.
    if (const QString decals = read(store, "r_decal"); !decals.isEmpty()) {
        const std::optional<int> n = toInteger(decals);
        if (!n)
            return conversionError(m_state, decals);
        dec_t->setValue(*n);
        dec_tChange();
    }
    if (const QString puffs = read(store, "max_smokepuffs"); !puffs.isEmpty()) {
        const std::optional<int> n = toInteger(puffs);
        if (!n)
            return conversionError(m_state, puffs);
        TrackBar1->setValue(*n);
        TrackBar1Change();
    }

    const QString rate = read(store, "rate");
    for (size_t i = 0; i < Connections.size(); ++i) {
        if (rate == QLatin1String(Connections[i].rate))
            data->setCurrentRow(static_cast<int>(i));
    }
    return true;
}

void ClientOptionsPage::readPlayerName()
{
    name->setText(m_readName.read(m_state.store, "name"));
}

bool ClientOptionsPage::ApplyClientOptions()
{
    for (const QLineEdit* edit : {Tracktext, Cedit, dec_e}) {
        if (OptionsNumberMark::isMarked(edit))
            return conversionError(m_state, edit->text());
    }
    const QString shells = c1edit->fieldText();
    const bool writeShells = shells != QLatin1String("none");
    for (const auto& [text, field] : {std::pair{name->text(), m_nameBox}, std::pair{Cedit->text(), m_spritesBox},
                                      std::pair{writeShells ? shells : QString(), m_shellsBox}}) {
        if (!isWritable(text)) {
            m_state.dialogs.error(m_state.message(QStringLiteral("notwritable")).arg(caption(field).trimmed()));
            return false;
        }
    }

    if (!m_state.LoadCfg())
        return false;
    CfgStore& store = m_state.store;

    writePair(store, "lefthand", p1_1, p1_0);
    writePair(store, "dm", p2_1, p2_0);
    writePair(store, "ah", p3_1, p3_0);
    writePair(store, "ghosts", p4_1, p4_0);
    writePair(store, "setinfo vgui_menus", p5_1, p5_0);
    if (c2->isChecked())
        store.SetCfgVar("adjust_crosshair", "");
    else
        store.DeleteCfgLines("adjust_crosshair");
    writePair(store, "cl_hidefrags", p6_1, p6_0);
    writePair(store, "cl_observercrosshair", p7_1, p7_0);
    writePair(store, "hud_centerid", p8_1, p8_0);
    if (p9_0->isChecked()) {
        store.SetCfgVar("drawradar", "");
        store.DeleteCfgLines("hideradar");
    } else if (p9_1->isChecked()) {
        store.SetCfgVar("hideradar", "");
        store.DeleteCfgLines("drawradar");
    }
    writePair(store, "gl_spritesblend", p10_1, p10_0);
    writePair(store, "r_drawviewmodel", p11_1, p11_0);
    write(store, "fastsprites", Cedit->text());
    if (writeShells)
        m_readShells.write(store, "max_shells", shells);
    if (!dec_e->text().isEmpty())
        write(store, "r_decal", QString::number(dec_t->value()));
    if (!name->text().isEmpty())
        m_readName.write(store, "name", name->text());
    if (TrackBar1->value() != 0)
        write(store, "max_smokepuffs", QString::number(TrackBar1->value()));
    const QList<QListWidgetItem*> selected = data->selectedItems();
    if (!selected.isEmpty())
        store.SetCfgVar("rate", Connections[static_cast<size_t>(data->row(selected.front()))].rate);
    store.SetCfgVar("con_color", ConsoleColors[static_cast<size_t>(Color->value() - 1)]);

    return m_state.SaveCfg();
}
