#pragma once

#include "config/OptionsValues.h"

#include <QWidget>

class AppState;
class OptionsSpinEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSlider;
class QVBoxLayout;

// The Client options page: the player's own game settings, one box per console variable.
// The controls only change one another; ReadOptionPages fills them from the working file and
// ApplyClientOptions writes them back. Controls carry their names as object names.
class ClientOptionsPage final : public QWidget {
    Q_OBJECT
public:
    explicit ClientOptionsPage(AppState& state, QWidget* parent = nullptr);

    // Loads the working file, sets or removes the page's variable lines in a fixed order and
    // saves. A number edit that does not hold a whole number, a text that cannot be written, a
    // load or a save error is shown through the dialogs and nothing is written. Returns
    // whether the file was saved.
    bool ApplyClientOptions();

    // The client part of ReadOptionPages, over the store as loaded. A value that must be an
    // integer and is not is shown as a conversion error and stops the reading: returns false.
    bool readClientPart();
    // The last step of ReadOptionPages: the player name, or the empty text without a name line.
    void readPlayerName();
    // What the name was read from, so that an unchanged name is written back as its own bytes.
    const OptionsValues::KeptText& readName() const { return m_readName; }

    void BitBtn5Click();
    void TrackBar1Change();
    void TracktextChange();
    void TrackBar2Change();
    void CeditChange();
    void dec_tChange();
    void dec_eChange();

    QRadioButton* p1_1 = nullptr;
    QRadioButton* p1_0 = nullptr;
    QRadioButton* p2_1 = nullptr;
    QRadioButton* p2_0 = nullptr;
    QRadioButton* p3_1 = nullptr;
    QRadioButton* p3_0 = nullptr;
    QRadioButton* p4_1 = nullptr;
    QRadioButton* p4_0 = nullptr;
    QRadioButton* p5_1 = nullptr;
    QRadioButton* p5_0 = nullptr;
    QRadioButton* c2 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QRadioButton* p6_1 = nullptr;
    QRadioButton* p6_0 = nullptr;
    QRadioButton* p7_1 = nullptr;
    QRadioButton* p7_0 = nullptr;
    QRadioButton* p8_1 = nullptr;
    QRadioButton* p8_0 = nullptr;
    QRadioButton* p9_0 = nullptr;
    QRadioButton* p9_1 = nullptr;
    QRadioButton* p10_0 = nullptr;
    QRadioButton* p10_1 = nullptr;
    QRadioButton* p11_1 = nullptr;
    QRadioButton* p11_0 = nullptr;
    QSlider* TrackBar2 = nullptr;
    QLineEdit* Cedit = nullptr;
    QLabel* smsprites = nullptr;
    OptionsSpinEdit* c1edit = nullptr;
    QSlider* dec_t = nullptr;
    QLineEdit* dec_e = nullptr;
    QLineEdit* name = nullptr;
    QSlider* TrackBar1 = nullptr;
    QLineEdit* Tracktext = nullptr;
    QListWidget* data = nullptr;
    QSlider* Color = nullptr;
    QPushButton* BitBtn5 = nullptr;

private:
    void buildGeneralOptions();
    void buildVideoOptions();
    void buildOtherOptions();

    AppState& m_state;
    QVBoxLayout* m_column = nullptr;
    QGroupBox* m_nameBox = nullptr;
    OptionsValues::KeptText m_readName;
    OptionsValues::KeptText m_readShells;
    QGroupBox* m_shellsBox = nullptr;
    QGroupBox* m_spritesBox = nullptr;
};
