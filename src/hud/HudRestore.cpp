#include "hud/HudRestore.h"

#include "platform/FileCopy.h"
#include "platform/WriteCheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <optional>

namespace HudRestore {

SlotRestore restoreSlot(int slot, const QString& cfgDir, const HudInstall::KeepVersion& keep)
{
    SlotRestore result;
    result.slot = slot;
    if (slot < 0 || slot >= HudInstall::SlotCount) {
        result.error = QStringLiteral("There is no HUD slot %1").arg(slot);
        return result;
    }
    const QString gameFile = HudInstall::slots().at(slot).gameFile;
    if (cfgDir.isEmpty() || QDir::isRelativePath(cfgDir)) {
        result.error = QStringLiteral("Cannot restore %1: the game's folder is not known").arg(gameFile);
        return result;
    }
    result.target = QDir::cleanPath(QDir(cfgDir).filePath(gameFile));
    const QString original = result.target + QStringLiteral(".orig");
    if (!QFileInfo::exists(original) && !QFileInfo(original).isSymLink()) {
        result.outcome = Outcome::NothingToRestore;
        return result;
    }
    const std::optional<QByteArray> bytes = FileCopy::readWhole(original, &result.error);
    if (!bytes)
        return result;

    QFile current(result.target);
    const bool same = current.open(QIODevice::ReadOnly) && current.readAll() == *bytes;
    current.close();
    if (!same) {
        // Refused before anything is kept: a version of a file that cannot be written is no use.
        if (const QString refusal = WriteCheck::refusal(result.target); !refusal.isEmpty()) {
            result.error = refusal;
            return result;
        }
        if (keep && QFileInfo::exists(result.target) &&
            !keep(result.target, QStringLiteral("HUD restore"), &result.error))
            return result;
        if (!FileCopy::writeWhole(result.target, *bytes, &result.error))
            return result;
    }
    result.outcome = Outcome::Restored;
    // The game's bytes are in place: the copy is no longer needed. One that cannot be removed
    // holds the same bytes, and the next install keeps it as the game's file, as it should.
    QFile::remove(original);
    return result;
}

QList<SlotRestore> restore(const QString& cfgDir, const HudInstall::KeepVersion& keep)
{
    QList<SlotRestore> results;
    for (int slot = 0; slot < HudInstall::SlotCount; ++slot)
        results.append(restoreSlot(slot, cfgDir, keep));
    return results;
}

} // namespace HudRestore
