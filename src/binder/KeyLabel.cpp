#include "binder/KeyLabel.h"

#include <QMouseEvent>
#include <QPainter>

const QColor KeyLabel::UsedColor(0, 128, 128);
const QColor KeyLabel::UnusedColor(255, 255, 255);

KeyLabel::KeyLabel(const QString& name, const QString& key, const QString& caption, QWidget* parent)
    : QWidget(parent)
    , m_key(key)
    , m_caption(caption)
    , m_color(UnusedColor)
{
    setObjectName(name);
    if (!inert())
        setCursor(Qt::PointingHandCursor);
}

void KeyLabel::setColor(const QColor& color)
{
    if (color == m_color)
        return;
    m_color = color;
    update();
}

void KeyLabel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    // Keys that picture no key of the game are greyed, so that nobody expects them to bind.
    p.fillRect(r, inert() ? QColor(0xd8, 0xd8, 0xd8) : m_color);
    p.setPen(QColor(0x70, 0x70, 0x70));
    p.drawRect(r);
    QFont f = font();
    f.setPixelSize(9);
    f.setBold(used());
    p.setFont(f);
    p.setPen(used() ? Qt::white : Qt::black);
    p.drawText(rect(), Qt::AlignCenter, m_caption);
}

void KeyLabel::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void KeyLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click && !inert())
        Q_EMIT clicked();
}
