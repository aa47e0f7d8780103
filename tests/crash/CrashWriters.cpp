#include "CrashWriters.h"

#include "config/CfgStore.h"
#include "language/IniFile.h"
#include "language/LanguageIni.h"
#include "platform/QtSettingsStore.h"

#include <QDir>
#include <QFile>

namespace {

// Large enough that one save takes a while, so that many kills land in the middle of one.
constexpr int StoreLines = 600;
constexpr int IniKeys = 200;

const char* const Names[] = {"store", "ini", "language", "settings", "inplace"};

QByteArray storeValue(int i, int which)
{
    return QByteArray(which ? "version-b-" : "version-a-") + QByteArray::number(i * 7919 + which);
}

} // namespace

namespace CrashWriters {

QString name(Writer writer)
{
    return QString::fromLatin1(Names[static_cast<int>(writer)]);
}

bool fromName(const QString& text, Writer* writer)
{
    for (int i = 0; i < static_cast<int>(std::size(Names)); ++i) {
        if (text == QLatin1String(Names[i])) {
            *writer = static_cast<Writer>(i);
            return true;
        }
    }
    return false;
}

QString target(Writer writer, const QString& dir)
{
    switch (writer) {
    case Writer::Store:
    case Writer::InPlace:
        return dir + QStringLiteral("/config.cfg");
    case Writer::Ini:
        return dir + QStringLiteral("/Languages/English.lng");
    case Writer::Language:
        return LanguageIni::path(dir);
    case Writer::Settings:
        return dir + QStringLiteral("/settings.ini");
    }
    return {};
}

bool write(Writer writer, const QString& dir, int which, QString* error)
{
    const QString path = target(writer, dir);
    switch (writer) {
    case Writer::Store: {
        CfgStore store;
        if (QFile::exists(path) && !store.LoadCfg(path, error))
            return false;
        if (!QFile::exists(path)) {
            QFile create(path);
            if (!create.open(QIODevice::WriteOnly) || !store.LoadCfg(path, error))
                return false;
        }
        for (int i = 0; i < StoreLines; ++i)
            store.SetCfgVar("qvl_line_" + QByteArray::number(i), storeValue(i, which));
        return store.SaveCfg(path, error);
    }
    case Writer::Ini: {
        QDir().mkpath(dir + QStringLiteral("/Languages"));
        QList<IniFile::Entry> entries;
        for (int i = 0; i < IniKeys; ++i)
            entries.append(
                {QStringLiteral("Label%1").arg(i), QStringLiteral("Text %1 of version %2").arg(i).arg(which)});
        return IniFile::writeKeys(path, QStringLiteral("TMainForm"), entries, error);
    }
    case Writer::Language:
        return LanguageIni::write(dir, which ? QStringLiteral("Deutsch") : QStringLiteral("English"), error);
    case Writer::Settings: {
        QtSettingsStore settings(path);
        QString refused;
        settings.writeText(QStringLiteral("cfg_dir"),
                           which ? QStringLiteral("/games/b/cstrike/") : QStringLiteral("/games/a/cstrike/"), &refused);
        if (error)
            *error = refused;
        return refused.isEmpty();
    }
    case Writer::InPlace: {
        // A writer that truncates the file and writes it line by line: the test must catch this one.
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
            return false;
        for (int i = 0; i < StoreLines; ++i) {
            const QByteArray line = "qvl_line_" + QByteArray::number(i) + " \"" + storeValue(i, which) + "\"\r\n";
            if (file.write(line) != line.size())
                return false;
        }
        return true;
    }
    }
    return false;
}

} // namespace CrashWriters
