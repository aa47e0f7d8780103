#pragma once

#include "config/LaterSettings.h"
#include "config/MessageCatalog.h"
#include "config/WorkingConfig.h"
#include "history/PendingWrite.h"
#include "platform/FileError.h"

#include <QString>

#include <functional>

class Dialogs;
class SettingsStore;

// The shell's state for the whole run: the program folder, the working configuration folder
// and file, the one config line store, and the seams to settings and dialogs. Made in main and
// handed to every window by reference.
class AppState final {
public:
    AppState(SettingsStore& settings, Dialogs& dialogs)
        : settings(settings)
        , dialogs(dialogs)
    {
        working.store().setTexts(texts());
    }
    AppState(const AppState&) = delete; // the store's texts hold on to this state
    AppState& operator=(const AppState&) = delete;

    // The program folder, without a trailing separator.
    QString ProgramDir;
    // The game's configuration folder, the working file and its store.
    WorkingConfig working;
    SettingsStore& settings;
    Dialogs& dialogs;

    // The program's messages in the interface language (English until a language file is read).
    MessageCatalog messages;
    QString message(MessageKey key) const { return messages.text(key); }
    // The message spelled `key` (the file errors name theirs so); empty for an unknown key.
    QString message(const QString& key) const { return messages.text(key); }
    // message() as the words of file errors; the state must outlive what holds them.
    FileError::Texts texts() const
    {
        return [this](const QString& key) { return message(key); };
    }

    // Which of the working file's settings a file the game runs after it sets again (the option
    // pages mark them, and Apply asks where to write them); none while it is empty.
    LaterSettingsSource laterSettings;
    // Shows what an action is about to write before it writes (none: every write goes ahead).
    WriteReviewer reviewer;
    // Whether the writes may be made: true when none of them changes a file (nothing is shown)
    // or there is no reviewer, else the reviewer's answer on the writes that change a file.
    bool reviewWrites(const QList<PendingWrite>& writes) const;

    // Loads the working file into the store; on failure shows the error and returns false.
    bool LoadCfg();
    // Saves the store to the file it came from, then loads the working file; on failure shows
    // the error and returns false.
    bool SaveCfg();
};
