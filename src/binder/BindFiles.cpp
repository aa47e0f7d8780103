#include "binder/BindFiles.h"

#include "config/AppState.h"

namespace BindFiles {

bool ensureAutoexec(const QString&, QString*)
{
    return false;
}

bool WriteBind(AppState&, const QString&, const QByteArray&, QString*)
{
    return false;
}

bool UnbindKey(AppState&, const QString&, QString*, int*)
{
    return false;
}

bool RemoveAllAliases(AppState&, QString*)
{
    return false;
}

} // namespace BindFiles
