#pragma once

#include "hud/HudInstall.h"

#include <QWidget>

#include <array>

class AppState;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

// The HUDs page: three fixed lists of the HUD library's entries (digits and icons, radar, sniper
// scope), one preview of the entry picked last, "Apply HUDs", which installs the picks over
// the game's sprite files and remembers them in the settings hud#0..2, and "Restore the game's
// HUDs", which puts the game's own files back. A list without a selection, and an empty setting,
// stand for the game's own HUD.
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
    // The two buttons at the group's lower right, as wide as their captions need.
    void fitButtons();
    // The user picked an entry of slot `slot`: its preview from the library replaces the picture,
    // or, when it cannot be read, an error names the file and the picture stays.
    void showPreview(int slot);
    // Installs the selected entries; each slot that was installed has its setting written. The
    // confirmation shows only when every selected slot was installed; each failure is reported.
    void installSelectedHuds();
    // Puts each slot's game file back from its .orig and reports every slot; a restored slot's
    // list and setting then name no entry: the game's own HUD is installed.
    void restoreGameHuds();
    // Keeps a game file's bytes in the history before it is replaced.
    HudInstall::KeepVersion keepVersion() const;

    AppState& m_state;
    QGroupBox* m_slotsBox = nullptr;         // HudBox
    std::array<QComboBox*, 3> m_slotLists{}; // hud_changer, hud_changer1, hud_changer2
    QPushButton* m_applyButton = nullptr;    // ApplyHud
    QPushButton* m_restoreButton = nullptr;  // RestoreHud
    QLabel* m_preview = nullptr;             // hud
};
