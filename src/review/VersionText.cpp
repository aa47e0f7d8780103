#include "review/VersionText.h"

#include "config/AppState.h"
#include "history/History.h"

namespace VersionText {

QString time(const QDateTime& utc)
{
    return utc.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString action(const AppState& state, const QString& kept)
{
    return kept == History::ChangedOutside ? state.message(Msg::HistoryChangedOutside) : kept;
}

} // namespace VersionText
