#pragma once

#include <QString>

// The program's lasting settings: named string values, read and written one at a time and
// never cached, so that every read sees the last write, also across runs.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // `action` is "read" or "write" (compared exactly). "read" gives the value, or the empty
    // text when it does not exist; "write" stores `value`. Any other action does nothing.
    // A write that cannot be stored leaves its cause in `error` (left alone on success).
    virtual QString AccessSetting(const QString& action, const QString& name, const QString& value = QString(),
                                  QString* error = nullptr) = 0;

    // Shorthands for the two actions; `write` returns false (with `error`) when it could not store.
    QString read(const QString& name) { return AccessSetting(QStringLiteral("read"), name); }
    bool write(const QString& name, const QString& value, QString* error = nullptr);
};
