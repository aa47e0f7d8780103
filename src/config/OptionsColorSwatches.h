#pragma once

#include <QColor>
#include <QList>
#include <QWidget>

class QSlider;

// A row of colour swatches drawn under a slider, one under each of its positions; a click on
// a swatch moves the slider there. A mark adds a swatch after them (hatched for no colour).
class OptionsColorSwatches final : public QWidget {
    Q_OBJECT
public:
    OptionsColorSwatches(QSlider* slider, QList<QColor> colors, QWidget* parent = nullptr);

    void setMark(const QColor& color);
    void clearMark();
    bool hasMark() const { return m_hasMark; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // The horizontal centre of the slider's handle at the i-th position, in this widget.
    int centreOf(int i) const;
    int swatchWidth() const;
    int count() const { return static_cast<int>(m_colors.size()) + (m_hasMark ? 1 : 0); }

    QSlider* m_slider;
    QList<QColor> m_colors;
    bool m_hasMark = false;
    QColor m_mark;
};
