#include "platform/MachineRegistry.h"

#ifdef Q_OS_WIN
#include <QSettings>
#endif

QString NativeMachineRegistry::readString(Root root, const QString& key, const QString& name) const
{
#ifdef Q_OS_WIN
    const QString rootName =
        root == Root::LocalMachine ? QStringLiteral("HKEY_LOCAL_MACHINE\\") : QStringLiteral("HKEY_CURRENT_USER\\");
    const QSettings reg(rootName + key, QSettings::NativeFormat);
    return reg.value(name).toString();
#else
    Q_UNUSED(root);
    Q_UNUSED(key);
    Q_UNUSED(name);
    return QString();
#endif
}
