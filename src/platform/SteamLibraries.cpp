#include "platform/SteamLibraries.h"

#include "platform/MachineRegistry.h"
#include "platform/VdfText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace SteamLibraries {

namespace {

bool isNumber(const QString& s)
{
    bool ok = false;
    s.toUInt(&ok);
    return ok;
}

QByteArray readSmallFile(const QString& path)
{
    QFile f(path);
    if (f.size() > 1024 * 1024 || !f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

} // namespace

QStringList libraryPaths(const QByteArray& vdfText)
{
    QStringList paths;
    for (const VdfText::Node& top : VdfText::parse(vdfText)) {
        if (top.key.compare(QLatin1String("libraryfolders"), Qt::CaseInsensitive) != 0 || !top.isBlock)
            continue;
        for (const VdfText::Node& entry : top.children) {
            if (!isNumber(entry.key))
                continue;
            if (entry.isBlock) {
                if (const VdfText::Node* path = entry.child(QStringLiteral("path")); path && !path->value.isEmpty())
                    paths << path->value;
            } else if (!entry.value.isEmpty()) {
                paths << entry.value;
            }
        }
    }
    return paths;
}

QStringList steamRoots(const MachineRegistry& registry, const QString& home)
{
    QStringList roots;
#ifdef Q_OS_WIN
    Q_UNUSED(home);
    roots << registry.readString(MachineRegistry::Root::CurrentUser, QStringLiteral("Software\\Valve\\Steam"),
                                 QStringLiteral("SteamPath"));
    roots << registry.readString(MachineRegistry::Root::LocalMachine,
                                 QStringLiteral("SOFTWARE\\WOW6432Node\\Valve\\Steam"), QStringLiteral("InstallPath"));
#else
    Q_UNUSED(registry);
    for (const char* sub :
         {"/.local/share/Steam", "/.steam/steam", "/.steam/root",
          "/.var/app/com.valvesoftware.Steam/.local/share/Steam", "/snap/steam/common/.local/share/Steam"})
        roots << home + QLatin1String(sub);
#endif
    roots.removeAll(QString());
    return roots;
}

QString findCstrike(const QStringList& roots)
{
    for (const QString& root : roots) {
        QStringList libraries{root};
        for (const char* vdf : {"/steamapps/libraryfolders.vdf", "/config/libraryfolders.vdf"})
            libraries << libraryPaths(readSmallFile(root + QLatin1String(vdf)));
        for (const QString& library : libraries) {
            const QString cstrike =
                QDir::fromNativeSeparators(library) + QStringLiteral("/steamapps/common/Half-Life/cstrike");
            if (QFileInfo(cstrike).isDir())
                return QDir::cleanPath(cstrike) + QLatin1Char('/');
        }
    }
    return QString();
}

} // namespace SteamLibraries
