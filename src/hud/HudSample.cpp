#include "hud/HudSample.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace HudSample {

QPixmap picture()
{
    // A scene seen through the game with its HUD: sky and sand, the radar up left, health,
    // armour and money along the bottom in the HUD's amber.
    QPixmap pm(256, 115);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 115);
    sky.setColorAt(0, QColor(96, 140, 190));
    sky.setColorAt(0.55, QColor(200, 205, 200));
    sky.setColorAt(0.56, QColor(176, 150, 100));
    sky.setColorAt(1, QColor(120, 96, 60));
    p.fillRect(pm.rect(), sky);

    const QColor amber(255, 170, 40);
    p.setPen(QPen(amber, 1.5));
    p.setBrush(QColor(30, 60, 30, 140));
    p.drawEllipse(QRectF(6, 6, 44, 44));
    p.drawLine(QPointF(28, 8), QPointF(28, 48));
    p.drawLine(QPointF(8, 28), QPointF(48, 28));
    p.setBrush(amber);
    p.drawEllipse(QPointF(28, 28), 2, 2);
    p.drawEllipse(QPointF(38, 18), 1.6, 1.6);

    // Crosshair in the middle.
    p.setPen(QPen(QColor(80, 255, 80), 1.5));
    for (const QLineF& l :
         {QLineF(128, 48, 128, 54), QLineF(128, 62, 128, 68), QLineF(118, 58, 124, 58), QLineF(132, 58, 138, 58)})
        p.drawLine(l);

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(15);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::NoPen);
    p.setBrush(amber);
    // Health: a cross; armour: a shield.
    p.drawRect(QRectF(10, 96, 12, 4));
    p.drawRect(QRectF(14, 92, 4, 12));
    QPainterPath shield;
    shield.moveTo(66, 92);
    shield.lineTo(78, 92);
    shield.lineTo(78, 98);
    shield.lineTo(72, 105);
    shield.lineTo(66, 98);
    shield.closeSubpath();
    p.drawPath(shield);
    p.setPen(amber);
    p.drawText(QRectF(25, 90, 40, 18), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("100"));
    p.drawText(QRectF(81, 90, 40, 18), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("100"));
    p.drawText(QRectF(160, 72, 90, 18), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("$ 16000"));
    p.drawText(QRectF(160, 90, 90, 18), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("30 | 90"));
    return pm;
}

QIcon applyGlyph()
{
    // A sprite sheet's corner with a tick: these pictures go into the game.
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x40, 0x46, 0x50), 1));
    p.setBrush(QColor(255, 170, 40));
    p.drawRect(QRectF(1.5, 1.5, 9, 9));
    QPen tick(QColor(0, 128, 0), 2.4);
    tick.setCapStyle(Qt::RoundCap);
    p.setPen(tick);
    p.drawPolyline(QPolygonF({QPointF(5.5, 10.5), QPointF(8.5, 13.5), QPointF(14.5, 5.5)}));
    return QIcon(pm);
}

} // namespace HudSample
