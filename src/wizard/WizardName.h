#pragma once

#include <QString>

class AppState;

// What a file name typed on the wizard's first page stands for, judged against the configuration
// folder and the working file before anything is written.
namespace WizardName {

enum class Kind {
    WorkingFile, // write into the working file: "MyName.CFG", or a name that denotes that file
    NewFile,     // no such file yet: made as a copy of the working file
    OtherFile,   // another existing file: replaced by that copy only after the user agrees
    Refused,     // not a name the wizard writes; `refusal` says why
};

enum class Refusal {
    None,
    EmptyName,      // no name at all
    NotBareName,    // a path, a device or a name Windows would change
    WrongExtension, // not name.cfg
};

struct Verdict {
    Kind kind = Kind::Refused;
    Refusal refusal = Refusal::None;
};

// Why the wizard refuses `typed` whatever the folder holds, as classify says; None for a name it
// accepts.
Refusal refusal(const QString& typed);

// The words of a refusal in the interface language: the message of its key, or, for an empty name,
// `emptyNameText` (the wizard's own text, as no message says it); empty for None.
QString reason(Refusal refusal, const AppState& state, const QString& emptyNameText);

// A bare file name ending in ".cfg" (any letter case) with something before it. Names that would
// reach outside the folder, open a device or be changed by Windows on the way are refused as
// NotBareName: separators, drive colons, "..", control characters, the characters Windows does not
// allow in a name, device names (CON, NUL, COM1 ...) and a trailing dot or blank.
Verdict classify(const QString& typed, const QString& cfgDir, const QString& cfgFile);

// Whether `name` is a device name of Windows (CON, PRN, AUX, NUL, COM1-9, LPT1-9), whatever
// follows its first dot: "nul.cfg" opens the device there, not a file.
bool isDeviceName(const QString& name);

} // namespace WizardName
