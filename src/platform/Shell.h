#pragma once

#include <QString>

// The desktop shell: opening a file or address with its associated program, and copying a
// file into a folder.
class Shell {
public:
    virtual ~Shell() = default;
    // Opens a file or a web address with the program the desktop associates with it.
    virtual bool open(const QString& fileOrUrl) = 0;
    // Copies `source` into `folder` under its own name, replacing a file of that name.
    // True on success.
    virtual bool CopyFileToFolder(const QString& source, const QString& folder) = 0;
};
