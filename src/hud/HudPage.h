#pragma once

#include <QWidget>

#include <array>

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

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fitApplyButton();
    // The user picked an entry of slot `slot`: its preview from the library replaces the picture,
    // or, when it cannot be read, an error names the file and the picture stays.
    void showPreview(int slot);
    // Installs the selected entries; each slot that was installed has its setting written. The
    // confirmation shows only when every selected slot was installed; each failure is reported.
    void installSelectedHuds();

    AppState& m_state;
    QGroupBox* m_slotsBox = nullptr;         // HudBox
    std::array<QComboBox*, 3> m_slotLists{}; // hud_changer, hud_changer1, hud_changer2
    QPushButton* m_applyButton = nullptr;    // ApplyHud
    QLabel* m_preview = nullptr;             // hud
};
