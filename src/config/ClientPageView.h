#pragma once

#include "config/OptionsKeptText.h"

#include <QString>
#include <QStringList>

// What the Client options page shows now, as plain values for another window (the wizard asks
// the same questions and starts from the page's answers). Nothing here knows a widget.
struct ClientPageView {
    // A pair of radio buttons: their captions and which one is checked (neither may be).
    struct Pair {
        QString firstCaption;
        QString secondCaption;
        bool firstChecked = false;
        bool secondChecked = false;
    };

    // The questions, as the page's boxes word them in the interface language.
    QString connectionQuestion; // the connection list's box
    QString nameQuestion;       // the player name's box
    QString handQuestion;       // the weapon hand's box
    QString weaponQuestion;     // the "show the weapon" box

    QStringList connections; // the connection list's entries, in order
    QString name;            // the player name as the page shows it
    KeptText readName;       // what that name was read from
    Pair hand;               // right hand first
    Pair weapon;             // "show" first
};
