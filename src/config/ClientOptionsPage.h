#pragma once

#include "config/ClientPageView.h"
#include "config/OptionsKeptText.h"
#include "config/OptionsPage.h"

#include <QColor>

#include <functional>

class AppState;
class CrosshairColorSetting;
class CrosshairPreview;
class TextSetting;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;

// The Client options page: the player's own game settings, one box per console variable.
class ClientOptionsPage final : public OptionsPage {
    Q_OBJECT
public:
    // Asks the user for a colour, starting from `initial`; an invalid colour when they cancel.
    using ColorPicker = std::function<QColor(const QColor& initial, QWidget* parent)>;
    // Without `pickColor` the crosshair's other colour is asked for in a QColorDialog.
    explicit ClientOptionsPage(AppState& state, QWidget* parent = nullptr, ColorPicker pickColor = {});

    // What the name was read from, so that an unchanged name is written back as its own bytes.
    const KeptText& readName() const;
    // What the page shows now, for the wizard, which asks the same questions.
    ClientPageView view() const;

private:
    struct Boxes;
    Boxes buildColumn();
    void buildTable(const Boxes& boxes);
    void buildCrosshair(const Boxes& boxes);
    void showSpriteWord(int position);
    void pickCrosshairColor();
    void showCrosshair();

    QLineEdit* m_nameEdit = nullptr;
    TextSetting* m_nameSetting = nullptr;
    QRadioButton* m_weaponHandRight = nullptr;
    QRadioButton* m_weaponHandLeft = nullptr;
    QRadioButton* m_showWeapon = nullptr;
    QRadioButton* m_hideWeapon = nullptr;
    QListWidget* m_connectionList = nullptr;
    QLabel* m_spriteWord = nullptr;
    ColorPicker m_pickColor;
    CrosshairColorSetting* m_crosshairColor = nullptr;
    QList<QRadioButton*> m_crosshairSizes; // auto, small, medium, large
    QRadioButton* m_translucent = nullptr;
    QRadioButton* m_opaque = nullptr;
    QRadioButton* m_dynamic = nullptr;
    QRadioButton* m_static = nullptr;
    CrosshairPreview* m_crosshairPreview = nullptr;
    QString m_fileCrosshairSize; // as the file last read holds it
};
