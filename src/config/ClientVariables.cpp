#include "config/ClientVariables.h"

namespace ClientVariables {

std::optional<QByteArray> connectionRate(int index)
{
    if (index < 0 || index >= int(Connections.size()))
        return std::nullopt;
    return QByteArray(Connections[size_t(index)].rate);
}

} // namespace ClientVariables
