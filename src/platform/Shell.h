#pragma once

#include <QString>

#include <functional>

// The desktop shell: opening a file or address with its associated program, starting a program,
// and copying a file into a folder.
class Shell {
public:
    virtual ~Shell() = default;
    // Opens a file or a web address with the program the desktop associates with it. `failed`
    // runs when no program could open it: at once, or once the desktop has answered.
    virtual void open(const QString& fileOrUrl, std::function<void()> failed = {}) = 0;
    // Starts the program `path` with no arguments, in a normal window. True when it started.
    virtual bool start(const QString& path) = 0;
    // Copies `source` into `folder` under its own name, replacing a file of that name. True on
    // success; otherwise `error` names the file and the cause.
    virtual bool CopyFileToFolder(const QString& source, const QString& folder, QString* error = nullptr) = 0;
};
