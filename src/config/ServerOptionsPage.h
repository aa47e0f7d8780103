#pragma once

#include "config/OptionsSetting.h"

#include <QWidget>

class AppState;
class OptionsMapRotation;
class OptionsSpinEdit;
class SliderSetting;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QVBoxLayout;

// The Server options page: the settings of a game server the player runs. Works like the
// Client options page; several number fields have a "Disable" button that stands for "0".
// `mp_forcechasecam` has three values: 0 anyone (`s7_0`), 1 own team (`s7_1`), 2 own team in
// first person only (`s7_2`).
class ServerOptionsPage final : public QWidget {
    Q_OBJECT
public:
    explicit ServerOptionsPage(AppState& state, QWidget* parent = nullptr);

    // Writes the settings whose controls changed since the last read or Apply, as
    // ApplyClientOptions does. Returns false on an error.
    bool ApplyServerOptions();

    // The server part of ReadOptionPages, over the store as loaded.
    void readServerPart(OptionsRead& read);

    void BitBtn3Click();
    void TrackBar3Change();
    void c4EditChange();
    void TrackBar4Change();
    void rtimeChange();
    void hostagChange();
    void cycleChange();
    void maxplChange();
    void freshChange();
    void rotateChange();
    void roundsChange();
    // The Disable buttons zero their field when pressed, before the press checks them.
    void hdisableMouseDown();
    void cycletextMouseDown();
    void PlayersMouseDown();
    void freshtextMouseDown();
    void periodtextMouseDown();

Q_SIGNALS:
    // After an Apply that did not fail: whether it wrote the file.
    void applied(bool written);

public:
    QRadioButton* s1_1 = nullptr;
    QRadioButton* s1_0 = nullptr;
    QRadioButton* s2_1 = nullptr;
    QRadioButton* s2_0 = nullptr;
    QRadioButton* s3_1 = nullptr;
    QRadioButton* s3_0 = nullptr;
    QRadioButton* s4_1 = nullptr;
    QRadioButton* s4_0 = nullptr;
    QRadioButton* s5_1 = nullptr;
    QRadioButton* s5_0 = nullptr;
    QRadioButton* s6_1 = nullptr;
    QRadioButton* s6_0 = nullptr;
    QRadioButton* s7_1 = nullptr;
    QRadioButton* s7_0 = nullptr;
    QRadioButton* s7_2 = nullptr;
    QRadioButton* s8_1 = nullptr;
    QRadioButton* s8_0 = nullptr;
    QSlider* TrackBar3 = nullptr;
    QLineEdit* c4Edit = nullptr;
    QSlider* TrackBar4 = nullptr;
    QLineEdit* rtime = nullptr;
    QLineEdit* MapTime = nullptr;
    OptionsSpinEdit* money = nullptr;
    OptionsSpinEdit* freeze = nullptr;
    OptionsSpinEdit* hostag = nullptr;
    QRadioButton* hdisable = nullptr;
    OptionsSpinEdit* cycle = nullptr;
    QRadioButton* cycletext = nullptr;
    OptionsSpinEdit* maxpl = nullptr;
    QRadioButton* Players = nullptr;
    OptionsSpinEdit* fresh = nullptr;
    QRadioButton* freshtext = nullptr;
    OptionsSpinEdit* rotate = nullptr;
    OptionsSpinEdit* rounds = nullptr;
    QRadioButton* periodtext = nullptr;
    QPushButton* BitBtn3 = nullptr;

private:
    void buildTimeOptions();
    void buildTeamOptions();
    void buildOtherOptions();
    void buildTable();

    AppState& m_state;
    QVBoxLayout* m_column = nullptr;
    QGroupBox* m_buyTimeBox = nullptr;
    OptionsTable m_table;
    SliderSetting* m_c4 = nullptr;
    SliderSetting* m_roundTime = nullptr;
    OptionsMapRotation* m_rotation = nullptr;
};
