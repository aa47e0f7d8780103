#include "config/OptionsLaterWrites.h"

#include "config/AppState.h"
#include "config/CfgStore.h"
#include "config/TextCodec.h"
#include "platform/Dialogs.h"

#include <QDir>

namespace OptionsLaterWrites {

QString listed(const QString& file, int line, const QString& what)
{
    return QStringLiteral("%1:%2: %3").arg(QDir::toNativeSeparators(file)).arg(line).arg(what);
}

Answer ask(AppState& state, const QStringList& listed)
{
    const QString text =
        state.message(Msg::LaterQuestion).arg(state.working.file(), listed.join(QStringLiteral("\r\n")));
    switch (state.dialogs.choose(text, {state.message(Msg::LaterWriteThere), state.message(Msg::LaterWriteHere),
                                        state.message(Msg::LaterCancel)})) {
    case 0:
        return Answer::WriteThere;
    case 1:
        return Answer::WriteHere;
    default:
        return Answer::Cancel;
    }
}

Plan plan(AppState& state, const QList<OptionWrite>& changes)
{
    Plan out;
    const LaterSettings later =
        state.laterSettings ? state.laterSettings(state.working.folder(), state.working.file()) : LaterSettings();
    QStringList lines;
    for (const OptionWrite& change : changes) {
        if (const LaterSetting* found = later.find(change.name)) {
            out.there.append({*found, change});
            lines << listed(
                found->file, found->line,
                QStringLiteral("%1 \"%2\"")
                    .arg(QString::fromLatin1(LaterSettings::key(change.name)), TextCodec::decode(found->value).text));
        } else {
            out.here.append(change);
        }
    }
    if (out.there.isEmpty())
        return out;
    switch (ask(state, lines)) {
    case Answer::WriteThere:
        break;
    case Answer::WriteHere:
        out.here = changes;
        out.there.clear();
        break;
    case Answer::Cancel:
        out = Plan{true, {}, {}};
        break;
    }
    return out;
}

bool prepareThere(AppState& state, const QList<Plan::There>& there, std::vector<CfgStore>* stores)
{
    QStringList files;
    for (const Plan::There& t : there) {
        if (!files.contains(t.later.file))
            files << t.later.file;
    }
    for (const QString& file : files) {
        CfgStore& store = stores->emplace_back();
        store.setTexts(state.texts());
        QList<OptionWrite> writes;
        for (const Plan::There& t : there) {
            if (t.later.file == file)
                writes.append(t.write);
        }
        QString error;
        if (!store.LoadCfg(QDir(state.working.folder()).filePath(file), &error)) {
            state.dialogs.error(error);
            return false;
        }
        OptionsLines::perform(store, writes);
    }
    return true;
}

QList<PendingWrite> pending(const std::vector<CfgStore>& stores)
{
    QList<PendingWrite> out;
    for (const CfgStore& store : stores)
        out.append(store.pendingWrite());
    return out;
}

bool writeThere(AppState& state, std::vector<CfgStore>& stores, bool* written)
{
    *written = false;
    for (CfgStore& store : stores) {
        if (!store.isModified())
            continue;
        const QString path = store.filePath();
        QString error;
        if (!state.working.keepVersion(path, QStringLiteral("Apply"), &error) || !store.SaveCfg(path, &error)) {
            state.dialogs.error(error);
            return false;
        }
        if (store.lastSaveWrote()) {
            state.working.wroteFile(path);
            *written = true;
        }
    }
    return true;
}

} // namespace OptionsLaterWrites
