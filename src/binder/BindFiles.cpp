#include "binder/BindFiles.h"

#include "binder/BindEdits.h"
#include "binder/BindLines.h"
#include "binder/Composer.h"
#include "binder/KeyNames.h"
#include "config/AppState.h"
#include "config/ConsoleLine.h"
#include "config/MessageKeys.h"
#include "platform/FileCopy.h"
#include "platform/FileError.h"
#include "platform/WriteCheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace BindFiles {

namespace {

using Command = ConsoleLine::Command;

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

bool readFile(const QString& path, QByteArray& bytes, const FileError::Texts& words, QString* error)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        bytes = file.readAll();
        if (file.error() == QFileDevice::NoError)
            return true;
    }
    setError(error, FileError::text(words, Msg::CannotRead.name, path, file.errorString()));
    return false;
}

bool isWorkingFile(const AppState& state, const QString& path)
{
    if (path == state.working.path())
        return true;
    // The same file by another spelling, as a folder that ignores letter case allows.
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(state.working.path()).canonicalFilePath();
}

// One edit of one file as it is on disk now: loads it, lets `edit` change the lines (it returns
// how many it changed) and saves them when it changed any. The working file goes through the
// working store, which holds it afterwards as it is on disk; any other file through a store of its
// own. Either way an edit some other part of the program left unsaved in the working store is
// never written with this one. `changed` (optional) gets what `edit` returned.
bool editFile(AppState& state, const QString& path, const std::function<int(CfgStore&)>& edit, QString* error,
              int* changed = nullptr)
{
    const bool working = isWorkingFile(state, path);
    CfgStore own;
    own.setTexts(state.texts());
    CfgStore& store = working ? state.working.store() : own;
    if (working ? !state.working.load(error) : !own.LoadCfg(path, error))
        return false;
    const int count = edit(store);
    if (changed)
        *changed = count;
    if (count == 0)
        return true;
    if (working) {
        if (state.working.save(error, QStringLiteral("Bind")))
            return true;
    } else if (state.working.keepVersion(path, QStringLiteral("Bind"), error) && own.SaveCfg(path, error)) {
        if (own.lastSaveWrote())
            state.working.wroteFile(path);
        return true;
    }
    if (working)
        state.working.load(); // the lines on disk, not the edit that could not be written
    return false;
}

// Removes the commands `remove` picks from the file at `path`; `removed` (optional) gets how many.
bool removeFromFile(AppState& state, const QString& path, const std::function<bool(const Command&)>& remove,
                    QString* error, int* removed = nullptr)
{
    return editFile(
        state, path, [&](CfgStore& store) { return BindEdits::removeCommands(store, remove); }, error, removed);
}

bool bindsAlias(const Command& command)
{
    return !BindEdits::boundAlias(command).isEmpty();
}

} // namespace

bool WriteBind(AppState& state, const QString& key, const QByteArray& body, QString* error)
{
    const QString alias = KeyNames::aliasFor(key);
    if (alias.isEmpty()) {
        setError(error, QStringLiteral("'%1' is not a key the game knows").arg(key));
        return false;
    }
    // The body becomes one quoted argument of one line, and the game has no escape for a quote.
    if (body.contains('"') || body.contains('\r') || body.contains('\n') || body.size() > Composer::MaxArgument) {
        setError(error, QStringLiteral("The alias for %1 cannot be written: it must be one line of at most %2 bytes "
                                       "without a double quote")
                            .arg(KeyNames::canonical(key))
                            .arg(Composer::MaxArgument));
        return false;
    }
    const QString autoexec = state.working.folder() + QLatin1String(AutoexecName);
    const bool existed = QFileInfo::exists(autoexec);
    QByteArray autoexecBytes;
    if (existed ? !readFile(autoexec, autoexecBytes, state.texts(), error)
                : !FileCopy::writeWhole(autoexec, QByteArrayLiteral("unbindall"), error, state.texts()))
        return false;

    // The alias first: a key bound to an alias that does not exist would do nothing in the game.
    const auto setAlias = [&](CfgStore& store) {
        BindLines::setAlias(store, alias, body);
        return 1;
    };
    const auto setBind = [&](CfgStore& store) {
        BindLines::setBind(store, key, alias.toLocal8Bit());
        return 1;
    };
    if (editFile(state, autoexec, setAlias, error) && editFile(state, state.working.path(), setBind, error))
        return true;
    // Without its bind the new alias is only clutter: put autoexec.cfg back as it was.
    QString undoError;
    const bool undone =
        existed ? FileCopy::writeWhole(autoexec, autoexecBytes, &undoError, state.texts()) : QFile::remove(autoexec);
    if (!undone && error)
        *error += QLatin1Char('\n') + undoError;
    if (isWorkingFile(state, autoexec))
        state.working.load();
    return false;
}

bool UnbindKey(AppState& state, const QString& key, QString* error, int* removed)
{
    const auto bindsKey = [&](const Command& c) { return BindEdits::bindsKey(c, key); };
    return removeFromFile(state, state.working.path(), bindsKey, error, removed);
}

QStringList filesBindingAliases(const QString& cfgDir)
{
    QStringList out;
    const QDir dir(cfgDir);
    const QStringList names =
        dir.entryList({QStringLiteral("*.cfg")}, QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    CfgStore store; // only read: its removals are never saved
    for (const QString& name : names) {
        if (store.LoadCfg(dir.filePath(name)) && BindEdits::removeCommands(store, bindsAlias) > 0)
            out << name;
    }
    return out;
}

bool RemoveAllAliases(AppState& state, const QStringList& files, QString* error)
{
    // The binds first: an alias left without its bind is harmless, a bind without its alias is not.
    QStringList errors;
    QSet<QByteArray> stillUsed; // upper case: the game matches alias names without regard to case
    bool keepAll = false;       // a file that could not be read may use any of them
    for (const QString& name : files) {
        if (name.compare(QLatin1String(AutoexecName), Qt::CaseInsensitive) == 0)
            continue; // together with the definitions below
        QSet<QByteArray> used;
        QString fileError;
        const auto remove = [&](const Command& c) {
            const QByteArray alias = BindEdits::boundAlias(c);
            if (!alias.isEmpty())
                used.insert(alias.toUpper());
            return !alias.isEmpty();
        };
        if (!removeFromFile(state, state.working.folder() + name, remove, &fileError)) {
            errors << fileError;
            stillUsed.unite(used);
            keepAll = keepAll || used.isEmpty();
        }
    }

    const QString autoexec = state.working.folder() + QLatin1String(AutoexecName);
    QString fileError;
    const auto remove = [&](const Command& c) {
        const QByteArray defined = BindEdits::definedAlias(c);
        return bindsAlias(c) || (!defined.isEmpty() && !keepAll && !stillUsed.contains(defined.toUpper()));
    };
    if (QFileInfo::exists(autoexec) && !removeFromFile(state, autoexec, remove, &fileError))
        errors << fileError;
    setError(error, errors.join(QLatin1Char('\n')));
    return errors.isEmpty();
}

} // namespace BindFiles
