#include "online/UpdateArtwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace UpdateArtwork {

namespace {

const QColor Amber(0xf2, 0xa9, 0x2c);
const QColor Steel(0x2b, 0x31, 0x38);

// A globe of meridians and parallels in a square of side `s`, with an arrow whose head stands
// `drop` (0..1) of the way down.
void drawGlobe(QPainter& p, const QRectF& box, qreal drop)
{
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = qMin(box.width(), box.height());
    const QRectF globe(box.center().x() - s * 0.4, box.center().y() - s * 0.4, s * 0.8, s * 0.8);
    p.setPen(QPen(Amber, qMax<qreal>(1.0, s / 24)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(globe);
    p.drawEllipse(globe.adjusted(globe.width() * 0.28, 0, -globe.width() * 0.28, 0));
    p.drawLine(QPointF(globe.left(), globe.center().y()), QPointF(globe.right(), globe.center().y()));
    const qreal y = globe.top() + globe.height() * (0.25 + 0.5 * drop);
    QPainterPath arrow;
    const qreal w = s * 0.16;
    arrow.moveTo(globe.center().x() - w, y - w);
    arrow.lineTo(globe.center().x() + w, y - w);
    arrow.lineTo(globe.center().x(), y + w);
    arrow.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(arrow);
}

QPixmap square(int side, const std::function<void(QPainter&, const QRectF&)>& draw)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p, QRectF(0, 0, side, side));
    return pixmap;
}

} // namespace

QPixmap picture(int width, int height)
{
    QPixmap pixmap(width, height);
    QPainter p(&pixmap);
    QLinearGradient background(0, 0, 0, height);
    background.setColorAt(0, Steel.lighter(140));
    background.setColorAt(1, Steel.darker(140));
    p.fillRect(pixmap.rect(), background);
    drawGlobe(p, QRectF(0, 0, width, height), 0.5);
    return pixmap;
}

QIcon windowIcon()
{
    return QIcon(square(32, [](QPainter& p, const QRectF& box) {
        p.setBrush(Steel);
        p.setPen(Qt::NoPen);
        p.drawRoundedRect(box, 5, 5);
        drawGlobe(p, box, 0.5);
    }));
}

QIcon idleGlyph()
{
    return QIcon(square(16, [](QPainter& p, const QRectF& box) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x2e, 0x8b, 0x3a));
        QPainterPath play;
        play.moveTo(box.left() + 3, box.top() + 2);
        play.lineTo(box.right() - 2, box.center().y());
        play.lineTo(box.left() + 3, box.bottom() - 2);
        play.closeSubpath();
        p.drawPath(play);
    }));
}

QIcon busyGlyph()
{
    return QIcon(square(16, [](QPainter& p, const QRectF& box) {
        p.setPen(QPen(QColor(0xc0, 0x2b, 0x2b), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(box.topLeft() + QPointF(4, 4), box.bottomRight() - QPointF(4, 4));
        p.drawLine(box.topRight() + QPointF(-4, 4), box.bottomLeft() + QPointF(4, -4));
    }));
}

QIcon newsGlyph()
{
    return QIcon(square(16, [](QPainter& p, const QRectF& box) {
        p.setPen(QPen(Steel, 1));
        p.setBrush(Qt::white);
        p.drawRect(box.adjusted(2, 1, -3, -2));
        p.setPen(QPen(Amber, 1.5));
        for (int line = 0; line < 4; ++line)
            p.drawLine(QPointF(5, 4.5 + line * 3), QPointF(box.right() - 6, 4.5 + line * 3));
    }));
}

QList<QIcon> trayFrames()
{
    QList<QIcon> frames;
    for (int i = 0; i < 4; ++i) {
        frames << QIcon(square(32, [i](QPainter& p, const QRectF& box) {
            p.setBrush(Steel);
            p.setPen(Qt::NoPen);
            p.drawRoundedRect(box, 5, 5);
            drawGlobe(p, box, i / 3.0);
        }));
    }
    return frames;
}

} // namespace UpdateArtwork
