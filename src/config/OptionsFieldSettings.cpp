#include "config/OptionsFieldSettings.h"

#include "config/AppState.h"
#include "config/OptionsFileMark.h"
#include "config/OptionsLayout.h"
#include "config/OptionsSliderEdit.h"
#include "config/OptionsSpinEdit.h"
#include "config/OptionsValueRules.h"
#include "config/TextCodec.h"

#include <QLineEdit>
#include <QRadioButton>

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
    return state.message(Msg::NotWritable).arg(OptionsLayout::caption(m_box).trimmed());
}

SpinSetting::SpinSetting(const char* name, OptionsSpinEdit* field, Disable disable)
    : m_name(name)
    , m_field(field)
    , m_disable(disable)
    , m_first(field->fieldText())
{
    QObject::connect(field, &OptionsSpinEdit::fieldTextChanged, field, [this] { showMark(); });
    if (!disable.button)
        return;
    QObject::connect(field, &OptionsSpinEdit::fieldTextChanged, disable.button, [this](const QString& text) {
        m_disable.button->setChecked(m_disable.zeroChecks && text == QLatin1String("0"));
    });
    // `pressed` comes before the button checks itself, from the mouse and from the keyboard.
    QObject::connect(disable.button, &QRadioButton::pressed, field,
                     [this] { m_field->setFieldText(QStringLiteral("0")); });
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
    if (m_disable.button)
        m_disable.button->setChecked(text == QLatin1String("0"));
    showMark();
}

OptionWrite SpinSetting::write() const
{
    if (m_disable.button && m_disable.button->isChecked())
        return OptionWrite::set(m_name, "0");
    const QString text = m_field->fieldText();
    if (m_mark.covers(text))
        return OptionWrite::keep(m_name);
    return OptionWrite::set(m_name, m_kept.bytesFor(text));
}

SliderSetting::SliderSetting(const char* name, OptionsSliderEdit* field, Rules rules)
    : m_name(name)
    , m_field(field)
    , m_rules(rules)
{}

void SliderSetting::read(OptionsRead& read)
{
    const OptionsRead::Value v = read.value(m_name);
    if (!v.found) {
        const bool onMark = m_field->fileMark().covers(m_field->text());
        m_field->setFileMark({});
        if (onMark)
            m_field->showText(QString::number(m_field->position()));
        return;
    }
    const std::optional<double> n = m_field->number(v.text);
    QString shown = v.text;
    if (n && m_field->fits(*n)) {
        m_field->setFileMark({});
        m_field->moveTo(static_cast<int>(std::floor(*n)));
        if (!m_field->rules().minutes)
            shown = QString::number(m_field->position());
    } else {
        m_field->setFileMark(read.mark(m_name, v.text));
        read.reportBad(m_name, v.text);
    }
    m_field->showText(shown);
}

void SliderSetting::addWrites(QList<OptionWrite>& writes) const
{
    const QString text = m_field->text();
    const int position = m_field->position();
    if (m_field->fileMark().covers(text) || (text.isEmpty() && m_field->rules().emptyAllowed) ||
        (position == 0 && m_rules.zeroWritesNothing)) {
        writes.append(OptionWrite::keep(m_name));
        return;
    }
    const std::optional<double> n = m_field->number(text);
    if (m_field->rules().minutes && n && m_field->fits(*n) && std::floor(*n) == position)
        writes.append(OptionWrite::set(m_name, text.toLatin1()));
    else
        writes.append(OptionWrite::set(m_name, QByteArray::number(position)));
}

QString SliderSetting::refusal(const AppState& state) const
{
    if (!m_field->isNumberMarked())
        return QString();
    return state.message(Msg::NotInteger).arg(m_field->text());
}

QWidget* TextSetting::control() const
{
    return m_edit;
}

QWidget* SpinSetting::control() const
{
    return m_field;
}

QWidget* SliderSetting::control() const
{
    return m_field;
}
