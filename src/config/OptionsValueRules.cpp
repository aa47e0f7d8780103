#include "config/OptionsValueRules.h"

#include <QList>
#include <QString>

namespace OptionsValueRules {

std::optional<int> integer(QStringView text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

std::optional<double> minutes(QStringView text)
{
    int digits = 0;
    int points = 0;
    for (const QChar c : text) {
        if (c == QLatin1Char('.'))
            ++points;
        else if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            ++digits;
        else
            return std::nullopt;
    }
    if (digits == 0 || points > 1)
        return std::nullopt;
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

std::optional<std::array<int, 3>> rgb(QStringView text)
{
    const QList<QStringView> parts = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.size() != 3)
        return std::nullopt;
    std::array<int, 3> colour{};
    for (size_t i = 0; i < colour.size(); ++i) {
        const std::optional<int> n = integer(parts[qsizetype(i)]);
        if (!n || *n < 0 || *n > 255)
            return std::nullopt;
        colour[i] = *n;
    }
    return colour;
}

} // namespace OptionsValueRules
