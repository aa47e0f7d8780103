#include "binder/BindReader.h"

#include "config/CfgStore.h"

const BoundKey* BindReading::find(const QString&) const
{
    return nullptr;
}

namespace BindReader {

BindReading read(const CfgStore&)
{
    return {};
}

BindReading readBytes(const QByteArray&)
{
    return {};
}

BindReading readLines(const std::vector<QByteArray>&)
{
    return {};
}

} // namespace BindReader
