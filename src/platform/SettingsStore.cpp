#include "platform/SettingsStore.h"

bool SettingsStore::write(const QString& name, const QString& value, QString* error)
{
    QString cause;
    AccessSetting(QStringLiteral("write"), name, value, &cause);
    if (!cause.isEmpty() && error)
        *error = cause;
    return cause.isEmpty();
}
