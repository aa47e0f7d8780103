#pragma once

#include "config/OptionsSetting.h"

#include <QList>
#include <QWidget>

#include <initializer_list>

class AppState;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

// What the Client and Server options pages share: a titled scrolling column of boxes (see
// OptionsLayout) ending in the page's own Apply button, and the table of the page's settings,
// declared once, from which reading, the "changed since read" test and Apply all run. The
// controls only change one another; ReadOptionPages fills them from the working file and Apply
// writes back what the user changed since. Controls carry their names as object names.
class OptionsPage : public QWidget {
    Q_OBJECT
public:
    // Writes the settings whose controls changed since the last read or Apply into the working
    // file, and nothing when none did. A number edit that does not hold a number, a text that
    // cannot be written, a load or a save error is shown through the dialogs and nothing is
    // written. Returns false on such an error, and when the user cancels Apply's question about
    // settings a later file sets again.
    bool apply();
    // This page's part of ReadOptionPages, over the store as loaded.
    void read(OptionsRead& read);

Q_SIGNALS:
    // After an Apply that did not fail: whether it wrote the file.
    void applied(bool written);

protected:
    OptionsPage(AppState& state, const char* titleName, const char* title, QWidget* parent);

    QLabel* section(const char* name, const char* text);
    QGroupBox* box(const char* name, const char* caption, const char* hint = nullptr);
    // Ends the column with the page's Apply button. The pages make their controls in the order
    // of the table, so Tab is then set to go through them from the top of the page down.
    void finishColumn(const char* applyName, const char* applyText);

    // A radio button of a row: its object name, caption, the value it stands for, and whether it
    // starts checked.
    struct Radio {
        const char* name;
        const char* text;
        const char* value;
        bool checked = false;
    };
    // A row of radio buttons at the bottom of `box`, in the order given.
    static QList<QRadioButton*> radios(QGroupBox* box, std::initializer_list<Radio> radios);
    // Radio buttons standing for the values of `variable`, added to the table.
    QList<QRadioButton*> choice(const char* variable, QGroupBox* box, std::initializer_list<Radio> choices);

    AppState& m_state;
    // The settings in the order Apply sets them, which is the order of any new lines.
    OptionsTable m_table;

private:
    QVBoxLayout* m_column = nullptr;
    QPushButton* m_applyButton = nullptr;
};
