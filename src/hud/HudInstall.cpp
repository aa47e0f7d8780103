#include "hud/HudInstall.h"

#include "hud/SpriteFile.h"
#include "platform/FileCopy.h"
#include "platform/WriteCheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace HudInstall {

namespace {

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

const QList<Slot>& slots()
{
    static const QList<Slot> all = {
        {QStringLiteral("hud_changer"),
         {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
          QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7"), QStringLiteral("8"), QStringLiteral("9"),
          QStringLiteral("10"), QStringLiteral("11")},
         QStringLiteral("sprites/640hud7.spr"),
         QStringLiteral("hud#0")},
        {QStringLiteral("hud_changer1"),
         {QStringLiteral("radar"), QStringLiteral("radar1"), QStringLiteral("radar2"), QStringLiteral("radar3")},
         QStringLiteral("sprites/radar640.spr"),
         QStringLiteral("hud#1")},
        // There is no sniper8.
        {QStringLiteral("hud_changer2"),
         {QStringLiteral("sniper0"), QStringLiteral("sniper1"), QStringLiteral("sniper2"), QStringLiteral("sniper3"),
          QStringLiteral("sniper4"), QStringLiteral("sniper5"), QStringLiteral("sniper6"), QStringLiteral("sniper7"),
          QStringLiteral("sniper9")},
         QStringLiteral("sprites/sniper_scope.spr"),
         QStringLiteral("hud#2")},
    };
    return all;
}

QString libraryFile(const QString& programDir, const QString& entry, LibraryFile file)
{
    const QLatin1String suffix(file == LibraryFile::Sprite ? ".spr" : ".jpg");
    return QDir(programDir).filePath(QStringLiteral("huds/") + entry + suffix);
}

SlotResult installSlot(int slot, const QString& entry, const QString& programDir, const QString& cfgDir,
                       const KeepVersion& keep)
{
    SlotResult result;
    result.slot = slot;
    result.entry = entry;
    if (slot < 0 || slot >= SlotCount) {
        result.error = QStringLiteral("There is no HUD slot %1").arg(slot);
        return result;
    }
    // A relative folder would put the sprite wherever the program happens to run.
    if (cfgDir.isEmpty() || QDir::isRelativePath(cfgDir)) {
        result.error =
            QStringLiteral("Cannot install %1: the game's folder is not known").arg(slots().at(slot).gameFile);
        return result;
    }
    result.target = QDir::cleanPath(QDir(cfgDir).filePath(slots().at(slot).gameFile));

    // The library file is read and checked before anything in the game folder changes.
    const QString source = libraryFile(programDir, entry, LibraryFile::Sprite);
    QByteArray sprite;
    if (!FileCopy::readWhole(source, &sprite, &result.error))
        return result;
    if (const QString refusal = SpriteFile::check(sprite, source); !refusal.isEmpty()) {
        result.error = refusal;
        return result;
    }

    const QString folder = QFileInfo(result.target).absolutePath();
    if (!QFileInfo(folder).isDir() && !QDir().mkpath(folder)) {
        result.error =
            QStringLiteral("Cannot write %1: the folder %2 cannot be created").arg(shown(result.target), shown(folder));
        return result;
    }
    const QFileInfo target(result.target);
    if (target.isDir()) {
        result.error = QStringLiteral("Cannot write %1: a folder of that name is in the way").arg(shown(result.target));
        return result;
    }

    if (keep && target.exists() && !keep(result.target, QStringLiteral("HUD install"), &result.error))
        return result;

    // The way back: the game's own file, kept the first time only. Every later install finds the
    // .orig and leaves it, so it never becomes one of our sprites.
    const QString original = result.target + QStringLiteral(".orig");
    if (QFileInfo::exists(original) || QFileInfo(original).isSymLink()) {
        result.originalKept = original;
    } else if (target.exists()) {
        QByteArray gameBytes;
        if (!FileCopy::readWhole(result.target, &gameBytes, &result.error))
            return result;
        if (!FileCopy::writeWhole(original, gameBytes, &result.error))
            return result;
        result.originalKept = original;
    }

    if (!FileCopy::writeWhole(result.target, sprite, &result.error))
        return result;
    result.installed = true;
    return result;
}

QList<SlotResult> install(const QStringList& entries, const QString& programDir, const QString& cfgDir,
                          const KeepVersion& keep)
{
    QList<SlotResult> results;
    for (int slot = 0; slot < SlotCount && slot < entries.size(); ++slot) {
        if (!entries.at(slot).isEmpty())
            results.append(installSlot(slot, entries.at(slot), programDir, cfgDir, keep));
    }
    return results;
}

} // namespace HudInstall
