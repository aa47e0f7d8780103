#include "config/TextCodec.h"

#include <QStringDecoder>

namespace TextCodec {

bool isWritable(const QString& text)
{
    return !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n'));
}

Decoded decode(const QByteArray& bytes)
{
    // A leading byte-order mark is a character of the value, not a mark to drop.
    QStringDecoder decoder(QStringConverter::System,
                           QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    if (!decoder.hasError())
        return {text, false};
    return {QString::fromLatin1(bytes), true};
}

QByteArray encode(const QString& text, bool latin1)
{
    if (!latin1)
        return text.toLocal8Bit();
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        if (text.at(i).unicode() <= 0xff) {
            bytes.append(static_cast<char>(text.at(i).unicode()));
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < text.size() && text.at(end).unicode() > 0xff)
            ++end;
        bytes.append(QStringView(text).mid(i, end - i).toLocal8Bit());
        i = end;
    }
    return bytes;
}

} // namespace TextCodec
