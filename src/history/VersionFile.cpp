#include "history/VersionFile.h"

#include "platform/FileError.h"
#include "platform/WriteCheck.h"

#include <QFile>
#include <QSaveFile>

namespace VersionFile {

namespace {

const QByteArray Magic = QByteArrayLiteral("QVLVERSION 1");
// A header is short; a longer first line is no header of ours.
constexpr qint64 MaxHeader = 4096;

std::optional<Header> parse(const QByteArray& line)
{
    const QList<QByteArray> fields = line.split('\t');
    if (fields.size() != 4 || fields[0] != Magic)
        return std::nullopt;
    Header h;
    h.time = QDateTime::fromString(QString::fromLatin1(fields[1]), Qt::ISODateWithMs);
    bool number = false;
    h.size = fields[2].toLongLong(&number);
    h.action = QString::fromUtf8(QByteArray::fromPercentEncoding(fields[3]));
    if (!h.time.isValid() || !number || h.size < 0)
        return std::nullopt;
    h.time = h.time.toUTC();
    return h;
}

} // namespace

QByteArray header(const Header& h)
{
    return Magic + '\t' + h.time.toUTC().toString(Qt::ISODateWithMs).toLatin1() + '\t' + QByteArray::number(h.size) +
           '\t' + h.action.toUtf8().toPercentEncoding(" !\"#$&'()*+,-./:;<=>?@[\\]^_`{|}~") + '\n';
}

std::optional<Header> readHeader(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray line = file.readLine(MaxHeader);
    if (!line.endsWith('\n'))
        return std::nullopt;
    std::optional<Header> h = parse(line.chopped(1));
    if (h && file.size() - file.pos() != h->size)
        return std::nullopt;
    return h;
}

std::optional<QByteArray> readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray line = file.readLine(MaxHeader);
    const std::optional<Header> h = line.endsWith('\n') ? parse(line.chopped(1)) : std::nullopt;
    if (!h)
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (bytes.size() != h->size)
        return std::nullopt;
    return bytes;
}

bool write(const QString& path, const Header& h, const QByteArray& bytes, QString* error)
{
    const auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    if (const QString refusal = WriteCheck::refusal(path); !refusal.isEmpty())
        return fail(refusal);
    QSaveFile file(path);
    const QByteArray head = header(h);
    if (!file.open(QIODevice::WriteOnly) || file.write(head) != head.size() || file.write(bytes) != bytes.size() ||
        !file.commit()) {
        const QString why = FileError::text({}, "cannotwrite", path, file.errorString());
        file.cancelWriting();
        return fail(why);
    }
    return true;
}

} // namespace VersionFile
