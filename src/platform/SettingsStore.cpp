#include "platform/SettingsStore.h"

int SettingsStore::read(NumberSetting setting)
{
    bool whole = false;
    const int value = readText(setting.name).trimmed().toInt(&whole);
    return whole ? value : setting.fallback;
}

bool SettingsStore::read(SwitchSetting setting)
{
    const QString value = readText(setting.name);
    if (value == setting.on)
        return true;
    if (value == setting.off)
        return false;
    return setting.fallback;
}
