#pragma once

#include <QString>

// The product's name, version and web address, in one place.
namespace Product {

inline QString title()
{
    return QStringLiteral("Quarvel");
}
inline QString version()
{
    return QStringLiteral(QVL_VERSION);
}
inline QString caption()
{
    return title() + QLatin1Char(' ') + version();
}
inline QString homePage()
{
    return QStringLiteral("http://www.quarvel.org");
}

} // namespace Product
