#include "binder/KeyNames.h"

namespace KeyNames {

QString canonical(const QString&)
{
    return {};
}

bool isKnown(const QString& name)
{
    return !canonical(name).isEmpty();
}

bool sameKey(const QString&, const QString&)
{
    return false;
}

QString aliasFor(const QString&)
{
    return {};
}

const QStringList& all()
{
    static const QStringList keys;
    return keys;
}

} // namespace KeyNames
