#pragma once

#include <QString>
#include <QStringList>

class CfgStore;
class QTextStream;

// qvl-cfg's history: the commands history, show and restore, and the version every edit keeps
// before it writes.
namespace HistoryCommands {

// The history folder, taken out of `args` with the options that name it: `--history DIR` (or
// `--history=DIR`), else the `history/` folder of the program folder in the settings that
// `--settings FILE` (or `--settings=FILE`, or QVL_SETTINGS) point to, else the user's own; where
// those name no program folder, that of the folder Quarvel chooses at its first start.
QString takeRoot(QStringList& args);

// Whether `command` is one of history, show and restore.
bool handles(const QString& command);
// Runs history, show or restore. Exit code: 0 done, 1 no such version, 2 usage or file error.
int run(const QStringList& args, const QString& root, QTextStream& out, QTextStream& err);

// Saves the edited store into `file`, as `qvl-cfg <command>`: when the save will change the
// file, a change made outside the program since it last wrote or saw the file is kept as a
// version of its own, and the bytes the file holds are kept before the write. No write when that
// fails. Exit code: 0 done, 2 file error.
int save(CfgStore& store, const QString& file, const QString& command, const QString& root, QTextStream& err);

} // namespace HistoryCommands
