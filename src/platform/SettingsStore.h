#pragma once

#include <QLatin1StringView>
#include <QString>

// The declaration of one of the program's settings: its name in the store, its type, and what a
// read gives when the store holds nothing usable.
struct TextSetting {
    QLatin1StringView name; // a missing setting reads as the empty text
};
struct NumberSetting {
    QLatin1StringView name;
    int fallback; // read when the setting is missing or not a whole number
};
// A setting stored as one of two words; a read gives `fallback` unless the store holds one of
// them exactly.
struct SwitchSetting {
    QLatin1StringView name;
    bool fallback;
    QLatin1StringView on;
    QLatin1StringView off;
};

// The program's lasting settings: named string values, read and written one at a time and
// never cached, so that every read sees the last write, also across runs.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The stored text of `name`, or the empty text when there is none.
    virtual QString readText(const QString& name) = 0;
    // Stores `value`. A write that cannot be stored returns false with its cause in `error`.
    virtual bool writeText(const QString& name, const QString& value, QString* error = nullptr) = 0;

    QString read(TextSetting setting) { return readText(setting.name); }
    int read(NumberSetting setting);
    bool read(SwitchSetting setting);
    bool write(TextSetting setting, const QString& value, QString* error = nullptr)
    {
        return writeText(setting.name, value, error);
    }
    bool write(NumberSetting setting, int value, QString* error = nullptr)
    {
        return writeText(setting.name, QString::number(value), error);
    }
    bool write(SwitchSetting setting, bool value, QString* error = nullptr)
    {
        return writeText(setting.name, value ? setting.on : setting.off, error);
    }
};
