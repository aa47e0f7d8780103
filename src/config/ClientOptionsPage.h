#pragma once

#include "config/ClientPageView.h"
#include "config/OptionsKeptText.h"
#include "config/OptionsSetting.h"

#include <QWidget>

class AppState;
class OptionsColorSwatches;
class OptionsSpinEdit;
class SliderSetting;
class TextSetting;
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
// ApplyClientOptions writes back what the user changed since. Controls carry their names as
// object names.
class ClientOptionsPage final : public QWidget {
    Q_OBJECT
public:
    explicit ClientOptionsPage(AppState& state, QWidget* parent = nullptr);

    // Writes the settings whose controls changed since the last read or Apply into the working
    // file, and nothing when none did. A number edit that does not hold a number, a text that
    // cannot be written, a load or a save error is shown through the dialogs and nothing is
    // written. Returns false on such an error.
    bool ApplyClientOptions();

    // The client part of ReadOptionPages, over the store as loaded.
    void readClientPart(OptionsRead& read);
    // What the name was read from, so that an unchanged name is written back as its own bytes.
    const KeptText& readName() const;
    // What the page shows now, for the wizard, which asks the same questions.
    ClientPageView view() const;

Q_SIGNALS:
    // After an Apply that did not fail: whether it wrote the file.
    void applied(bool written);

public:
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
    void buildTable();

    AppState& m_state;
    QVBoxLayout* m_column = nullptr;
    QGroupBox* m_nameBox = nullptr;
    OptionsColorSwatches* m_swatches = nullptr;
    QLabel* m_colorMark = nullptr;
    OptionsTable m_table;
    TextSetting* m_name = nullptr;
    SliderSetting* m_sprites = nullptr;
    SliderSetting* m_decals = nullptr;
    SliderSetting* m_puffs = nullptr;
};
