#pragma once

#include <QString>

class AppState;
struct WizardAnswers;

// What the wizard's window does after Done.
struct WizardResult {
    enum class Outcome {
        Written,    // the configuration is written: close the wizard and refresh the main window
        BackToName, // the file name was refused or the user kept the other file: show page t1
        Stopped,    // an error was shown; nothing changed: stay where it is
        Cancelled,  // the user cancelled the review of the writes; nothing changed: stay where it is
    };
    Outcome outcome = Outcome::Stopped;
    QString cfgFile;        // the working file afterwards (a new one is rescanned and selected)
    bool newFile = false;   // the working file switched to another file
    bool showServer = true; // whether the Server options tab shows
    int mouseButtons = 0;   // the count for the binder's mouse picture

    bool written() const { return outcome == Outcome::Written; }
};

// Writes the wizard's answers into a configuration: checks everything first and changes nothing
// on an error (shown through state.dialogs); asks before replacing another file; shows the file's
// changes for review (state.reviewWrites) and writes nothing when they are refused; makes a new file
// as a whole copy of the working file, which then becomes the working file; reads the working file
// afresh, sets the answers' variables and saves it; then stores the settings show_server,
// mouse_btns and cfg_file. A write that fails after something was written puts back the file's
// old bytes (or removes the new file); when that fails too, the error says so as well.
WizardResult WriteWizardConfig(AppState& state, const WizardAnswers& answers);
