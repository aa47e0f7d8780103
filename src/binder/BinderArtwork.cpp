#include "binder/BinderArtwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace BinderArtwork {

namespace {

const QColor Teal(0, 128, 128);
const QColor Amber(0xff, 0xb0, 0x20);
const QColor Outline(0x40, 0x46, 0x50);

QPixmap transparent(int w, int h)
{
    QPixmap pm(w, h);
    pm.fill(Qt::transparent);
    return pm;
}

void grey(QPainter& p, const QRectF& r)
{
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0, QColor(0xf4, 0xf4, 0xf4));
    g.setColorAt(1, QColor(0xc4, 0xc8, 0xcc));
    p.setBrush(g);
}

// The outline of the left or right button on a body 55 wide: the upper part of the body's
// rounded shape cut at the middle.
QPainterPath buttonShape(bool left, qreal w, qreal h)
{
    QPainterPath body;
    body.addRoundedRect(QRectF(0.5, -20, left ? w * 2 : w * 2, h + 20), 14, 14);
    QPainterPath clip;
    clip.addRect(QRectF(0, 0, w, h));
    QPainterPath path = body.translated(left ? 0 : -w, 0).intersected(clip);
    return path;
}

struct Item {
    const char* label;
    enum Shape { None, Shotgun, Smg, Rifle, Sniper, Machine, Pistol, Grenade, Shield } shape;
};

const Item Items[ItemFrames] = {
    {"BUY", Item::None},      {"M90", Item::Shotgun},     {"XM1014", Item::Shotgun},    {"MP5", Item::Smg},
    {"P90", Item::Smg},       {"MAC10", Item::Smg},       {"TMP", Item::Smg},           {"UMP45", Item::Smg},
    {"AK", Item::Rifle},      {"SG552", Item::Rifle},     {"M4A1", Item::Rifle},        {"AUG", Item::Rifle},
    {"SCOUT", Item::Sniper},  {"MAGNUM", Item::Sniper},   {"G3/SG-1", Item::Sniper},    {"SG-550", Item::Sniper},
    {"PARA", Item::Machine},  {"USP", Item::Pistol},      {"GLOCK", Item::Pistol},      {"DEAGLE", Item::Pistol},
    {"P228", Item::Pistol},   {"BERETTAS", Item::Pistol}, {"FIVE-SEVEN", Item::Pistol}, {"HE", Item::Grenade},
    {"FLASH", Item::Grenade}, {"SMOKE", Item::Grenade},   {"GALIL", Item::Rifle},       {"FAMAS", Item::Rifle},
    {"SHIELD", Item::Shield},
};

// A plain side view of a weapon in the middle of a 100 x 75 tile, made of a few rectangles.
void paintWeapon(QPainter& p, Item::Shape shape, int frame)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe6, 0xea, 0xee));
    const qreal y = 28;
    switch (shape) {
    case Item::None: {
        QPen pen(Amber, 2.5);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(50, 32), 15, 15);
        p.drawLine(QPointF(50, 12), QPointF(50, 24));
        p.drawLine(QPointF(50, 40), QPointF(50, 52));
        p.drawLine(QPointF(30, 32), QPointF(42, 32));
        p.drawLine(QPointF(58, 32), QPointF(70, 32));
        return;
    }
    case Item::Grenade: {
        const QColor body = frame == 23   ? QColor(0x6b, 0x8e, 0x23)
                            : frame == 24 ? QColor(0xd0, 0xd0, 0xd0)
                                          : QColor(0x80, 0x80, 0x90);
        p.setBrush(body);
        p.drawRoundedRect(QRectF(40, 20, 20, 28), 8, 8);
        p.setBrush(QColor(0x50, 0x50, 0x50));
        p.drawRect(QRectF(45, 15, 10, 6));
        p.drawRect(QRectF(55, 16, 9, 3));
        return;
    }
    case Item::Shield: {
        // A tall plate with its rounded top and a viewing slit.
        QPainterPath plate;
        plate.addRoundedRect(QRectF(36, 10, 28, 44), 8, 8);
        p.drawPath(plate);
        p.setBrush(QColor(0x30, 0x30, 0x30));
        p.drawRect(QRectF(41, 20, 18, 4));
        return;
    }
    case Item::Pistol:
        p.drawRect(QRectF(34, y, 32, 7));
        p.drawRect(QRectF(36, y + 7, 9, 14));
        if (frame == 21) { // two of them
            p.setBrush(QColor(0xb0, 0xb4, 0xb8));
            p.drawRect(QRectF(40, y - 9, 32, 7));
        }
        return;
    case Item::Smg:
        p.drawRect(QRectF(28, y, 40, 8));
        p.drawRect(QRectF(68, y + 2, 12, 3));
        p.drawRect(QRectF(38, y + 8, 7, 12));
        p.drawRect(QRectF(52, y + 8, 5, 14));
        p.drawRect(QRectF(18, y + 1, 10, 5));
        return;
    case Item::Shotgun:
        p.drawRect(QRectF(26, y, 34, 7));
        p.drawRect(QRectF(60, y + 1, 28, 3));
        p.drawRect(QRectF(60, y + 4, 22, 3));
        p.drawPolygon(QPolygonF({QPointF(26, y), QPointF(10, y + 4), QPointF(10, y + 12), QPointF(30, y + 7)}));
        return;
    case Item::Rifle:
    case Item::Machine:
        p.drawRect(QRectF(28, y, 36, 8));
        p.drawRect(QRectF(64, y + 2, 24, 3));
        p.drawPolygon(QPolygonF({QPointF(28, y), QPointF(10, y + 3), QPointF(10, y + 13), QPointF(30, y + 8)}));
        p.drawRect(QRectF(36, y + 8, 6, 10));
        if (frame == 27) // the FAMAS carries its handle on top
            p.drawRect(QRectF(34, y - 6, 26, 3));
        if (shape == Item::Machine)
            p.drawRect(QRectF(46, y + 8, 14, 14));
        else
            p.drawPolygon(
                QPolygonF({QPointF(48, y + 8), QPointF(55, y + 8), QPointF(58, y + 20), QPointF(52, y + 21)}));
        return;
    case Item::Sniper:
        p.drawRect(QRectF(28, y, 34, 7));
        p.drawRect(QRectF(62, y + 2, 30, 3));
        p.drawPolygon(QPolygonF({QPointF(28, y), QPointF(8, y + 3), QPointF(8, y + 12), QPointF(30, y + 7)}));
        p.drawRect(QRectF(36, y + 7, 6, 10));
        p.setBrush(QColor(0x30, 0x30, 0x30));
        p.drawRoundedRect(QRectF(36, y - 7, 24, 6), 3, 3);
        return;
    }
}

} // namespace

QPixmap mouseBody(int buttons)
{
    const int w = 55;
    const int h = 77;
    QPixmap pm = transparent(w, h);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Outline, 1.2));
    grey(p, QRectF(0, 0, w, h));
    p.drawRoundedRect(QRectF(0.6, 0.6, w - 1.2, h - 1.2), 22, 26);
    // The two buttons' seam and their lower edge.
    p.drawLine(QPointF(27.5, 1), QPointF(27.5, 32));
    p.drawLine(QPointF(2, 32), QPointF(w - 2, 32));
    if (buttons >= 3) {
        p.setBrush(QColor(0x90, 0x96, 0x9c));
        p.drawRoundedRect(QRectF(21.5, 6, 12, 20), 5, 5);
    }
    if (buttons >= 4) {
        p.setBrush(QColor(0xb8, 0xbc, 0xc0));
        p.drawRoundedRect(QRectF(0.6, 34, 6, 15), 2, 2);
    }
    if (buttons >= 5)
        p.drawRoundedRect(QRectF(0.6, 50, 6, 15), 2, 2);
    return pm;
}

QPixmap middleButton()
{
    QPixmap pm = transparent(17, 25);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Outline, 1));
    p.setBrush(QColor(0x5a, 0x60, 0x68));
    p.drawRoundedRect(QRectF(2.5, 3.5, 12, 18), 5, 5);
    p.setPen(QPen(QColor(0xb0, 0xb4, 0xb8), 1));
    for (int y = 7; y <= 18; y += 3)
        p.drawLine(QPointF(5, y), QPointF(12, y));
    return pm;
}

QPixmap sideButton()
{
    QPixmap pm = transparent(7, 16);
    QPainter p(&pm);
    p.setPen(QPen(Outline, 1));
    p.setBrush(QColor(0xe8, 0xe8, 0xe8));
    p.drawRoundedRect(QRectF(0.5, 0.5, 6, 14), 2, 2);
    return pm;
}

QPixmap overlay(const QString& name, int width, int height, const QColor& fill, bool struck)
{
    QPixmap pm = transparent(width, height);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(fill.darker(140), 1));
    QColor shade = fill;
    shade.setAlpha(215);
    p.setBrush(shade);
    if (name == QLatin1String("MOUSE1") || name == QLatin1String("MOUSE2")) {
        p.drawPath(buttonShape(name == QLatin1String("MOUSE1"), width, height - 0.5));
    } else if (name == QLatin1String("MOUSE3")) {
        p.drawRoundedRect(QRectF(2.5, 3.5, width - 5, height - 7), 5, 5);
    } else if (name.startsWith(QLatin1String("MWHEEL"))) {
        const bool up = name == QLatin1String("MWHEELUP");
        const qreal top = 0.5;
        const qreal bottom = height - 0.5;
        p.drawPolygon(QPolygonF({QPointF(width / 2.0, up ? top : bottom), QPointF(0.5, up ? bottom : top),
                                 QPointF(width - 0.5, up ? bottom : top)}));
    } else {
        p.drawRoundedRect(QRectF(0.5, 0.5, width - 1, height - 1), 2, 2);
    }
    if (struck) {
        p.setPen(QPen(QColor(0x50, 0x58, 0x60), 1.5));
        p.drawLine(QPointF(1.5, height - 1.5), QPointF(width - 1.5, 1.5));
    }
    return pm;
}

QPixmap wheelTrack()
{
    QPixmap pm = transparent(20, 60);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Outline, 1));
    grey(p, QRectF(0, 0, 20, 60));
    p.drawRoundedRect(QRectF(0.5, 0.5, 19, 59), 6, 6);
    p.setPen(QPen(QColor(0x90, 0x96, 0x9c), 1));
    for (int y = 14; y <= 46; y += 4)
        p.drawLine(QPointF(5, y), QPointF(15, y));
    return pm;
}

QPixmap wheelArrow(bool up)
{
    QPixmap pm = transparent(14, 7);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Outline);
    p.drawPolygon(QPolygonF({QPointF(7, up ? 0.5 : 6.5), QPointF(1, up ? 6.5 : 0.5), QPointF(13, up ? 6.5 : 0.5)}));
    return pm;
}

QPixmap itemFrame(int frame)
{
    if (frame < 0 || frame >= ItemFrames)
        frame = 0;
    QPixmap pm(100, 75);
    QPainter p(&pm);
    QLinearGradient g(0, 0, 0, 75);
    g.setColorAt(0, QColor(0x3a, 0x44, 0x52));
    g.setColorAt(1, QColor(0x16, 0x1b, 0x22));
    p.fillRect(pm.rect(), g);
    p.setRenderHint(QPainter::Antialiasing);
    paintWeapon(p, Items[frame].shape, frame);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(10);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Amber);
    p.drawText(QRect(0, 56, 100, 16), Qt::AlignCenter, QString::fromLatin1(Items[frame].label));
    p.setPen(QColor(0x60, 0x6a, 0x78));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, 99, 74));
    return pm;
}

} // namespace BinderArtwork
