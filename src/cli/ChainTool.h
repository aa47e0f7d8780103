#pragma once

#include <QStringList>

class QTextStream;

// qvl-cfg's commands over the game's start chain: `effective DIR [NAME...]` prints what the
// chain leaves, `lost DIR` the lines of config.cfg the game drops at its next exit, with the
// list of archived variables from the program's data, found from `executableDir` as the program
// finds it. Returns the exit code.
int runChainTool(const QStringList& args, const QString& executableDir, QTextStream& out, QTextStream& err);

// Whether `command` is one of runChainTool's.
bool isChainCommand(const QString& command);
