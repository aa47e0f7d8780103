#include "binder/KeyLabel.h"

#include <QMouseEvent>
#include <QPainter>

QColor KeyLabel::fill(Mark mark)
{
    switch (mark) {
    case Mark::Here:
        return QColor(0, 128, 128); // teal
    case Mark::Elsewhere:
        return QColor(0xf2, 0xb6, 0x4a); // amber
    case Mark::Replaced:
        return QColor(0xb4, 0xd2, 0xd2); // pale teal
    case Mark::Free:
        break;
    }
    return Qt::white;
}

KeyLabel::KeyLabel(const QString& name, const QString& key, const QString& caption, QWidget* parent)
    : QWidget(parent)
    , m_key(key)
    , m_caption(caption)
{
    setObjectName(name);
    setProperty("mark", QString::fromLatin1(markName(m_mark)));
    if (!inert())
        setCursor(Qt::PointingHandCursor);
}

const char* KeyLabel::markName(Mark mark)
{
    switch (mark) {
    case Mark::Here:
        return "here";
    case Mark::Elsewhere:
        return "elsewhere";
    case Mark::Replaced:
        return "replaced";
    case Mark::Free:
        break;
    }
    return "free";
}

void KeyLabel::setMark(Mark mark)
{
    if (mark == m_mark)
        return;
    m_mark = mark;
    setProperty("mark", QString::fromLatin1(markName(mark)));
    update();
}

void KeyLabel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    // Keys that picture no key of the game are greyed, so that nobody expects them to bind.
    p.fillRect(r, inert() ? QColor(0xd8, 0xd8, 0xd8) : fill(m_mark));
    p.setPen(QColor(0x70, 0x70, 0x70));
    p.drawRect(r);
    QFont f = font();
    f.setPixelSize(9);
    f.setBold(m_mark == Mark::Here || m_mark == Mark::Elsewhere);
    // A bind the game does not keep: its legend is struck through.
    f.setStrikeOut(m_mark == Mark::Replaced);
    p.setFont(f);
    p.setPen(m_mark == Mark::Here       ? QColor(Qt::white)
             : m_mark == Mark::Replaced ? QColor(0x50, 0x58, 0x60)
                                        : QColor(Qt::black));
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
