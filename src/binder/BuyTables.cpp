#include "binder/BuyTables.h"

namespace BuyTables {

const QList<BuyItem>& items()
{
    static const QList<BuyItem> rows;
    return rows;
}

const BuyItem* equipment(int)
{
    return nullptr;
}

const BuyItem* primary(int)
{
    return nullptr;
}

const BuyItem* secondary(int)
{
    return nullptr;
}

QByteArray ammoScript(int)
{
    return {};
}

QByteArray radioScript(int)
{
    return {};
}

QStringList equipmentNames()
{
    return {};
}

QStringList primaryNames()
{
    return {};
}

QStringList secondaryNames()
{
    return {};
}

QStringList ammoNames()
{
    return {};
}

QStringList radioNames()
{
    return {};
}

} // namespace BuyTables
