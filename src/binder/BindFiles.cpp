#include "binder/BindFiles.h"

#include "binder/BindLines.h"
#include "binder/Composer.h"
#include "binder/KeyNames.h"
#include "config/AppState.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace BindFiles {

namespace {

QString autoexecPath(const AppState& state)
{
    return state.CfgDir + QLatin1String(AutoexecName);
}

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

QString cannotWrite(const QString& path, const QString& cause)
{
    return QStringLiteral("Cannot write %1: %2").arg(QDir::toNativeSeparators(path), cause);
}

bool writeWhole(const QString& path, const QByteArray& bytes, QString* error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    setError(error, cannotWrite(path, file.errorString()));
    file.cancelWriting();
    return false;
}

// Leaves the store holding the working file after a failure; the first error is the one shown.
void reloadWorking(AppState& state)
{
    state.store.LoadCfg(state.workingPath());
}

} // namespace

bool ensureAutoexec(const QString& cfgDir, QString* error)
{
    const QString path = cfgDir + QLatin1String(AutoexecName);
    if (QFileInfo::exists(path))
        return true;
    return writeWhole(path, QByteArrayLiteral("unbindall"), error);
}

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
    const QString autoexec = autoexecPath(state);
    if (!ensureAutoexec(state.CfgDir, error))
        return false;
    QFile before(autoexec);
    if (!before.open(QIODevice::ReadOnly)) {
        setError(error,
                 QStringLiteral("Cannot read %1: %2").arg(QDir::toNativeSeparators(autoexec), before.errorString()));
        return false;
    }
    const QByteArray autoexecBytes = before.readAll();
    before.close();

    // The alias first: a key bound to an alias that does not exist would do nothing in the game.
    if (!state.store.LoadCfg(autoexec, error))
        return false;
    BindLines::setAlias(state.store, alias, body);
    if (!state.store.SaveCfg(autoexec, error)) {
        reloadWorking(state);
        return false;
    }

    bool bound = state.store.LoadCfg(state.workingPath(), error);
    if (bound) {
        BindLines::setBind(state.store, key, alias.toLocal8Bit());
        bound = state.store.SaveCfg(state.workingPath(), error);
    }
    if (bound)
        return true;
    // Without its bind the new alias is only clutter: put autoexec.cfg back as it was.
    QString undoError;
    if (!writeWhole(autoexec, autoexecBytes, &undoError) && error)
        *error += QLatin1Char('\n') + undoError;
    reloadWorking(state);
    return false;
}

bool UnbindKey(AppState& state, const QString& key, QString* error, int* removed)
{
    if (removed)
        *removed = 0;
    if (!state.store.LoadCfg(state.workingPath(), error))
        return false;
    const int count = BindLines::removeBinds(state.store, key);
    if (count > 0 && !state.store.SaveCfg(state.workingPath(), error)) {
        reloadWorking(state);
        return false;
    }
    if (removed)
        *removed = count;
    return true;
}

bool RemoveAllAliases(AppState& state, QString* error)
{
    // The binds first: an alias left without its bind is harmless, a bind without its alias is not.
    if (!state.store.LoadCfg(state.workingPath(), error))
        return false;
    if (BindLines::removeAliasBinds(state.store) > 0 && !state.store.SaveCfg(state.workingPath(), error)) {
        reloadWorking(state);
        return false;
    }

    const QString autoexec = autoexecPath(state);
    if (!QFileInfo::exists(autoexec))
        return ensureAutoexec(state.CfgDir, error);
    bool done = state.store.LoadCfg(autoexec, error);
    if (done && BindLines::removeAliasDefinitions(state.store) > 0)
        done = state.store.SaveCfg(autoexec, error);
    reloadWorking(state);
    return done;
}

} // namespace BindFiles
