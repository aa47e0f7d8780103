#pragma once

#include <QByteArray>
#include <QString>

// The wizard's answers, as its controls hold them when Done is pressed. The window fills one of
// these and hands it to WriteWizardConfig; nothing here knows a widget.
struct WizardAnswers {
    // The text of CfgName that stands for "write into the working file".
    static QString workingFileText() { return QStringLiteral("MyName.CFG"); }

    // The player name as the wizard's edit shows it, with what the client page read from the file,
    // so that a name the user did not touch goes back as the very bytes it came from.
    struct PlayerName {
        QString text;
        QByteArray readBytes; // the value's bytes in the file; empty when the file had no name
        QString readText;     // how those bytes were shown
        bool readAsLatin1 = false;

        // The bytes to write: the read bytes while the text is unchanged, otherwise the text in the
        // encoding it was read with (the system's code page, or Latin-1 where the file's bytes were).
        QByteArray bytes() const;
    };

    QString cfgName = workingFileText(); // CfgName
    bool runsServer = true;              // server0; false for server1
    int computerSpeed = -1;              // w7's selected index, -1 for none
    int buttonsIndex = -1;               // the selected index of buttons, -1 when typed
    QString buttonsText = QStringLiteral("2");
    bool wasd = true;    // false for arrows
    int connection = -1; // w6's selected index, -1 for none
    PlayerName name;
    QString nameCaption = QStringLiteral("Your name"); // wiz1's caption, named when the name is refused
    bool rightHand = true;                             // w1 ("Right"); false for w2
    bool showWeapon = true;                            // w3 ("Yes, show"); false for w4
    // Why an empty file name is refused, in the window's language: the wizard's own text, as no
    // message key says it.
    QString emptyNameText =
        QStringLiteral("Type a name for the new config file, such as name.cfg, or choose an existing config.");
};
