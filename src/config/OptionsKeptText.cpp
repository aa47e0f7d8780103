#include "config/OptionsKeptText.h"

#include "config/TextCodec.h"

QString KeptText::take(const QByteArray& bytes)
{
    const TextCodec::Decoded decoded = TextCodec::decode(bytes);
    m_bytes = bytes;
    m_shown = decoded.text;
    m_latin1 = decoded.latin1;
    return m_shown;
}

QByteArray KeptText::bytesFor(const QString& shown) const
{
    return shown == m_shown ? m_bytes : TextCodec::encode(shown, m_latin1);
}
