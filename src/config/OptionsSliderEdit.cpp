#include "config/OptionsSliderEdit.h"

#include "config/OptionsFileMark.h"
#include "config/OptionsLayout.h"
#include "config/OptionsNumberMark.h"
#include "config/OptionsValueRules.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QSlider>

#include <algorithm>
#include <cmath>

OptionsSliderEdit::OptionsSliderEdit(const AppState& state, const Range& range, Rules rules, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
    , m_rules(rules)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(12);
    m_slider = OptionsLayout::slider(row, range.sliderName, range.minimum, range.maximum, range.value);
    if (range.ticks) {
        m_slider->setPageStep(1);
        m_slider->setTickPosition(QSlider::TicksBelow);
    }
    m_edit = OptionsLayout::edit(row, range.editName, QString::number(range.value), range.editChars);
    connect(m_slider, &QSlider::valueChanged, this, &OptionsSliderEdit::sliderMoved);
    connect(m_edit, &QLineEdit::textChanged, this, &OptionsSliderEdit::editChanged);
}

int OptionsSliderEdit::position() const
{
    return m_slider->value();
}

QString OptionsSliderEdit::text() const
{
    return m_edit->text();
}

std::optional<double> OptionsSliderEdit::number(const QString& text) const
{
    if (m_rules.minutes)
        return OptionsValueRules::minutes(text);
    if (const std::optional<int> n = OptionsValueRules::integer(text))
        return *n;
    return std::nullopt;
}

bool OptionsSliderEdit::fits(double n) const
{
    return n >= m_slider->minimum() && n <= m_slider->maximum();
}

bool OptionsSliderEdit::isNumberMarked() const
{
    return OptionsNumberMark::isMarked(m_edit);
}

void OptionsSliderEdit::moveTo(int position)
{
    m_fromEdit = true;
    m_slider->setValue(position); // held to the slider's range
    m_fromEdit = false;
}

void OptionsSliderEdit::showText(const QString& text)
{
    if (m_edit->text() == text)
        editChanged();
    else
        m_edit->setText(text);
}

void OptionsSliderEdit::sliderMoved()
{
    if (!m_fromEdit)
        m_edit->setText(QString::number(m_slider->value()));
    Q_EMIT positionChanged(m_slider->value());
}

void OptionsSliderEdit::editChanged()
{
    const QString text = m_edit->text();
    const std::optional<double> n = number(text);
    const bool marked = m_mark.covers(text);
    // The frame that goes first, then the one that comes: both are the edit's style.
    if (marked) {
        OptionsNumberMark::update(m_state, m_edit, false);
        OptionsFileMark::update(m_edit, m_mark, text);
    } else {
        OptionsFileMark::update(m_edit, m_mark, text);
        OptionsNumberMark::update(m_state, m_edit, !n && !(text.isEmpty() && m_rules.emptyAllowed));
    }
    if (!n)
        return;
    const int whole = static_cast<int>(std::floor(std::min(*n, 1e9)));
    if (!marked && m_rules.typedInRangeOnly && (whole < std::max(1, m_slider->minimum()) || !fits(whole)))
        return;
    moveTo(whole);
}
