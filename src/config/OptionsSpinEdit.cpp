#include "config/OptionsSpinEdit.h"

#include <QLineEdit>

OptionsSpinEdit::OptionsSpinEdit(int minimum, int maximum, int value, QWidget* parent)
    : QSpinBox(parent)
{
    setRange(minimum, maximum);
    setValue(value);
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    m_last = fieldText();
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
    lineEdit()->setText(text);
}

void OptionsSpinEdit::noteText()
{
    const QString text = fieldText();
    if (text == m_last)
        return;
    m_last = text;
    Q_EMIT fieldTextChanged(text);
}
