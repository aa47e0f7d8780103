#include "binder/BinderPage.h"

#include "binder/BinderArtwork.h"
#include "binder/BuyTables.h"
#include "binder/KeyLabel.h"
#include "binder/KeyTable.h"
#include "config/AppState.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>

namespace {

QLabel* label(QWidget* parent, const char* name, const char* text, const QRect& rect)
{
    auto* l = new QLabel(QString::fromUtf8(text), parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setTextFormat(Qt::PlainText);
    l->setGeometry(rect);
    return l;
}

QComboBox* list(QWidget* parent, const char* name, const char* hint, const QRect& rect)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(QString::fromLatin1(name));
    if (hint)
        c->setToolTip(QString::fromUtf8(hint));
    c->setGeometry(rect);
    return c;
}

QFrame* connector(QWidget* parent, const char* name, const QRect& rect)
{
    auto* line = new QFrame(parent);
    line->setObjectName(QString::fromLatin1(name));
    line->setGeometry(rect);
    line->setStyleSheet(QStringLiteral("background: rgb(0, 128, 128);"));
    return line;
}

QLabel* picture(QWidget* parent, const QString& name, const QRect& rect, const QPixmap& pixmap, bool visible)
{
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setGeometry(rect);
    l->setPixmap(pixmap);
    l->setAttribute(Qt::WA_TranslucentBackground);
    l->setVisible(visible);
    return l;
}

// The glyphs of the three small buttons: a tick (bind), a sweep (clear), a cross (remove all).
QIcon glyph(int which)
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(which == 0 ? QColor(0, 128, 128) : which == 1 ? QColor(0x40, 0x46, 0x50) : QColor(0xb0, 0x20, 0x20), 2.4);
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    if (which == 0) {
        p.drawPolyline(QPolygonF({QPointF(2.5, 8.5), QPointF(6.5, 12.5), QPointF(13.5, 3.5)}));
    } else if (which == 1) {
        p.drawEllipse(QPointF(8, 8), 5.5, 5.5);
        p.drawLine(QPointF(4, 12), QPointF(12, 4));
    } else {
        p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
        p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
    }
    return QIcon(pm);
}

QPushButton* smallButton(QWidget* parent, const char* name, const char* hint, int which, const QRect& rect)
{
    auto* b = new QPushButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(QString::fromUtf8(hint));
    b->setIcon(glyph(which));
    b->setGeometry(rect);
    return b;
}

} // namespace

BinderPage::BinderPage(AppState& state, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
{
    setObjectName(QStringLiteral("BinderPage"));
    // The page holds as much as the window's other pages in a fixed space: a smaller type.
    QFont small = font();
    small.setPointSizeF(8);
    setFont(small);
    buildComposer();
    buildKeyboard();
    buildMouse();
    applyMouseButtons(3);
    clearComposer();
    // All four connectors show until the first choice.
    for (QFrame* line : connectors())
        line->show();
    connect(&m_state.working, &WorkingConfig::workingFileChanged, this, &BinderPage::refresh);
}

void BinderPage::translatableEntry(const QString& name, const QString& text,
                                   const std::function<void(const QString&)>& set)
{
    auto* action = new QAction(text, this);
    action->setObjectName(name);
    set(text);
    connect(action, &QAction::changed, this, [action, set] { set(action->text()); });
}

void BinderPage::buildComposer()
{
    label(this, "BinderCaption", "To bind : click on unused key at keyboard (or mouse) and choose bind settings here.",
          QRect(6, 2, 484, 15));

    auto* weapon = new QGroupBox(QStringLiteral("Weapon"), this);
    weapon->setObjectName(QStringLiteral("WeaponBox"));
    weapon->setGeometry(4, 18, 170, 126);
    m_primaryList = list(weapon, "Primary", "Primary weapon", QRect(8, 22, 154, 24));
    m_primaryList->setMaxVisibleItems(17);
    m_secondaryList = list(weapon, "Secondary", "Secondary weapon", QRect(8, 58, 154, 24));
    m_ammoList = list(weapon, "Ammo", "Ammo", QRect(8, 94, 154, 24));
    m_primaryList->addItem(QString());
    m_secondaryList->addItem(QString());
    const QStringList primaries = BuyTables::primaryNames();
    for (int i = 0; i < primaries.size(); ++i) {
        m_primaryList->addItem(primaries[i]);
        translatableEntry(QStringLiteral("PrimaryEntry%1").arg(i + 1), primaries[i],
                          [this, i](const QString& s) { m_primaryList->setItemText(i + 1, s); });
    }
    const QStringList pistols = BuyTables::secondaryNames();
    for (int i = 0; i < pistols.size(); ++i) {
        m_secondaryList->addItem(pistols[i]);
        translatableEntry(QStringLiteral("SecondaryEntry%1").arg(i + 1), pistols[i],
                          [this, i](const QString& s) { m_secondaryList->setItemText(i + 1, s); });
    }
    const QStringList ammo = BuyTables::ammoNames();
    for (int i = 0; i < ammo.size(); ++i) {
        m_ammoList->addItem(ammo[i]);
        translatableEntry(QStringLiteral("AmmoEntry%1").arg(i), ammo[i],
                          [this, i](const QString& s) { m_ammoList->setItemText(i, s); });
    }

    m_primaryConnector = connector(this, "b_primary", QRect(174, 51, 8, 2));
    m_secondaryConnector = connector(this, "b_secondary", QRect(174, 87, 8, 2));
    m_ammoConnector = connector(this, "b_ammo", QRect(174, 123, 8, 2));
    m_itemPicture = new QLabel(this);
    m_itemPicture->setObjectName(QStringLiteral("Image"));
    m_itemPicture->setGeometry(182, 44, 100, 75);
    m_equipmentConnector = connector(this, "b_equip", QRect(282, 81, 8, 2));

    auto* equipment = new QGroupBox(QStringLiteral("Equipment"), this);
    equipment->setObjectName(QStringLiteral("EquipmentBox"));
    equipment->setGeometry(290, 18, 200, 126);
    m_equipmentList = new QListWidget(equipment);
    m_equipmentList->setObjectName(QStringLiteral("Equipment"));
    m_equipmentList->setGeometry(6, 18, 188, 102);
    m_equipmentList->setSelectionMode(QAbstractItemView::NoSelection);
    m_equipmentList->setFocusPolicy(Qt::NoFocus);
    // All seven items stay in sight; a long translated one is cut short rather than scrolled.
    m_equipmentList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_equipmentList->setTextElideMode(Qt::ElideRight);
    const QStringList items = BuyTables::equipmentNames();
    for (int i = 0; i < items.size(); ++i) {
        auto* item = new QListWidgetItem(items[i], m_equipmentList);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
        translatableEntry(QStringLiteral("EquipmentEntry%1").arg(i), items[i],
                          [this, i](const QString& s) { m_equipmentList->item(i)->setText(s); });
    }
    connect(m_equipmentList, &QListWidget::itemChanged, this,
            [this](QListWidgetItem* item) { equipmentToggled(m_equipmentList->row(item)); });

    auto* chat = new QGroupBox(QStringLiteral("Chat && Radio cmds"), this);
    chat->setObjectName(QStringLiteral("ChatBox"));
    chat->setGeometry(4, 146, 296, 70);
    label(chat, "RadioCaption", "Radio:", QRect(8, 22, 96, 18));
    m_radioList = list(chat, "Radio", nullptr, QRect(104, 18, 186, 22));
    m_radioList->setMaxVisibleItems(23);
    const QStringList radio = BuyTables::radioNames();
    for (int i = 0; i < radio.size(); ++i) {
        m_radioList->addItem(radio[i]);
        if (!radio[i].isEmpty())
            translatableEntry(QStringLiteral("RadioEntry%1").arg(i), radio[i],
                              [this, i](const QString& s) { m_radioList->setItemText(i, s); });
    }
    label(chat, "CustomCaption", "Custom message", QRect(8, 46, 96, 18));
    m_chatEdit = new QLineEdit(chat);
    m_chatEdit->setObjectName(QStringLiteral("custommsg"));
    m_chatEdit->setGeometry(104, 43, 92, 22);
    label(chat, "ForCaption", "FOR", QRect(196, 46, 32, 18))->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_chatForList = list(chat, "ForBox", nullptr, QRect(230, 43, 60, 22));
    for (int i = 0; i < 2; ++i) {
        const QString text = QString::fromLatin1(i == 0 ? "Team" : "All");
        m_chatForList->addItem(text);
        translatableEntry(QStringLiteral("ForBoxEntry%1").arg(i), text,
                          [this, i](const QString& s) { m_chatForList->setItemText(i, s); });
    }

    auto* total = new QGroupBox(QStringLiteral("Total price:"), this);
    total->setObjectName(QStringLiteral("PriceBox"));
    total->setGeometry(306, 146, 184, 36);
    auto* dollar = new QLabel(QStringLiteral("$"), total);
    dollar->setGeometry(10, 16, 10, 16);
    m_priceField = new QLineEdit(total);
    m_priceField->setObjectName(QStringLiteral("PRICE"));
    m_priceField->setReadOnly(true);
    m_priceField->setFrame(false);
    m_priceField->setFocusPolicy(Qt::NoFocus);
    m_priceField->setGeometry(22, 15, 150, 18);
    m_priceField->setStyleSheet(QStringLiteral("background: transparent; font-weight: bold;"));

    label(this, "BindCaption", "Bind to key", QRect(308, 184, 100, 12));
    m_keyList = list(this, "BindKey", nullptr, QRect(306, 196, 100, 22));
    m_keyList->setMaxVisibleItems(20);
    QPushButton* bind = smallButton(this, "BindButton", "Bind!", 0, QRect(410, 196, 26, 22));
    QPushButton* clear = smallButton(this, "ClearButton", "Clear", 1, QRect(438, 196, 26, 22));
    QPushButton* removeAll = smallButton(this, "RemoveAllButton", "Remove ALL aliases", 2, QRect(466, 196, 26, 22));

    m_pictureKeys = new QListWidget(this);
    m_pictureKeys->setObjectName(QStringLiteral("AllKeys"));
    m_pictureKeys->hide();

    connect(m_primaryList, &QComboBox::activated, this, [this] { weaponChosen(WeaponList::Primary); });
    connect(m_secondaryList, &QComboBox::activated, this, [this] { weaponChosen(WeaponList::Secondary); });
    connect(m_ammoList, &QComboBox::activated, this, [this] { weaponChosen(WeaponList::Ammo); });
    connect(bind, &QPushButton::clicked, this, &BinderPage::bindChosenKey);
    connect(clear, &QPushButton::clicked, this, &BinderPage::clearComposer);
    connect(removeAll, &QPushButton::clicked, this, &BinderPage::removeAllAliases);
}

void BinderPage::buildKeyboard()
{
    QFont bold = font();
    bold.setBold(true);
    // The caption, then one square and caption for each way a key is drawn, side by side up to
    // the mouse's caption.
    auto* legends = new QWidget(this);
    legends->setGeometry(6, 218, 394, 19);
    auto* row = new QHBoxLayout(legends);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(3);
    QLabel* caption = label(legends, "KeyboardCaption", "Keyboard", QRect());
    caption->setFont(bold);
    row->addWidget(caption);
    row->addSpacing(2);
    const auto legend = [&](const char* name, const char* text, const QColor& fill) {
        auto* square = new QFrame(legends);
        square->setFixedSize(10, 10);
        square->setStyleSheet(QStringLiteral("background: %1; border: 1px solid #707070;").arg(fill.name()));
        row->addWidget(square);
        row->addWidget(label(legends, name, text, QRect()));
        row->addSpacing(2);
    };
    legend("UnusedLegend", "- Unused", KeyLabel::fill(KeyLabel::Mark::Free));
    legend("UsedLegend", "- Used", KeyLabel::fill(KeyLabel::Mark::Here));
    legend("ElsewhereLegend", "- Other file", KeyLabel::fill(KeyLabel::Mark::Elsewhere));
    legend("ReplacedLegend", "- Overridden", KeyLabel::fill(KeyLabel::Mark::Replaced));
    row->addStretch();

    for (const KeyTable::Key& k : KeyTable::keyboard()) {
        auto* key =
            new KeyLabel(QString::fromLatin1(k.name), QString::fromLatin1(k.key), QString::fromUtf8(k.caption), this);
        key->setGeometry(k.rect());
        if (!key->inert())
            connect(key, &KeyLabel::clicked, this, [this, key] { keyClicked(key->key()); });
        m_keyLabels << key;
    }
}

void BinderPage::buildMouse()
{
    QFont bold = font();
    bold.setBold(true);
    label(this, "MouseCaption", "Mouse", QRect(403, 220, 86, 15))->setFont(bold);
    auto* frame = new QFrame(this);
    frame->setGeometry(401, 236, 89, 96);
    frame->setFrameShape(QFrame::StyledPanel);

    const QRect body(405, 251, 55, 77);
    for (int buttons = 2; buttons <= 5; ++buttons)
        m_mouseBodies[size_t(buttons - 2)] =
            picture(this, QStringLiteral("m%1").arg(buttons), body, BinderArtwork::mouseBody(buttons), false);
    const QString wheelHint = QStringLiteral("Scrollbar at the MOUSE");
    picture(this, QStringLiteral("scrollbar"), QRect(466, 237, 20, 60), BinderArtwork::wheelTrack(), true)
        ->setToolTip(wheelHint);
    for (const KeyTable::MouseKey& k : KeyTable::mouseImages()) {
        const QString name = QString::fromLatin1(k.name);
        QPixmap pm = name == QLatin1String("m1")         ? BinderArtwork::middleButton()
                     : name.startsWith(QLatin1Char('m')) ? BinderArtwork::sideButton()
                                                         : BinderArtwork::wheelArrow(name == QLatin1String("scrollup"));
        const bool arrow = !name.startsWith(QLatin1Char('m'));
        QLabel* image = picture(this, name, k.rect(), pm, arrow);
        image->setCursor(Qt::PointingHandCursor);
        image->installEventFilter(this);
        if (arrow)
            image->setToolTip(wheelHint);
        if (name == QLatin1String("m1"))
            m_middleButton = image;
        else if (name == QLatin1String("m41"))
            m_fourthButton = image;
        else if (name == QLatin1String("m51"))
            m_fifthButton = image;
    }
    for (const KeyTable::MouseKey& k : KeyTable::mouseOverlays()) {
        const QString name = QString::fromLatin1(k.name);
        QLabel* overlay = picture(
            this, name, k.rect(),
            BinderArtwork::overlay(name, k.width, k.height, KeyLabel::fill(KeyLabel::Mark::Here), false), false);
        overlay->setCursor(Qt::PointingHandCursor);
        overlay->installEventFilter(this);
        m_overlays.insert(QString::fromLatin1(k.key), overlay);
    }
}

void BinderPage::applyMouseButtons(int buttons)
{
    for (int i = 0; i < int(m_mouseBodies.size()); ++i)
        m_mouseBodies[size_t(i)]->setVisible(buttons == i + 2);
    m_fourthButton->setVisible(buttons == 4 || buttons == 5);
    m_fifthButton->setVisible(buttons == 5);
    m_middleButton->setVisible(buttons >= 3 && buttons <= 5);
    // Free buttons above the body, bound ones above them.
    for (QLabel* image : {m_middleButton, m_fourthButton, m_fifthButton})
        image->raise();
    for (QLabel* overlay : std::as_const(m_overlays))
        overlay->raise();
    m_pictureKeys->clear();
    m_pictureKeys->addItems(KeyTable::bindableKeys(buttons == 4 || buttons == 5 ? buttons : 3));
    fillKeyList();
}

void BinderPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // A window brought back from the task bar shows the page again but changes nothing.
    if (!event->spontaneous())
        refresh();
}

void BinderPage::refresh()
{
    if (isVisible() && isEnabled())
        ReadBinds();
}

bool BinderPage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        auto* image = static_cast<QLabel*>(watched);
        const QString key = m_overlays.key(image);
        // A bound button's overlay unbinds it and selects nothing; one bound elsewhere says where.
        if (key.isEmpty())
            selectMouseKey(image);
        else if (m_standings.value(key).state == KeyStanding::State::Elsewhere)
            keyClicked(key);
        else
            unbindKey(key);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
