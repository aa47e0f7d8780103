#pragma once

#include <QRadioButton>

// The lone "Disable" button beside a number field. It stands alone in its box, so it is not
// auto-exclusive (the program must be able to uncheck it), yet a click only ever checks it,
// as with any radio button.
class OptionsDisableButton final : public QRadioButton {
public:
    explicit OptionsDisableButton(const QString& text, QWidget* parent = nullptr)
        : QRadioButton(text, parent)
    {
        setAutoExclusive(false);
    }

protected:
    void nextCheckState() override { setChecked(true); }
};
