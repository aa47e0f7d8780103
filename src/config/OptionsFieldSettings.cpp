#include "config/OptionsFieldSettings.h"

#include "config/AppState.h"
#include "config/OptionsFileMark.h"
#include "config/OptionsLayout.h"
#include "config/OptionsNumberMark.h"
#include "config/OptionsSpinEdit.h"
#include "config/OptionsValueRules.h"
#include "config/TextCodec.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>

#include <cmath>
#include <utility>

TextSetting::TextSetting(const char* name, QLineEdit* edit, QGroupBox* box, Rules rules)
    : m_name(name)
    , m_edit(edit)
    , m_box(box)
    , m_rules(std::move(rules))
    , m_first(edit->text())
{
    QObject::connect(edit, &QLineEdit::textChanged, edit, [this] { showMark(); });
}

void TextSetting::showMark()
{
    OptionsFileMark::update(m_edit, m_mark, m_edit->text());
}

void TextSetting::read(OptionsRead& read)
{
    const OptionsRead::Value v = read.value(m_name);
    if (!v.found) {
        if (m_rules.emptyWhenMissing)
            m_edit->clear();
        else if (m_mark.covers(m_edit->text()))
            m_edit->setText(m_first);
        m_mark = {};
        showMark();
        return;
    }
    const QString text = m_kept.take(v.bytes);
    const bool fits = !m_rules.fits || m_rules.fits(text);
    m_mark = fits ? FileMark{} : read.mark(m_name, text);
    if (!fits)
        read.reportBad(m_name, text);
    m_edit->setText(text);
    showMark();
}

void TextSetting::addWrites(QList<OptionWrite>& writes) const
{
    const QString text = m_edit->text();
    if (text.isEmpty() || m_mark.covers(text))
        writes.append(OptionWrite::keep(m_name));
    else
        writes.append(OptionWrite::set(m_name, m_kept.bytesFor(text)));
}

QString TextSetting::refusal(const AppState& state) const
{
    if (TextCodec::isWritable(m_edit->text()))
        return QString();
    return state.message(QStringLiteral("notwritable")).arg(OptionsLayout::caption(m_box).trimmed());
}

SpinSetting::SpinSetting(const char* name, OptionsSpinEdit* field, QRadioButton* disable)
    : m_name(name)
    , m_field(field)
    , m_disable(disable)
    , m_first(field->fieldText())
{
    QObject::connect(field, &OptionsSpinEdit::fieldTextChanged, field, [this] { showMark(); });
}

void SpinSetting::showMark()
{
    OptionsFileMark::update(m_field, m_mark, m_field->fieldText());
}

void SpinSetting::show(OptionsRead& read, const OptionsRead::Value& value)
{
    if (!value.found) {
        if (m_mark.covers(m_field->fieldText())) {
            m_mark = {};
            m_field->setFieldText(m_first);
        }
        m_mark = {};
        showMark();
        return;
    }
    const QString text = m_kept.take(value.bytes);
    const std::optional<int> n = OptionsValueRules::integer(text);
    const bool fits = n && *n >= m_field->minimum() && *n <= m_field->maximum();
    m_mark = fits ? FileMark{} : read.mark(m_name, text);
    if (!fits)
        read.reportBad(m_name, text);
    m_field->setFieldText(text); // a changed text runs the field's handler
    // After the handler: a number read into a field that already showed it must uncheck Disable
    // too, or Apply would stand for "0".
    if (m_disable)
        m_disable->setChecked(text == QLatin1String("0"));
    showMark();
}

OptionWrite SpinSetting::write() const
{
    if (m_disable && m_disable->isChecked())
        return OptionWrite::set(m_name, "0");
    const QString text = m_field->fieldText();
    if (m_mark.covers(text))
        return OptionWrite::keep(m_name);
    return OptionWrite::set(m_name, m_kept.bytesFor(text));
}

SliderSetting::SliderSetting(const AppState& state, const char* name, QSlider* slider, QLineEdit* edit, Rules rules)
    : m_state(state)
    , m_name(name)
    , m_slider(slider)
    , m_edit(edit)
    , m_rules(rules)
{}

std::optional<double> SliderSetting::number(const QString& text) const
{
    if (m_rules.minutes)
        return OptionsValueRules::minutes(text);
    if (const std::optional<int> n = OptionsValueRules::integer(text))
        return *n;
    return std::nullopt;
}

bool SliderSetting::fits(double n) const
{
    return n >= m_slider->minimum() && n <= m_slider->maximum();
}

void SliderSetting::moveSlider(int position)
{
    m_fromEdit = true;
    m_slider->setValue(position); // held to the slider's range
    m_fromEdit = false;
}

void SliderSetting::sliderMoved()
{
    if (!m_fromEdit)
        m_edit->setText(QString::number(m_slider->value()));
}

void SliderSetting::editChanged()
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
        OptionsNumberMark::update(m_state, m_edit, !n && !(text.isEmpty() && m_rules.emptyWritesNothing));
    }
    if (!n)
        return;
    const int whole = static_cast<int>(std::floor(std::min(*n, 1e9)));
    if (!marked && m_rules.typedInRangeOnly && (whole < std::max(1, m_slider->minimum()) || !fits(whole)))
        return;
    moveSlider(whole);
}

void SliderSetting::read(OptionsRead& read)
{
    const OptionsRead::Value v = read.value(m_name);
    if (!v.found) {
        const bool onMark = m_mark.covers(m_edit->text());
        m_mark = {};
        if (onMark)
            m_edit->setText(QString::number(m_slider->value()));
        return;
    }
    const std::optional<double> n = number(v.text);
    QString shown = v.text;
    if (n && fits(*n)) {
        m_mark = {};
        moveSlider(static_cast<int>(std::floor(*n)));
        if (!m_rules.minutes)
            shown = QString::number(m_slider->value());
    } else {
        m_mark = read.mark(m_name, v.text);
        read.reportBad(m_name, v.text);
    }
    if (m_edit->text() == shown)
        editChanged(); // the marks follow the new reading even when the text stays
    else
        m_edit->setText(shown);
}

void SliderSetting::addWrites(QList<OptionWrite>& writes) const
{
    const QString text = m_edit->text();
    const int position = m_slider->value();
    if (m_mark.covers(text) || (text.isEmpty() && m_rules.emptyWritesNothing) ||
        (position == 0 && m_rules.zeroWritesNothing)) {
        writes.append(OptionWrite::keep(m_name));
        return;
    }
    const std::optional<double> n = number(text);
    if (m_rules.minutes && n && fits(*n) && std::floor(*n) == position)
        writes.append(OptionWrite::set(m_name, text.toLatin1()));
    else
        writes.append(OptionWrite::set(m_name, QByteArray::number(position)));
}

QString SliderSetting::refusal(const AppState& state) const
{
    if (!OptionsNumberMark::isMarked(m_edit))
        return QString();
    return state.message(QStringLiteral("notinteger")).arg(m_edit->text());
}
