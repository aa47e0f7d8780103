#pragma once

#include "binder/BindReader.h"
#include "binder/Composer.h"

#include <QList>
#include <QMap>
#include <QWidget>
#include <functional>

class AppState;
class KeyLabel;
class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The Binder page: a keyboard and a mouse that show what the working file binds, and the
// composer that binds a free key to a chain of buy, radio and chat commands through an alias
// in autoexec.cfg. Controls carry their names as object names; every caption, hint and list
// entry can be translated by name (list entries through hidden actions named after the list
// and the entry's index).
class BinderPage final : public QWidget {
    Q_OBJECT
public:
    explicit BinderPage(AppState& state, QWidget* parent = nullptr);

    // Rereads the working file and shows exactly what it
    // leaves bound. Writes nothing but the working file, and that only when the store holds a
    // change not yet saved. Bound keys the picture lacks, with their commands, and names the game
    // knows as no key, with their lines, are listed in one information window, once per working
    // file per run (again only when the list changes).
    void ReadBinds();
    // The mouse picture for that many buttons (the setting mouse_btns), and the key lists.
    void applyMouseButtons(int buttons);

    // A click on a key label: a used key offers to unbind it, a free one is selected in BindKey.
    void KeyLabelClick(KeyLabel* label);
    // A click on a free mouse button's image or a wheel arrow selects its key.
    void mouseImageClick(QLabel* image);
    // A click on a bound mouse button's overlay offers to unbind it.
    void overlayClick(QLabel* overlay);
    // Asks (No by default, naming the key as the game does), then removes each command of the
    // working file that binds `key` and rereads. Returns whether the key is free now.
    bool UnbindKey(QWidget* item, const QString& key);
    // Asks, naming every configuration file that binds one of the composer's aliases, then
    // removes those binds and the aliases; a file that cannot be written is named.
    void RemoveAllAliases();
    void ClearComposer();

    // "Primary", "Secondary", "ammo" or empty: which list changed.
    void RecalcWeapons(const QString& which);
    void ToggleEquipment(int index);
    void WriteBind();

    // Makes `key` the current entry of BindKey; none when the list does not hold it.
    void selectKey(const QString& key);
    // The frame the item picture shows.
    int imageFrame() const { return m_frame; }
    // What the composer's controls describe now.
    ComposerChoice choice() const;

    QList<KeyLabel*> keyLabels;

    QLabel* BinderCaption = nullptr;
    QLabel* KeyboardCaption = nullptr;
    QLabel* MouseCaption = nullptr;
    QLabel* UnusedLegend = nullptr;
    QLabel* UsedLegend = nullptr;

    QFrame* MouseFrame = nullptr;
    QLabel* m2 = nullptr;
    QLabel* m3 = nullptr;
    QLabel* m4 = nullptr;
    QLabel* m5 = nullptr;
    QLabel* m1 = nullptr;
    QLabel* m41 = nullptr;
    QLabel* m51 = nullptr;
    QLabel* scrollbar = nullptr;
    QLabel* scrollup = nullptr;
    QLabel* scrolldown = nullptr;
    // The used-button overlays by key: MOUSE1 to MOUSE5, MWHEELUP, MWHEELDOWN.
    QMap<QString, QLabel*> overlays;

    QComboBox* BindKey = nullptr;
    QListWidget* AllKeys = nullptr;

    QComboBox* Primary = nullptr;
    QComboBox* Secondary = nullptr;
    QComboBox* Ammo = nullptr;
    QListWidget* Equipment = nullptr;
    QLabel* Image = nullptr;
    QFrame* b_primary = nullptr;
    QFrame* b_secondary = nullptr;
    QFrame* b_ammo = nullptr;
    QFrame* b_equip = nullptr;
    QComboBox* Radio = nullptr;
    QLineEdit* custommsg = nullptr;
    QComboBox* ForBox = nullptr;
    QPushButton* BindButton = nullptr;
    QPushButton* ClearButton = nullptr;
    QPushButton* RemoveAllButton = nullptr;
    QLineEdit* PRICE = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildComposer();
    void buildKeyboard();
    void buildMouse();
    // A list entry whose text a hidden action named `name` carries, so that it is translated.
    void translatableEntry(const QString& name, const QString& text, const std::function<void(const QString&)>& set);
    void showFrame(int frame);
    void showConnector(QFrame* line);
    void showPrice();
    void fillBindKey();
    void reportMissingKeys(const BindReading& reading);

    AppState& m_state;
    int m_mouseButtons = 3;
    int m_frame = 0;
    BindReading m_reading;
    // The report of keys the picture cannot show, last shown for each working file (its path).
    QMap<QString, QString> m_reported;
};
