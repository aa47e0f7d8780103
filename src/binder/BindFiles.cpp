#include "binder/BindFiles.h"

#include "binder/BindEdits.h"
#include "binder/BindLines.h"
#include "binder/Composer.h"
#include "config/AppState.h"
#include "config/ConsoleLine.h"
#include "history/PendingWrite.h"
#include "keys/KeyNames.h"
#include "platform/FileCopy.h"

#include <QDir>
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

bool samePath(const QString& a, const QString& b)
{
    if (a == b)
        return true;
    // The same file by another spelling, as a folder that ignores letter case allows.
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

bool isWorkingFile(const AppState& state, const QString& path)
{
    return samePath(path, state.working.path());
}

// One edit of one file as it is on disk now, in memory: loads it into a store of its own, lets
// `edit` change the lines (it returns how many it changed) and gives the write that would make
// the change. An edit some other part of the program left unsaved in the working store is never
// part of it; the working store reads the working file again, as the edits start from the file
// on disk. `changed` (optional) gets what `edit` returned.
bool planEdit(AppState& state, const QString& path, const std::function<int(CfgStore&)>& edit, PendingWrite* write,
              QString* error, int* changed = nullptr)
{
    if (isWorkingFile(state, path) && !state.working.load(error))
        return false;
    CfgStore store;
    store.setTexts(state.texts());
    if (!store.LoadCfg(path, error))
        return false;
    const int count = edit(store);
    if (changed)
        *changed = count;
    *write = {path, store.loadedBytes(), count > 0 ? store.text() : store.loadedBytes()};
    return true;
}

// Makes one reviewed write: keeps the file's bytes before as a version, writes the new bytes
// whole, and tells the working configuration, whose store then holds the working file as it is
// on disk.
bool makeWrite(AppState& state, const PendingWrite& write, QString* error)
{
    if (!write.changes())
        return true;
    if (!state.working.writeFile(write.path, write.after, QStringLiteral("Bind"), error, state.texts()))
        return false;
    if (isWorkingFile(state, write.path))
        state.working.load();
    return true;
}

// The edit that removes the commands `remove` picks.
std::function<int(CfgStore&)> removal(const std::function<bool(const Command&)>& remove)
{
    return [remove](CfgStore& store) { return BindEdits::removeCommands(store, remove); };
}

// The user declined the review: no error to show.
bool declined(QString* error)
{
    setError(error, QString());
    return false;
}

bool bindsAlias(const Command& command)
{
    return !BindEdits::boundAlias(command).isEmpty();
}

} // namespace

bool WriteBind(AppState& state, const QString& key, const QByteArray& body, QString* error, const QString& into)
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
    const QString bindPath = into.isEmpty() ? state.working.path() : into;
    const bool existed = QFileInfo::exists(autoexec);

    const auto setAlias = [&](CfgStore& store) {
        BindLines::setAlias(store, alias, body);
        return 1;
    };
    const auto setBind = [&](CfgStore& store) {
        BindLines::setBind(store, key, alias.toLocal8Bit());
        return 1;
    };
    // The alias first: a key bound to an alias that does not exist would do nothing in the game.
    QList<PendingWrite> writes(2);
    if (samePath(autoexec, bindPath)) {
        writes.resize(1);
        if (!planEdit(
                state, bindPath, [&](CfgStore& store) { return setAlias(store) + setBind(store); }, &writes[0], error))
            return false;
    } else {
        // The first bind makes autoexec.cfg, holding "unbindall" before the alias.
        if (!existed)
            writes[0] = {autoexec,
                         {},
                         "unbindall\r\n" + CfgStore::variableLine("alias \"" + alias.toLocal8Bit() + '"', body) +
                             "\r\n"};
        else if (!planEdit(state, autoexec, setAlias, &writes[0], error))
            return false;
        if (!planEdit(state, bindPath, setBind, &writes[1], error))
            return false;
    }
    if (!state.reviewWrites(writes))
        return declined(error);
    if (!makeWrite(state, writes[0], error))
        return false;
    if (writes.size() == 1 || makeWrite(state, writes[1], error))
        return true;
    // Without its bind the new alias is only clutter: put autoexec.cfg back as it was.
    QString undoError;
    const bool undone = FileCopy::putBack(autoexec, existed ? std::optional(writes[0].before) : std::nullopt,
                                          &undoError, state.texts());
    if (!undone && error)
        *error += QLatin1Char('\n') + undoError;
    if (isWorkingFile(state, autoexec))
        state.working.load();
    return false;
}

bool UnbindKey(AppState& state, const QString& key, QString* error, int* removed)
{
    const auto bindsKey = [&](const Command& c) { return BindEdits::bindsKey(c, key); };
    PendingWrite write;
    int count = 0;
    if (removed)
        *removed = 0;
    if (!planEdit(state, state.working.path(), removal(bindsKey), &write, error, &count))
        return false;
    if (!state.reviewWrites({write}))
        return declined(error);
    if (!makeWrite(state, write, error))
        return false;
    if (removed)
        *removed = count;
    return true;
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
    struct BindFile {
        PendingWrite write;
        QSet<QByteArray> used; // upper case: the game matches alias names without regard to case
    };
    QList<BindFile> bindFiles;
    bool keepAll = false; // a file that could not be read may use any of them
    for (const QString& name : files) {
        if (name.compare(QLatin1String(AutoexecName), Qt::CaseInsensitive) == 0)
            continue; // together with the definitions below
        BindFile file;
        QString fileError;
        const auto remove = [&](const Command& c) {
            const QByteArray alias = BindEdits::boundAlias(c);
            if (!alias.isEmpty())
                file.used.insert(alias.toUpper());
            return !alias.isEmpty();
        };
        if (planEdit(state, state.working.folder() + name, removal(remove), &file.write, &fileError)) {
            bindFiles.append(file);
        } else {
            errors << fileError;
            keepAll = true;
        }
    }

    const QString autoexec = state.working.folder() + QLatin1String(AutoexecName);
    const bool hasAutoexec = QFileInfo::exists(autoexec);
    const auto definitions = [&](const QSet<QByteArray>& stillUsed) {
        return removal([&, stillUsed](const Command& c) {
            const QByteArray defined = BindEdits::definedAlias(c);
            return bindsAlias(c) || (!defined.isEmpty() && !keepAll && !stillUsed.contains(defined.toUpper()));
        });
    };
    PendingWrite autoexecWrite;
    QString fileError;
    bool autoexecRead = hasAutoexec && planEdit(state, autoexec, definitions({}), &autoexecWrite, &fileError);
    if (hasAutoexec && !autoexecRead)
        errors << fileError;

    QList<PendingWrite> writes;
    for (const BindFile& file : std::as_const(bindFiles))
        writes.append(file.write);
    if (autoexecRead)
        writes.append(autoexecWrite);
    if (!state.reviewWrites(writes))
        return declined(error);

    QSet<QByteArray> stillUsed;
    for (const BindFile& file : std::as_const(bindFiles)) {
        if (!makeWrite(state, file.write, &fileError)) {
            errors << fileError;
            stillUsed.unite(file.used);
        }
    }
    // A file that kept its binds keeps their aliases too: fewer removals than those shown.
    if (autoexecRead && !stillUsed.isEmpty() &&
        !planEdit(state, autoexec, definitions(stillUsed), &autoexecWrite, &fileError)) {
        autoexecRead = false;
        errors << fileError;
    }
    if (autoexecRead && !makeWrite(state, autoexecWrite, &fileError))
        errors << fileError;
    setError(error, errors.join(QLatin1Char('\n')));
    return errors.isEmpty();
}

} // namespace BindFiles
