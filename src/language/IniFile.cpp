#include "language/IniFile.h"

#include "config/TextLines.h"
#include "platform/WriteCheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>

#include <optional>
#include <vector>

namespace {

const QByteArray Bom("\xEF\xBB\xBF");

QString shownPath(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// Only spaces and tabs count: a no-break space at the end of a translated text is text.
QString trimBlanks(QStringView s)
{
    qsizetype begin = 0;
    qsizetype end = s.size();
    while (begin < end && isBlank(s[begin]))
        ++begin;
    while (end > begin && isBlank(s[end - 1]))
        --end;
    return s.sliced(begin, end - begin).toString();
}

QString cutText(QString text)
{
    if (text.size() > IniFile::MaxTextLength) {
        qsizetype n = IniFile::MaxTextLength;
        if (text[n - 1].isHighSurrogate())
            --n; // never leave half a character behind
        text.truncate(n);
    }
    return text;
}

// The file's lines without their ends; the first keeps its byte order mark.
struct Lines {
    std::vector<QByteArray> raw;
    QByteArray original;

    QString text(size_t i) const
    {
        const QByteArray& line = raw[i];
        if (i == 0 && line.startsWith(Bom))
            return QString::fromUtf8(line.sliced(Bom.size()));
        return QString::fromUtf8(line);
    }
};

// A missing file gives no lines and no error.
bool readLines(const QString& path, Lines& lines, QString* error)
{
    QFile file(path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Cannot read %1: %2").arg(shownPath(path), file.errorString());
        return false;
    }
    lines.original = file.readAll();
    for (QByteArray& line : TextLines::split(lines.original))
        lines.raw.push_back(std::move(line));
    return true;
}

std::optional<QString> sectionName(const QString& line)
{
    const QString trimmed = trimBlanks(line);
    if (!trimmed.startsWith(QLatin1Char('[')))
        return std::nullopt;
    qsizetype close = trimmed.indexOf(QLatin1Char(']'));
    if (close < 0)
        close = trimmed.size();
    return trimBlanks(QStringView(trimmed).sliced(1, close - 1));
}

// False for a line without "=", which is no entry.
bool splitEntry(const QString& line, QString& key, QString& text)
{
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq < 0)
        return false;
    key = trimBlanks(QStringView(line).first(eq));
    text = cutText(trimBlanks(QStringView(line).sliced(eq + 1)));
    return true;
}

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The lines of the first section called `section`: from its header to the next header or the
// end. nullopt when there is no such section.
struct Range {
    size_t header;
    size_t end;
};

std::optional<Range> findSection(const Lines& lines, const QString& section)
{
    const QString wanted = trimBlanks(section);
    for (size_t i = 0; i < lines.raw.size(); ++i) {
        const std::optional<QString> name = sectionName(lines.text(i));
        if (!name || !sameName(*name, wanted))
            continue;
        size_t end = i + 1;
        while (end < lines.raw.size() && !sectionName(lines.text(end)))
            ++end;
        return Range{i, end};
    }
    return std::nullopt;
}

QString oneLine(QString value)
{
    value.replace(QLatin1Char('\r'), QLatin1Char(' '));
    value.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return value;
}

} // namespace

QList<IniFile::Entry> IniFile::readSection(const QString& path, const QString& section)
{
    Lines lines;
    QList<Entry> entries;
    if (!readLines(path, lines, nullptr))
        return entries;
    const std::optional<Range> range = findSection(lines, section);
    if (!range)
        return entries;
    for (size_t i = range->header + 1; i < range->end; ++i) {
        QString key;
        QString text;
        if (splitEntry(lines.text(i), key, text) && !text.isEmpty())
            entries.append({key, text});
    }
    return entries;
}

QString IniFile::readKey(const QString& path, const QString& section, const QString& key, bool* found)
{
    if (found)
        *found = false;
    Lines lines;
    if (!readLines(path, lines, nullptr))
        return QString();
    const std::optional<Range> range = findSection(lines, section);
    if (!range)
        return QString();
    const QString wanted = trimBlanks(key);
    for (size_t i = range->header + 1; i < range->end; ++i) {
        QString name;
        QString text;
        if (splitEntry(lines.text(i), name, text) && sameName(name, wanted)) {
            if (found)
                *found = true;
            return text;
        }
    }
    return QString();
}

bool IniFile::writeKey(const QString& path, const QString& section, const QString& key, const QString& value,
                       QString* error)
{
    return writeKeys(path, section, {{key, value}}, error);
}

bool IniFile::writeKeys(const QString& path, const QString& section, const QList<Entry>& entries, QString* error)
{
    Lines lines;
    if (!readLines(path, lines, error))
        return false;

    std::optional<Range> range = findSection(lines, section);
    if (!range) {
        lines.raw.push_back(QStringLiteral("[%1]").arg(trimBlanks(section)).toUtf8());
        range = Range{lines.raw.size() - 1, lines.raw.size()};
    }

    // Where each key of the section stands (its first entry) and how the file spells it, and
    // where new entries go: after the section's last non-blank line, so that blank lines before
    // the next section stay there.
    struct Known {
        size_t line;
        QString name;
    };
    QHash<QString, Known> where;
    size_t insertAt = range->header + 1;
    for (size_t i = range->header + 1; i < range->end; ++i) {
        const QString line = lines.text(i);
        if (!trimBlanks(line).isEmpty())
            insertAt = i + 1;
        QString name;
        QString text;
        if (splitEntry(line, name, text) && !where.contains(name.toCaseFolded()))
            where.insert(name.toCaseFolded(), {i, name});
    }

    for (const Entry& entry : entries) {
        const QString key = trimBlanks(entry.first);
        const QString value = oneLine(entry.second);
        const QString folded = key.toCaseFolded();
        const auto it = where.constFind(folded);
        if (it != where.constEnd()) {
            // The entry keeps its name as the file spells it; only its text changes.
            lines.raw[it->line] = (it->name + QLatin1Char('=') + value).toUtf8();
            continue;
        }
        // Every known entry stands before insertAt, so inserting there moves none of them.
        lines.raw.insert(lines.raw.begin() + static_cast<std::ptrdiff_t>(insertAt),
                         (key + QLatin1Char('=') + value).toUtf8());
        where.insert(folded, {insertAt, key});
        ++insertAt;
    }

    QByteArray bytes;
    for (const QByteArray& line : lines.raw)
        bytes.append(line).append("\r\n");
    if (bytes == lines.original)
        return true;

    return replaceFile(path, bytes, error);
}

bool IniFile::replaceFile(const QString& path, const QByteArray& bytes, QString* error)
{
    if (const QString refused = WriteCheck::refusal(path); !refused.isEmpty()) {
        if (error)
            *error = refused;
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = QStringLiteral("Cannot write %1: %2").arg(shownPath(path), file.errorString());
        file.cancelWriting();
        return false;
    }
    return true;
}
