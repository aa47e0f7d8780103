#pragma once

#include "binder/ChainKeys.h"
#include "binder/Composer.h"
#include "binder/KeyLabel.h"
#include "keys/BindReader.h"

#include <QHash>
#include <QList>
#include <QMap>
#include <QWidget>

#include <array>
#include <functional>

class AppState;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;

// The Binder page: a keyboard and a mouse that show what the working file binds, and the
// composer that binds a free key to a chain of buy, radio and chat commands through an alias
// in autoexec.cfg. Controls carry their names as object names; every caption, hint and list
// entry can be translated by name (list entries through hidden actions named after the list
// and the entry's index). The page reads the working file whenever it is shown and whenever
// the working file changes while it shows.
class BinderPage final : public QWidget {
    Q_OBJECT
public:
    explicit BinderPage(AppState& state, QWidget* parent = nullptr);

    // Rereads the working file and the files of the game's start chain and shows what they leave
    // bound: the working file's binds the game keeps, the binds of other files, and the working
    // file's binds a later file replaces or clears, each in its own style with the line that
    // decides it as hint. Writes nothing and leaves the working store alone. Bound keys the picture lacks, with their
    // commands, and names the game knows as no key, with their lines, are listed in one information window, once per
    // working file per run (again only when the list changes).
    void ReadBinds();
    // The mouse picture for that many buttons (the setting mouse_btns), and the key lists.
    void applyMouseButtons(int buttons);

    // The frame the item picture shows.
    int imageFrame() const { return m_frame; }
    // What the composer's controls describe now.
    ComposerChoice choice() const;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The composer's lists of weapons, one call for each.
    enum class WeaponList { Primary, Secondary, Ammo };

    void buildComposer();
    void buildKeyboard();
    void buildMouse();
    // A list entry whose text a hidden action named `name` carries, so that it is translated.
    void translatableEntry(const QString& name, const QString& text, const std::function<void(const QString&)>& set);
    // Reads the working file when the page shows and has a file to read (a page disabled for
    // want of one reads nothing).
    void refresh();

    // The picture: reading it and the clicks on it.
    void fillKeyList();
    void reportMissingKeys(const BindReading& reading);
    // Makes `key` the current entry of the key list; none when the list does not hold it.
    void selectKey(const QString& key);
    // A click on a key: a key the working file binds offers to unbind it, a key only another file
    // binds says where before it is selected, a free one is selected.
    void keyClicked(const QString& key);
    // A click on a free mouse button's image or a wheel arrow selects its key.
    void selectMouseKey(const QLabel* image);
    // Asks (No by default, naming the key as the game does), then removes each command of the
    // working file that binds `key` and rereads. Returns whether the key is free now.
    bool unbindKey(const QString& key);
    // "autoexec.cfg, line 4: bind "f" "+buy_ak"": the line that decides a key bound elsewhere or
    // replaced later.
    QString placeText(const KeyStanding& standing) const;
    QString placeText(const ChainPlace& place, const QByteArray& what) const;
    // How the picture draws a key that stands so.
    static KeyLabel::Mark shownMark(const KeyStanding& standing);
    // A key's hint: its command when the working file's bind stands, else the line that decides it;
    // then another file's bind the game does not keep, with the line that undid it.
    QString hint(const KeyStanding& standing) const;
    // Asks, naming every configuration file that binds one of the composer's aliases, then
    // removes those binds and the aliases; a file that cannot be written is named.
    void removeAllAliases();

    // The composer: the choices, the total, and writing the bind.
    void weaponChosen(WeaponList list);
    void equipmentToggled(int index);
    void bindChosenKey();
    void clearComposer();
    void showFrame(int frame);
    void showConnector(const QFrame* line);
    QList<QFrame*> connectors() const;
    void showPrice();
    // The composer's refusals in the interface language.
    std::function<QString(MessageKey)> messageText() const;

    AppState& m_state;
    int m_frame = 0;
    BindReading m_reading;
    // How each bound key stands across the start chain, by the game's spelling.
    QHash<QString, KeyStanding> m_standings;
    // The report of keys the picture cannot show, last shown for each working file (its path).
    QMap<QString, QString> m_reported;

    QComboBox* m_primaryList = nullptr;     // Primary
    QComboBox* m_secondaryList = nullptr;   // Secondary
    QComboBox* m_ammoList = nullptr;        // Ammo
    QListWidget* m_equipmentList = nullptr; // Equipment
    QComboBox* m_radioList = nullptr;       // Radio
    QLineEdit* m_chatEdit = nullptr;        // custommsg
    QComboBox* m_chatForList = nullptr;     // ForBox
    QLabel* m_itemPicture = nullptr;        // Image
    // The lines from the lists to the item picture; the one of the list chosen last shows.
    QFrame* m_primaryConnector = nullptr;   // b_primary
    QFrame* m_secondaryConnector = nullptr; // b_secondary
    QFrame* m_ammoConnector = nullptr;      // b_ammo
    QFrame* m_equipmentConnector = nullptr; // b_equip
    QLineEdit* m_priceField = nullptr;      // PRICE
    QComboBox* m_keyList = nullptr;         // BindKey
    QListWidget* m_pictureKeys = nullptr;   // AllKeys: every key the picture offers

    QList<KeyLabel*> m_keyLabels;
    // The mouse's bodies for 2, 3, 4 and 5 buttons, then its free buttons.
    std::array<QLabel*, 4> m_mouseBodies{}; // m2, m3, m4, m5
    QLabel* m_middleButton = nullptr;       // m1
    QLabel* m_fourthButton = nullptr;       // m41
    QLabel* m_fifthButton = nullptr;        // m51
    // The used-button overlays by key: MOUSE1 to MOUSE5, MWHEELUP, MWHEELDOWN.
    QMap<QString, QLabel*> m_overlays;
};
