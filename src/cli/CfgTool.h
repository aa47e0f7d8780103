#pragma once

#include <QStringList>

class QTextStream;

// qvl-cfg: get, set and delete configuration lines from the shell, through the same store the
// program uses, and list, set and remove key binds. Returns the exit code: 0 done, 1 no matching
// line (get, unbind), 2 usage or file error.
int runCfgTool(const QStringList& args, QTextStream& out, QTextStream& err);
