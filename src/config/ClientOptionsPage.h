#pragma once

#include "config/ClientPageView.h"
#include "config/OptionsKeptText.h"
#include "config/OptionsPage.h"

class AppState;
class TextSetting;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;

// The Client options page: the player's own game settings, one box per console variable.
class ClientOptionsPage final : public OptionsPage {
    Q_OBJECT
public:
    explicit ClientOptionsPage(AppState& state, QWidget* parent = nullptr);

    // What the name was read from, so that an unchanged name is written back as its own bytes.
    const KeptText& readName() const;
    // What the page shows now, for the wizard, which asks the same questions.
    ClientPageView view() const;

private:
    struct Boxes;
    Boxes buildColumn();
    void buildTable(const Boxes& boxes);
    void showSpriteWord(int position);

    QLineEdit* m_nameEdit = nullptr;
    TextSetting* m_nameSetting = nullptr;
    QRadioButton* m_weaponHandRight = nullptr;
    QRadioButton* m_weaponHandLeft = nullptr;
    QRadioButton* m_showWeapon = nullptr;
    QRadioButton* m_hideWeapon = nullptr;
    QListWidget* m_connectionList = nullptr;
    QLabel* m_spriteWord = nullptr;
};
