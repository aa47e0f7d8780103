#include "config/OptionsColorSwatches.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>

#include <cstdlib>
#include <utility>

namespace {
constexpr int SwatchHeight = 16;
}

OptionsColorSwatches::OptionsColorSwatches(QSlider* slider, QList<QColor> colors, QWidget* parent)
    : QWidget(parent)
    , m_slider(slider)
    , m_colors(std::move(colors))
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setCursor(Qt::PointingHandCursor);
}

void OptionsColorSwatches::setMark(const QColor& color)
{
    m_hasMark = true;
    m_mark = color;
    update();
}

void OptionsColorSwatches::clearMark()
{
    m_hasMark = false;
    update();
}

QSize OptionsColorSwatches::sizeHint() const
{
    return {count() * 24, SwatchHeight + 2};
}

QSize OptionsColorSwatches::minimumSizeHint() const
{
    return sizeHint();
}

int OptionsColorSwatches::centreOf(int i) const
{
    QStyleOptionSlider option;
    option.initFrom(m_slider);
    option.orientation = Qt::Horizontal;
    const int handle = m_slider->style()->pixelMetric(QStyle::PM_SliderLength, &option, m_slider);
    // The slider sits right above this row with the same left edge and width.
    const int span = width() - handle;
    return handle / 2 + QStyle::sliderPositionFromValue(0, count() - 1, i, span, false);
}

int OptionsColorSwatches::swatchWidth() const
{
    if (count() < 2)
        return 16;
    const int step = (centreOf(1) - centreOf(0));
    return qBound(6, step - 6, 28);
}

void OptionsColorSwatches::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int w = swatchWidth();
    for (int i = 0; i < count(); ++i) {
        const QRect rect(centreOf(i) - w / 2, 1, w, SwatchHeight);
        if (i < m_colors.size())
            painter.fillRect(rect, m_colors[i]);
        else if (m_mark.isValid())
            painter.fillRect(rect, m_mark);
        else
            painter.fillRect(rect, QBrush(palette().color(QPalette::Text), Qt::BDiagPattern));
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
    }
}

void OptionsColorSwatches::mousePressEvent(QMouseEvent* event)
{
    const int x = event->position().toPoint().x();
    int nearest = 0;
    for (int i = 1; i < count(); ++i) {
        if (std::abs(centreOf(i) - x) < std::abs(centreOf(nearest) - x))
            nearest = i;
    }
    m_slider->setValue(m_slider->minimum() + nearest);
    event->accept();
}
