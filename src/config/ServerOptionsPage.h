#pragma once

#include "config/OptionsPage.h"

class AppState;
class OptionsSpinEdit;
class QGroupBox;
class QHBoxLayout;
class QRadioButton;

// The Server options page: the settings of a game server the player runs. Several number fields
// have a "Disable" button that stands for "0". `mp_forcechasecam` has three values: 0 anyone
// (`s7_0`), 1 own team (`s7_1`), 2 own team in first person only (`s7_2`).
class ServerOptionsPage final : public OptionsPage {
    Q_OBJECT
public:
    explicit ServerOptionsPage(AppState& state, QWidget* parent = nullptr);

private:
    struct Boxes;
    Boxes buildColumn();
    void buildTable(const Boxes& boxes);
    // A number field, an optional unit label after it and a Disable button, in one row of `box`.
    void disableField(const char* variable, QGroupBox* box, const char* field, int maximum, int value,
                      const char* unitName, const char* unit, const char* disable, bool zeroChecks = false);
};
