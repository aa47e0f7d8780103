#pragma once

#include "platform/Shell.h"

class QtShell final : public Shell {
public:
    void open(const QString& fileOrUrl, std::function<void()> failed = {}) override;
    bool start(const QString& path) override;
    bool CopyFileToFolder(const QString& source, const QString& folder, QString* error = nullptr) override;
};
