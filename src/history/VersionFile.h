#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

// One kept version on disk: a file `<number>.version` whose first line is a header and whose rest
// is the game file's bytes exactly as they were:
//     QVLVERSION 1<TAB>TIME<TAB>SIZE<TAB>ACTION<LF>
// TIME is ISO 8601 in UTC with milliseconds, SIZE the number of bytes that follow, ACTION the
// action's name in UTF-8 with '%', tabs and line ends percent-encoded. A file whose header does
// not parse, or that holds fewer bytes than its header says (a copy cut short), is not a version.
namespace VersionFile {

struct Header {
    QDateTime time; // UTC
    QString action;
    qint64 size = 0;
};

QByteArray header(const Header& h);
// The header of the version file at `path`, read without its bytes.
std::optional<Header> readHeader(const QString& path);
// The bytes kept in the version file at `path`.
std::optional<QByteArray> readBytes(const QString& path);
// Writes the whole version file beside its place, then renames it into place: a crash leaves
// either no file or the complete one. False with `error` ("Cannot write ...: cause") otherwise.
bool write(const QString& path, const Header& h, const QByteArray& bytes, QString* error);

} // namespace VersionFile
