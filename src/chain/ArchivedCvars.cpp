#include "chain/ArchivedCvars.h"

#include "config/TextLines.h"

#include <QDir>
#include <QFile>

QString ArchivedCvars::pathIn(const QString& dataDir)
{
    return dataDir + QStringLiteral("/archived-cvars.txt");
}

bool ArchivedCvars::load(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error) {
            *error = QStringLiteral("Cannot read the list of archived variables %1: %2")
                         .arg(QDir::toNativeSeparators(path), file.errorString());
        }
        return false;
    }
    QSet<QByteArray> names;
    for (const QByteArray& line : TextLines::split(file.readAll())) {
        const QByteArray name = line.trimmed().toLower();
        if (!name.isEmpty() && !name.startsWith("//"))
            names.insert(name);
    }
    m_names = std::move(names);
    return true;
}

bool ArchivedCvars::contains(QByteArrayView name) const
{
    return m_names.contains(name.toByteArray().toLower());
}
