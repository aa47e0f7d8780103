#pragma once

#include "platform/Shell.h"

class QtShell final : public Shell {
public:
    bool open(const QString& fileOrUrl) override;
    bool CopyFileToFolder(const QString& source, const QString& folder) override;
};
