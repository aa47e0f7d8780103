#pragma once

#include <QSpinBox>
#include <QString>

// A number field of the options pages. Its value travels to and from the file as its text:
// a value read from the file is shown as it stands, even outside the range, and is written
// back unchanged until the user edits the field. What the user types is held to the range
// (on leaving the field, a text outside it moves to the nearest end).
class OptionsSpinEdit final : public QSpinBox {
    Q_OBJECT
public:
    OptionsSpinEdit(int minimum, int maximum, int value, QWidget* parent = nullptr);

    QString fieldText() const;
    void setFieldText(const QString& text);

Q_SIGNALS:
    // The text changed, typed, stepped or set by the program; setting the same text again
    // does not signal.
    void fieldTextChanged(const QString& text);

private:
    void noteText();

    QString m_last;
};
