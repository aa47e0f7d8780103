#include "history/History.h"

#include "history/VersionFile.h"
#include "platform/FileCopy.h"
#include "platform/FileError.h"
#include "platform/WriteCheck.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace {

const QString VersionSuffix = QStringLiteral(".version");

QByteArray digest(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

// The game file's path as the history names it: the same file gives the same text however it
// was reached, through a link to its folder or with "." and ".." in it.
QString identity(const QString& gamePath)
{
    const QFileInfo info(gamePath);
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    QString path = QDir::cleanPath((folder.isEmpty() ? info.absolutePath() : folder) + u'/' + info.fileName());
#ifdef Q_OS_WIN
    path = path.toLower();
#endif
    return path;
}

// Makes `folder` and the folders above it that are missing, refusing where the permission bits
// say no (they decide, as for every other write of the program).
bool makeFolder(const QString& folder, QString* error)
{
    const QFileInfo info(folder);
    if (info.isDir())
        return true;
    if (!makeFolder(info.absolutePath(), error))
        return false;
    if (const QString refusal = WriteCheck::refusal(folder); !refusal.isEmpty()) {
        if (error)
            *error = refusal;
        return false;
    }
    if (QDir().mkdir(folder))
        return true;
    if (error)
        *error = FileError::text({}, "cannotwrite", folder, QStringLiteral("the folder cannot be made"));
    return false;
}

} // namespace

History::History(QString root, Clock clock)
    : m_root(std::move(root))
    , m_clock(std::move(clock))
{}

History History::in(const QString& programFolder, Clock clock)
{
    return History(QDir(programFolder).filePath(QStringLiteral("history")), std::move(clock));
}

QString History::folderFor(const QString& gamePath) const
{
    const QString path = identity(gamePath);
    QString name = QFileInfo(path).fileName().left(64);
    for (QChar& c : name) {
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != u'.' && c != u'-' && c != u'_')
            c = u'_';
    }
    return m_root + u'/' + name + u'-' + QString::fromLatin1(digest(path.toUtf8()).left(16));
}

QDateTime History::now() const
{
    return (m_clock ? m_clock() : QDateTime::currentDateTimeUtc()).toUTC();
}

QList<History::Entry> History::entries(const QString& folder) const
{
    QList<Entry> list;
    const QStringList names = QDir(folder).entryList({u'*' + VersionSuffix}, QDir::Files);
    for (const QString& name : names) {
        bool number = false;
        const qint64 n = name.chopped(VersionSuffix.size()).toLongLong(&number);
        const QString file = folder + u'/' + name;
        const std::optional<VersionFile::Header> h = number ? VersionFile::readHeader(file) : std::nullopt;
        if (h)
            list.append({file, n, h->size, isBackup(h->action)});
    }
    std::sort(list.begin(), list.end(), [](const Entry& a, const Entry& b) { return a.number < b.number; });
    return list;
}

bool History::keep(const QString& gamePath, const QString& action, QString* error)
{
    return !QFileInfo::exists(gamePath) || keepVersion(gamePath, action, false, error);
}

bool History::keepBackup(const QString& gamePath, const QString& name, QString* error)
{
    return keepVersion(gamePath, backupAction(name), true, error);
}

QString History::backupAction(const QString& name)
{
    QString clean = name;
    for (QChar& c : clean) {
        if (c.category() == QChar::Other_Control)
            c = u' ';
    }
    return Backup + QStringLiteral(": ") + clean.trimmed();
}

bool History::isBackup(const QString& action, QString* name)
{
    const QString prefix = Backup + QStringLiteral(": ");
    if (!action.startsWith(prefix))
        return false;
    if (name)
        *name = action.mid(prefix.size());
    return true;
}

bool History::keepVersion(const QString& gamePath, const QString& action, bool always, QString* error)
{
    QString why;
    const std::optional<QByteArray> current = FileCopy::readWhole(gamePath, &why);
    if (current && keepBytes(gamePath, *current, action, always, &why))
        return true;
    if (error) {
        *error = (always ? QStringLiteral("%1 cannot be kept as a version. %2")
                         : QStringLiteral("%1 was left as it is: its version before the change cannot be kept. %2"))
                     .arg(QDir::toNativeSeparators(gamePath), why);
    }
    return false;
}

bool History::keepBytes(const QString& gamePath, const QByteArray& bytes, const QString& action, bool always,
                        QString* error)
{
    const QString folder = folderFor(gamePath);
    if (!makeFolder(folder, error))
        return false;
    QList<Entry> kept = entries(folder);
    if (!always && !kept.isEmpty() && kept.last().size == bytes.size() &&
        VersionFile::readBytes(kept.last().file) == bytes)
        return true;
    const QString pathNote = folder + QStringLiteral("/path.txt");
    if (!QFileInfo::exists(pathNote) && !FileCopy::writeWhole(pathNote, identity(gamePath).toUtf8() + '\n', error))
        return false;
    const qint64 number = kept.isEmpty() ? 1 : kept.last().number + 1;
    const QString file = folder + u'/' + QStringLiteral("%1").arg(number, 8, 10, QLatin1Char('0')) + VersionSuffix;
    if (!VersionFile::write(file, {now(), action, bytes.size()}, bytes, error))
        return false;
    kept.append({file, number, bytes.size(), isBackup(action)});
    prune(kept);
    return true;
}

void History::prune(QList<Entry> kept) const
{
    qint64 total = 0;
    for (const Entry& e : kept)
        total += e.size;
    // The oldest go first, backups after every other version; the one just kept (the last)
    // stays. One that cannot be removed now goes at the next keep.
    while (kept.size() > 1 && (kept.size() > MaxVersions || total > MaxBytes)) {
        const auto plain = std::find_if(kept.cbegin(), kept.cend() - 1, [](const Entry& e) { return !e.backup; });
        const qsizetype drop = plain == kept.cend() - 1 ? 0 : plain - kept.cbegin();
        total -= kept[drop].size;
        QFile::remove(kept.takeAt(drop).file);
    }
}

bool History::written(const QString& gamePath, QString* error)
{
    const std::optional<QByteArray> current = FileCopy::readWhole(gamePath, error);
    return current && see(gamePath, *current, error);
}

bool History::see(const QString& gamePath, const QByteArray& bytes, QString* error)
{
    const QString folder = folderFor(gamePath);
    return makeFolder(folder, error) &&
           FileCopy::writeWhole(folder + QStringLiteral("/seen"), digest(bytes) + '\n', error);
}

QList<HistoryVersion> History::versions(const QString& gamePath) const
{
    QList<HistoryVersion> list;
    const QList<Entry> kept = entries(folderFor(gamePath));
    for (auto e = kept.rbegin(); e != kept.rend(); ++e) {
        if (const std::optional<VersionFile::Header> h = VersionFile::readHeader(e->file))
            list.append({h->time, h->action, h->size});
    }
    return list;
}

std::optional<QByteArray> History::bytes(const QString& gamePath, int n) const
{
    const QList<Entry> kept = entries(folderFor(gamePath));
    if (n < 1 || n > kept.size())
        return std::nullopt;
    return VersionFile::readBytes(kept[kept.size() - n].file);
}

bool History::restore(const QString& gamePath, int n, QString* error)
{
    const std::optional<QByteArray> wanted = bytes(gamePath, n);
    if (!wanted) {
        if (error) {
            *error = QStringLiteral("%1 has no version %2").arg(QDir::toNativeSeparators(gamePath)).arg(n);
        }
        return false;
    }
    return put(gamePath, *wanted, QString(Restore), error);
}

bool History::put(const QString& gamePath, const QByteArray& bytes, const QString& action, QString* error)
{
    if (QFile file(gamePath); file.open(QIODevice::ReadOnly) && file.readAll() == bytes)
        return true; // the file holds those bytes: nothing to write
    if (const QString refusal = WriteCheck::refusal(gamePath); !refusal.isEmpty()) {
        if (error)
            *error = refusal;
        return false;
    }
    if (!keep(gamePath, action, error))
        return false;
    return FileCopy::writeWhole(gamePath, bytes, error) && written(gamePath, error);
}

bool History::noticeOutsideChange(const QString& gamePath, const QByteArray& current, QString* error)
{
    QFile seen(folderFor(gamePath) + QStringLiteral("/seen"));
    const QByteArray last = seen.open(QIODevice::ReadOnly) ? seen.readLine(200).trimmed() : QByteArray();
    if (last == digest(current))
        return false;
    if (error)
        error->clear();
    const bool changed = !last.isEmpty();
    if (changed && !keepBytes(gamePath, current, QString(ChangedOutside), false, error))
        return true;
    see(gamePath, current, error);
    return changed;
}
