#include "config/OptionsSetting.h"

#include "config/AppState.h"
#include "config/CfgStore.h"
#include "config/OptionsLaterMark.h"
#include "config/OptionsLaterWrites.h"
#include "config/TextCodec.h"
#include "platform/Dialogs.h"

OptionsRead::OptionsRead(AppState& state, QStringList* badValues)
    : m_state(state)
    , m_store(state.working.store())
    , m_badValues(badValues)
    , m_later(state.laterSettings ? state.laterSettings(state.working.folder(), state.working.file()) : LaterSettings())
{}

OptionsRead::Value OptionsRead::value(const char* name)
{
    Value v;
    m_store.GetCfgVar(name, v.bytes);
    // A line without a value sets nothing a control could show.
    v.found = !v.bytes.isEmpty();
    const TextCodec::Decoded decoded = TextCodec::decode(v.bytes);
    v.text = decoded.text;
    v.latin1 = decoded.latin1;
    return v;
}

bool OptionsRead::present(const char* name)
{
    QByteArray ignored;
    return m_store.GetCfgVar(name, ignored);
}

FileMark OptionsRead::mark(const char* name, const QString& text) const
{
    const int line = m_store.lastMatchingLine(name);
    const QString where = QStringLiteral("%1, line %2: %3")
                              .arg(m_state.working.file())
                              .arg(line)
                              .arg(TextCodec::decode(m_store.CfgLines(line).trimmed()).text);
    return {text, m_state.message(Msg::InFileTip).arg(where)};
}

void OptionsRead::reportBad(const char* name, const QString& text)
{
    if (m_badValues)
        m_badValues->append(QStringLiteral("%1 \"%2\"").arg(QString::fromLatin1(name), text));
}

void OptionsTable::read(OptionsRead& read)
{
    for (const auto& setting : m_settings) {
        setting->read(read);
        const char* name = setting->variable();
        OptionsLaterMark::update(setting->control(), name, name ? read.later(name) : nullptr, read.state());
    }
    m_baseline = writes();
}

QList<OptionWrite> OptionsTable::writes() const
{
    QList<OptionWrite> out;
    for (const auto& setting : m_settings)
        setting->addWrites(out);
    return out;
}

OptionsTable::Applied OptionsTable::apply(AppState& state)
{
    for (const auto& setting : m_settings) {
        if (const QString refusal = setting->refusal(state); !refusal.isEmpty()) {
            state.dialogs.error(refusal);
            return Applied::Failed;
        }
    }
    const QList<OptionWrite> changes = OptionsLines::changed(writes(), m_baseline);
    if (changes.isEmpty())
        return Applied::NothingToApply;
    const OptionsLaterWrites::Plan plan = OptionsLaterWrites::plan(state, changes);
    if (plan.cancelled)
        return Applied::Cancelled;
    // The file as it is now is the base: an edit left unsaved in the store is dropped, and lines
    // that changed on disk since the read stay as they are unless the user changed their setting.
    if (!state.LoadCfg())
        return Applied::Failed;
    std::vector<CfgStore> thereFiles;
    if (!OptionsLaterWrites::prepareThere(state, plan.there, &thereFiles))
        return Applied::Failed;
    CfgStore& store = state.working.store();
    OptionsLines::perform(store, plan.here);
    QList<PendingWrite> writes = OptionsLaterWrites::pending(thereFiles);
    writes.append(store.pendingWrite());
    if (!state.reviewWrites(writes)) {
        // Nothing is written and the store holds the file as it is; the controls keep the user's
        // changes, so that Apply can still write them.
        state.LoadCfg();
        return Applied::Cancelled;
    }
    bool wroteThere = false;
    if (!OptionsLaterWrites::writeThere(state, thereFiles, &wroteThere))
        return Applied::Failed;
    const bool modified = store.isModified();
    if (modified && !state.SaveCfg())
        return Applied::Failed;
    OptionsRead again(state, nullptr);
    read(again);
    return modified || wroteThere ? Applied::Written : Applied::NothingToApply;
}
