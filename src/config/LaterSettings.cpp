#include "config/LaterSettings.h"

#include "config/ConsoleLine.h"

QByteArray LaterSettings::key(QByteArrayView name)
{
    QByteArray out;
    for (const QByteArray& token : ConsoleLine::tokens(name))
        out += (out.isEmpty() ? QByteArray() : QByteArray(" ")) + token.toLower();
    return out;
}

const LaterSetting* LaterSettings::find(QByteArrayView name) const
{
    const auto it = m_settings.constFind(key(name));
    return it == m_settings.cend() ? nullptr : &it.value();
}
