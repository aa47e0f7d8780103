#pragma once

#include "config/OptionsValues.h"

#include <QWidget>

#include <array>

class AppState;
class OptionsSpinEdit;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QVBoxLayout;

// The Server options page: the settings of a game server the player runs. Works like the
// Client options page; several number fields have a "Disable" button that stands for "0".
class ServerOptionsPage final : public QWidget {
    Q_OBJECT
public:
    explicit ServerOptionsPage(AppState& state, QWidget* parent = nullptr);

    // Loads the working file, sets the page's variable lines in a fixed order and saves. A
    // number edit that does not hold a whole number, a text that cannot be written, a load or
    // a save error is shown through the dialogs and nothing is written. Returns whether the
    // file was saved.
    bool ApplyServerOptions();

    // The server part of ReadOptionPages, over the store as loaded. A value that must be an
    // integer and is not is shown as a conversion error and stops the reading: returns false.
    bool readServerPart();

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
    void readMapRotation();
    void writeMapRotation();

    AppState& m_state;
    QVBoxLayout* m_column = nullptr;
    // While one map-rotation field zeroes the other, the other's handler stays quiet, so the
    // number just entered is kept.
    bool m_rotationBusy = false;
    // The values of the text fields as read, by field.
    enum KeptField { BuyTime, Money, Freeze, Hostages, WinLimit, Teams, Restart, Rotate, Rounds, KeptFieldCount };
    std::array<OptionsValues::KeptText, KeptFieldCount> m_kept;
    QGroupBox* m_buyTimeBox = nullptr;
    QGroupBox* m_moneyBox = nullptr;
    QGroupBox* m_freezeBox = nullptr;
    QGroupBox* m_hostageBox = nullptr;
    QGroupBox* m_winLimitBox = nullptr;
    QGroupBox* m_teamsBox = nullptr;
    QGroupBox* m_restartBox = nullptr;
    QGroupBox* m_rotationBox = nullptr;
};
