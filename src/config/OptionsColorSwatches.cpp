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

QSize OptionsColorSwatches::sizeHint() const
{
    return {static_cast<int>(m_colors.size()) * 24, SwatchHeight + 2};
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
    return handle / 2 + QStyle::sliderPositionFromValue(0, static_cast<int>(m_colors.size()) - 1, i, span, false);
}

int OptionsColorSwatches::swatchWidth() const
{
    if (m_colors.size() < 2)
        return 16;
    const int step = (centreOf(1) - centreOf(0));
    return qBound(6, step - 6, 28);
}

void OptionsColorSwatches::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int w = swatchWidth();
    for (int i = 0; i < m_colors.size(); ++i) {
        const QRect rect(centreOf(i) - w / 2, 1, w, SwatchHeight);
        painter.fillRect(rect, m_colors[i]);
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
    }
}

void OptionsColorSwatches::mousePressEvent(QMouseEvent* event)
{
    const int x = event->position().toPoint().x();
    int nearest = 0;
    for (int i = 1; i < m_colors.size(); ++i) {
        if (std::abs(centreOf(i) - x) < std::abs(centreOf(nearest) - x))
            nearest = i;
    }
    m_slider->setValue(m_slider->minimum() + nearest);
    event->accept();
}
