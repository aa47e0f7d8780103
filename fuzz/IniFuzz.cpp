// The INI reader and writer: any bytes read; writing one key changes one line (or adds it, with
// its section when missing), keeps every other line's bytes, and reads back; rewriting a file
// the writer wrote gives the same bytes.
#include "FuzzSupport.h"

#include "config/TextLines.h"
#include "language/IniFile.h"

#include <QFile>

using FuzzSupport::require;

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const QString section = QString::fromLatin1(FuzzSupport::plainName(data, 10));
    const QString key = QString::fromLatin1(FuzzSupport::plainName(data, 10));
    // Any text on one line: blanks at its ends are not kept, and a text is cut at its length limit.
    const QString value = QString::fromUtf8(FuzzSupport::plainValue(data, 60)).trimmed();
    const std::string fileBytes = data.ConsumeRemainingBytesAsString();
    const QByteArray original(fileBytes.data(), qsizetype(fileBytes.size()));

    const QString path = FuzzSupport::scratchDir() + QStringLiteral("/fuzz.ini");
    {
        QFile file(path);
        require(file.open(QIODevice::WriteOnly) && file.write(original) == original.size(), "scratch file written");
    }
    for (const IniFile::Entry& entry : IniFile::readSection(path, section))
        require(!entry.second.isEmpty() && entry.second.size() <= IniFile::MaxTextLength, "entries have a text");
    const QString old = IniFile::readKey(path, section, key);
    require(old.size() <= IniFile::MaxTextLength, "a text is cut at its limit");

    require(IniFile::writeKey(path, section, key, value), "write");
    const QByteArray written = readAll(path);
    bool found = false;
    require(IniFile::readKey(path, section, key, &found) == value && found, "a value written reads back");
    // One line replaced, or one entry added (with its section header when that was missing).
    require(FuzzSupport::differsOnlyBetween(TextLines::split(original), TextLines::split(written), 1, 2),
            "lines the write did not touch keep their bytes");

    // The writer's own output, written again with the same key, stays byte for byte.
    require(IniFile::writeKeys(path, section, {}) && readAll(path) == written, "rewrite is idempotent");
    require(IniFile::writeKey(path, section, key, value) && readAll(path) == written, "same write, same bytes");
    return 0;
}
