#include "binder/BindFiles.h"

#include "binder/BindEdits.h"
#include "binder/BindLines.h"
#include "binder/Composer.h"
#include "binder/KeyNames.h"
#include "config/AppState.h"
#include "config/ConsoleLine.h"
#include "platform/FileError.h"
#include "platform/WriteCheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>

namespace BindFiles {

namespace {

using Command = ConsoleLine::Command;

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

// Leaves the store holding the working file after a failure; the first error is the one shown.
void reloadWorking(AppState& state)
{
    state.working.load();
}

bool readFile(const QString& path, QByteArray& bytes, const FileError::Texts& words, QString* error)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        bytes = file.readAll();
        if (file.error() == QFileDevice::NoError)
            return true;
    }
    setError(error, FileError::text(words, "cannotread", path, file.errorString()));
    return false;
}

// Writes a whole file, replacing it only once all of it is written; a read-only file is refused.
bool writeFile(const QString& path, const QByteArray& bytes, const FileError::Texts& words, QString* error)
{
    if (const QString refusal = WriteCheck::refusal(path, words); !refusal.isEmpty()) {
        setError(error, refusal);
        return false;
    }
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    setError(error, FileError::text(words, "cannotwrite", path, file.errorString()));
    file.cancelWriting();
    return false;
}

// Removes the commands `remove` picks from the file at `path` through the store, which is left
// holding `reloadPath`. The file is written only when a command went; `removed` (optional) gets
// how many.
bool removeFromFile(CfgStore& store, const QString& path, const std::function<bool(const Command&)>& remove,
                    const QString& reloadPath, QString* error, int* removed = nullptr)
{
    if (!store.LoadCfg(path, error))
        return false;
    const int count = BindEdits::removeCommands(store, remove);
    if (removed)
        *removed = count;
    return count == 0 || store.SaveCfg(reloadPath, error);
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
                : !writeFile(autoexec, QByteArrayLiteral("unbindall"), state.texts(), error))
        return false;

    // The alias first: a key bound to an alias that does not exist would do nothing in the game.
    bool done = state.working.store().LoadCfg(autoexec, error);
    if (done) {
        BindLines::setAlias(state.working.store(), alias, body);
        done = state.working.save(error); // and loads the working file
    }
    if (done) {
        BindLines::setBind(state.working.store(), key, alias.toLocal8Bit());
        done = state.working.save(error);
    }
    if (done)
        return true;
    // Without its bind the new alias is only clutter: put autoexec.cfg back as it was.
    QString undoError;
    const bool undone =
        existed ? writeFile(autoexec, autoexecBytes, state.texts(), &undoError) : QFile::remove(autoexec);
    if (!undone && error)
        *error += QLatin1Char('\n') + undoError;
    reloadWorking(state);
    return false;
}

bool UnbindKey(AppState& state, const QString& key, QString* error, int* removed)
{
    const QString working = state.working.path();
    const auto bindsKey = [&](const Command& c) { return BindEdits::bindsKey(c, key); };
    const bool done = removeFromFile(state.working.store(), working, bindsKey, working, error, removed);
    reloadWorking(state);
    return done;
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
        if (!removeFromFile(state.working.store(), state.working.folder() + name, remove, state.working.path(),
                            &fileError)) {
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
    if (QFileInfo::exists(autoexec) &&
        !removeFromFile(state.working.store(), autoexec, remove, state.working.path(), &fileError))
        errors << fileError;
    reloadWorking(state);
    setError(error, errors.join(QLatin1Char('\n')));
    return errors.isEmpty();
}

} // namespace BindFiles
