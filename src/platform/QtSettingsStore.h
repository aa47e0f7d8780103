#pragma once

#include "platform/SettingsStore.h"

#include <QStringList>

#include <memory>

class QSettings;

// Settings in the registry key HKEY_CURRENT_USER\Software\Quarvel on Windows, and in an INI
// file elsewhere (or wherever --settings FILE / QVL_SETTINGS point). Each access opens,
// acts, syncs and closes.
class QtSettingsStore final : public SettingsStore {
public:
    // An empty path means the platform's own place (the registry, or defaultIniPath()).
    explicit QtSettingsStore(QString iniPath = QString());

    QString readText(const QString& name) override;
    bool writeText(const QString& name, const QString& value, QString* error = nullptr) override;

    const QString& iniPath() const { return m_iniPath; }

    // ~/.config/Quarvel/settings.ini (the user's configuration folder).
    static QString defaultIniPath();
    // The file named by `--settings FILE` (or `--settings=FILE`) in `args`, else by the
    // environment variable QVL_SETTINGS, else the empty text.
    static QString overridePath(const QStringList& args);

private:
    // The settings, opened afresh; an INI file that does not exist yet is made empty.
    std::unique_ptr<QSettings> open() const;
    // Where the settings are, for messages.
    QString place() const;

    QString m_iniPath;
};
