#include "app/CfgFolder.h"

#include <QDir>
#include <QDirIterator>

#include <algorithm>

namespace CfgFolder {

QString uninstallKey()
{
    return QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Half-Life: Counter-Strike");
}

QString uninstallValue()
{
    return QStringLiteral("UninstallString");
}

QString folderFromUninstallString(const QString& command)
{
    QString s = command;
    // Positions below count from 1, as the uninstall text is described to users.
    const qsizetype p = s.lastIndexOf(QLatin1Char(':')) + 1;
    if (p - 2 >= 1)
        s.truncate(p - 3);
    const qsizetype q = s.lastIndexOf(QLatin1Char('\\')) + 1;
    s.truncate(q);
    return s + QStringLiteral("cstrike\\");
}

bool isLeftOut(const QString& name)
{
    static const QStringList leftOut = {QStringLiteral("server.cfg"), QStringLiteral("listenserver.cfg"),
                                        QStringLiteral("autoexec.cfg"), QStringLiteral("game.cfg")};
    return leftOut.contains(name);
}

QStringList listCfgFiles(const QString& dir)
{
    QStringList names;
    QDirIterator it(dir, {QStringLiteral("*.cfg")}, QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        const QString name = it.fileName();
        if (!isLeftOut(name))
            names << name;
    }
    // By name, as a player looks for a file; the folder's own order is whatever the disk keeps.
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
    return names;
}

int pickEntry(const QStringList& entries, const QString& remembered)
{
    for (const QString& wanted : {remembered, QStringLiteral("config.cfg")}) {
        for (qsizetype i = 0; i < entries.size(); ++i) {
            if (!wanted.isEmpty() && entries[i].compare(wanted, Qt::CaseInsensitive) == 0)
                return static_cast<int>(i);
        }
    }
    return entries.isEmpty() ? -1 : 0;
}

QString withTrailingSeparator(const QString& dir)
{
    if (dir.endsWith(QLatin1Char('/')) || dir.endsWith(QLatin1Char('\\')))
        return dir;
    return dir + QLatin1Char('/');
}

} // namespace CfgFolder
