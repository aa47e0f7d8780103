#include "config/OptionsSpinEdit.h"

#include "config/OptionsValueRules.h"

#include <QLineEdit>

OptionsSpinEdit::OptionsSpinEdit(int minimum, int maximum, int value, QWidget* parent)
    : QSpinBox(parent)
{
    // The file's numbers are plain ASCII digits, whatever the system's locale writes.
    setLocale(QLocale::c());
    setRange(minimum, maximum);
    setValue(value);
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    m_last = fieldText();
    // Only the user edits the editor's text (textEdited) or steps the value; this comes before
    // the spin box looks at the new text.
    connect(lineEdit(), &QLineEdit::textEdited, this, &OptionsSpinEdit::dropSetText);
    connect(this, &QSpinBox::valueChanged, this, [this](int now) {
        if (now != m_setValue)
            dropSetText();
    });
    // The spin box rewrites its editor with signals blocked when its value moves, and the
    // editor alone reports a text set by the program; listen to both, report each text once.
    connect(this, &QSpinBox::textChanged, this, &OptionsSpinEdit::noteText);
    connect(lineEdit(), &QLineEdit::textChanged, this, &OptionsSpinEdit::noteText);
    connect(this, &QAbstractSpinBox::editingFinished, this, &OptionsSpinEdit::noteText);
}

QString OptionsSpinEdit::fieldText() const
{
    return lineEdit()->text();
}

void OptionsSpinEdit::setFieldText(const QString& text)
{
    const std::optional<int> n = OptionsValueRules::integer(text);
    m_setValue = n ? qBound(minimum(), *n, maximum()) : value();
    m_set = text.isNull() ? QLatin1String("") : text;
    if (value() != m_setValue)
        setValue(m_setValue); // writes the editor through textFromValue()
    lineEdit()->setText(m_set);
    noteText();
}

void OptionsSpinEdit::stepBy(int steps)
{
    dropSetText();
    QSpinBox::stepBy(steps);
}

QString OptionsSpinEdit::textFromValue(int value) const
{
    if (!m_set.isNull() && value == m_setValue)
        return m_set;
    return QString::number(value);
}

int OptionsSpinEdit::valueFromText(const QString& text) const
{
    if (!m_set.isNull() && text == m_set)
        return m_setValue;
    return QSpinBox::valueFromText(text);
}

QValidator::State OptionsSpinEdit::validate(QString& input, int& pos) const
{
    if (!m_set.isNull() && input == m_set)
        return QValidator::Acceptable;
    return QSpinBox::validate(input, pos);
}

void OptionsSpinEdit::dropSetText()
{
    m_set = QString();
}

void OptionsSpinEdit::noteText()
{
    const QString text = fieldText();
    if (text == m_last)
        return;
    m_last = text;
    Q_EMIT fieldTextChanged(text);
}
