#pragma once

#include "config/OptionsFieldSettings.h"

class OptionsSpinEdit;
class QRadioButton;

// The map rotation of the Server options page: a time limit in minutes (`mp_timelimit`) or a
// number of rounds (`mp_maxrounds`), and Disable for neither. Only one of the two fields is
// meant to hold a number, so typing into one zeroes the other and unchecks Disable; pressing
// Disable zeroes both. With both non-zero (from a file) neither is written.
class OptionsMapRotation final : public OptionsSetting {
public:
    OptionsMapRotation(OptionsSpinEdit* minutes, OptionsSpinEdit* rounds, QRadioButton* disable);

    // Read by the rule that writes the pair: both 0 is Disable. Neither field zeroes the other
    // meanwhile, or a file holding both would lose one.
    void read(OptionsRead& read) override;
    void addWrites(QList<OptionWrite>& writes) const override;

private:
    // The fields' change handlers: the field's number stays, the other field becomes 0.
    void minutesChanged();
    void roundsChanged();

    OptionsSpinEdit* m_minutesField;
    OptionsSpinEdit* m_roundsField;
    QRadioButton* m_disable;
    SpinSetting m_minutes;
    SpinSetting m_rounds;
    // While one field zeroes the other, the other's handler stays quiet.
    bool m_busy = false;
};
