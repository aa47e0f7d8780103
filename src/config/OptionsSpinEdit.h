#pragma once

#include <QSpinBox>
#include <QString>

// A number field of the options pages. Its value travels to and from the file as its text:
// a text set by the program (a value read from the file) is shown as it stands, even outside
// the range or not a number at all, and stays until the user edits the field; the spin box
// never rewrites it from its value (on showing, focus changes, style or locale changes). What
// the user types is held to the range (on leaving the field, a text outside it moves to the
// nearest end).
class OptionsSpinEdit final : public QSpinBox {
    Q_OBJECT
public:
    OptionsSpinEdit(int minimum, int maximum, int value, QWidget* parent = nullptr);

    QString fieldText() const;
    void setFieldText(const QString& text);

    void stepBy(int steps) override;

Q_SIGNALS:
    // The text changed, typed, stepped or set by the program; setting the same text again
    // does not signal.
    void fieldTextChanged(const QString& text);

protected:
    // The spin box writes its editor from textFromValue() whenever it likes; while a text set
    // by the program stands, that text is the one its value reads as.
    QString textFromValue(int value) const override;
    int valueFromText(const QString& text) const override;
    QValidator::State validate(QString& input, int& pos) const override;

private:
    void noteText();
    void dropSetText();

    QString m_last;
    // The text the program set and the value it stands for (the number held to the range), or
    // a null text once the user has edited the field.
    QString m_set;
    int m_setValue = 0;
};
