#include "config/OptionsLines.h"

#include "config/CfgStore.h"

#include <algorithm>

namespace OptionsLines {

QList<OptionWrite> changed(const QList<OptionWrite>& now, const QList<OptionWrite>& baseline)
{
    QList<OptionWrite> out;
    for (const OptionWrite& w : now) {
        if (w.action == OptionWrite::Action::Keep)
            continue;
        const auto was =
            std::find_if(baseline.cbegin(), baseline.cend(), [&](const OptionWrite& b) { return b.name == w.name; });
        if (was == baseline.cend() || *was != w)
            out.append(w);
    }
    return out;
}

void perform(CfgStore& store, const QList<OptionWrite>& writes)
{
    for (const OptionWrite& w : writes) {
        if (w.action == OptionWrite::Action::Set)
            store.SetCfgVar(w.name, w.value);
        else if (w.action == OptionWrite::Action::Delete)
            store.DeleteCfgLines(w.name);
    }
}

} // namespace OptionsLines
