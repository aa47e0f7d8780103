#pragma once

#include <QWidget>

class AppState;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

// The HUDs page: three fixed lists of the HUD library's entries (digits and icons, radar, sniper
// scope), one preview of the entry picked last, and "Apply HUDs", which installs the picks over
// the game's sprite files and remembers them in the settings hud#0..2.
class HudPage final : public QWidget {
    Q_OBJECT
public:
    explicit HudPage(AppState& state, QWidget* parent = nullptr);

    // Selects in each list the entry its setting names (letter case aside); a list whose setting
    // names no entry stays without a selection. The preview is left as it is.
    void selectStoredHuds();

    // The user picked an entry: its preview from the library replaces the picture, or, when it
    // cannot be read, an error names the file and the picture stays.
    void hud_changerChange();
    void hud_changer1Change();
    void hud_changer2Change();

    // Installs the selected entries; each slot that was installed has its setting written. The
    // confirmation shows only when every selected slot was installed; each failure is reported.
    void ApplyHudClick();

    QGroupBox* HudBox = nullptr;
    QLabel* HudHint = nullptr;
    QLabel* hud0 = nullptr;
    QLabel* hud1 = nullptr;
    QLabel* hud2 = nullptr;
    QComboBox* hud_changer = nullptr;
    QComboBox* hud_changer1 = nullptr;
    QComboBox* hud_changer2 = nullptr;
    QPushButton* ApplyHud = nullptr;
    QGroupBox* HudPictureBox = nullptr;
    QLabel* hud = nullptr;
    QGroupBox* HudAboutBox = nullptr;
    QLabel* HudAbout = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QComboBox* list(int slot) const;
    void fitApplyButton();
    void showPreview(int slot);

    AppState& m_state;
};
