#pragma once

#include <QDateTime>
#include <QString>

class AppState;

// How the windows that list kept versions name them.
namespace VersionText {

// A version's time (kept in UTC) in local time, to the second.
QString time(const QDateTime& utc);
// A version's action in the interface language where it is the program's own word
// ("changed outside"); the action as kept otherwise.
QString action(const AppState& state, const QString& kept);

} // namespace VersionText
