#include "crosshair/CrosshairBackdrop.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>

namespace CrosshairBackdrop {

namespace {

void corridor(QPainter& p, double w, double h)
{
    p.fillRect(QRectF(0, 0, w, h), QColor(38, 36, 34));
    // Walls, floor and ceiling run to a far door a little off the centre.
    const QRectF door(w * 0.44, h * 0.38, w * 0.14, h * 0.26);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(58, 54, 48));
    p.drawPolygon(QPolygonF({QPointF(0, h), door.bottomLeft(), door.bottomRight(), QPointF(w, h)}));
    p.setBrush(QColor(24, 24, 28));
    p.drawPolygon(QPolygonF({QPointF(0, 0), door.topLeft(), door.topRight(), QPointF(w, 0)}));
    p.setBrush(QColor(46, 44, 40));
    p.drawPolygon(QPolygonF({QPointF(0, 0), door.topLeft(), door.bottomLeft(), QPointF(0, h)}));
    p.drawPolygon(QPolygonF({QPointF(w, 0), door.topRight(), door.bottomRight(), QPointF(w, h)}));
    p.fillRect(door, QColor(92, 80, 60));
    // A lamp over the door.
    p.fillRect(QRectF(w * 0.47, h * 0.33, w * 0.08, h * 0.02), QColor(200, 190, 150));
}

void sand(QPainter& p, double w, double h)
{
    QLinearGradient sky(0, 0, 0, h * 0.35);
    sky.setColorAt(0, QColor(200, 220, 235));
    sky.setColorAt(1, QColor(235, 235, 225));
    p.fillRect(QRectF(0, 0, w, h * 0.35), sky);
    QLinearGradient ground(0, h * 0.35, 0, h);
    ground.setColorAt(0, QColor(236, 214, 160));
    ground.setColorAt(1, QColor(222, 190, 128));
    p.fillRect(QRectF(0, h * 0.35, w, h * 0.65), ground);
    // A sunlit wall of pale stone behind the centre.
    p.fillRect(QRectF(w * 0.3, h * 0.22, w * 0.45, h * 0.4), QColor(240, 226, 190));
    p.fillRect(QRectF(w * 0.3, h * 0.58, w * 0.45, h * 0.04), QColor(205, 185, 140));
}

void sky(QPainter& p, double w, double h)
{
    QLinearGradient blue(0, 0, 0, h);
    blue.setColorAt(0, QColor(70, 120, 200));
    blue.setColorAt(1, QColor(160, 200, 240));
    p.fillRect(QRectF(0, 0, w, h), blue);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(245, 248, 252));
    for (const QRectF& cloud :
         {QRectF(w * 0.1, h * 0.2, w * 0.25, h * 0.08), QRectF(w * 0.42, h * 0.44, w * 0.3, h * 0.1),
          QRectF(w * 0.65, h * 0.15, w * 0.2, h * 0.07)})
        p.drawEllipse(cloud);
    p.fillRect(QRectF(0, h * 0.9, w, h * 0.1), QColor(70, 80, 60));
}

} // namespace

void paint(QPainter& painter, const QSizeF& size, Kind kind)
{
    painter.save();
    switch (kind) {
    case Kind::Corridor:
        corridor(painter, size.width(), size.height());
        break;
    case Kind::Sand:
        sand(painter, size.width(), size.height());
        break;
    case Kind::Sky:
        sky(painter, size.width(), size.height());
        break;
    }
    painter.restore();
}

} // namespace CrosshairBackdrop
