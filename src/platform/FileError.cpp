#include "platform/FileError.h"

#include <QDir>

namespace FileError {

const QList<std::pair<const char*, QString>>& english()
{
    static const QList<std::pair<const char*, QString>> table = {
        {"cannotread", QStringLiteral("Cannot read %1: %2")},
        {"cannotwrite", QStringLiteral("Cannot write %1: %2")},
        {"cannotdelete", QStringLiteral("Cannot delete %1: %2")},
        {"filetoolarge",
         QStringLiteral("Cannot read %1: the file is larger than 4 MiB and is not a configuration file")},
        {"filereadonly", QStringLiteral("Cannot write %1: the file is read-only")},
        {"foldermissing", QStringLiteral("Cannot write %1: the folder %2 does not exist")},
        {"folderreadonly", QStringLiteral("Cannot write %1: the folder %2 is not writable")},
        // A save writes the new file beside the old one and then puts it in its place.
        {"folderreadonlysave",
         QStringLiteral(
             "Cannot write %1: the folder %2 is not writable (a save writes the new file beside the old one)")},
    };
    return table;
}

QString text(const Texts& texts, const char* key, const QString& file, const QString& detail)
{
    QString words = texts ? texts(QLatin1String(key)) : QString();
    if (words.isEmpty()) {
        for (const auto& [k, english] : english()) {
            if (qstrcmp(k, key) == 0)
                words = english;
        }
    }
    const QString shown = QDir::toNativeSeparators(file);
    // A translation that leaves out the cause still names the file.
    return words.contains(QLatin1String("%2")) ? words.arg(shown, detail) : words.arg(shown);
}

} // namespace FileError
