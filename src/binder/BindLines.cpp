#include "binder/BindLines.h"

#include "config/CfgStore.h"

namespace BindLines {

void setBind(CfgStore&, const QString&, const QByteArray&) {}

int removeBinds(CfgStore&, const QString&)
{
    return 0;
}

int removeAliasBinds(CfgStore&)
{
    return 0;
}

void setAlias(CfgStore&, const QString&, const QByteArray&) {}

int removeAliasDefinitions(CfgStore&)
{
    return 0;
}

bool hasUnsavedChange(const CfgStore&)
{
    return false;
}

} // namespace BindLines
