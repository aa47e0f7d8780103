#pragma once

#include "platform/FileError.h"
#include "platform/Shell.h"

class QtShell final : public Shell {
public:
    void open(const QString& fileOrUrl, std::function<void()> failed = {}) override;
    bool start(const QString& path) override;
    bool CopyFileToFolder(const QString& source, const QString& folder, QString* error = nullptr) override;

    // The words of the copy's errors (English without them).
    void setTexts(FileError::Texts texts) { m_texts = std::move(texts); }

private:
    FileError::Texts m_texts;
};
