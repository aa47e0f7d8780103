#pragma once

#include "chain/StartChain.h"
#include "config/LaterSettings.h"

#include <QString>

#include <vector>

// The start chain as seen from one file of the game folder, the working file.
namespace WorkingFileChain {

// How the game reaches a file at start.
struct Reach {
    bool reached = false;
    // The exec lines that lead to it, from autoexec.cfg or config.cfg down to the line that runs
    // it; empty for autoexec.cfg and config.cfg, which the game runs itself.
    std::vector<ChainPlace> execs;
};

// How the game reaches `file` (relative to the game folder) on its first run of it.
Reach reach(const StartChain& chain, const QString& file);
Reach reach(const QString& gameDir, const QString& file);

// The settings `file` sets that a file the game runs after it sets again: their last line and
// value, by the name the chain gives them (a variable, "setinfo KEY", "alias NAME", "bind KEY").
LaterSettings laterSettings(const StartChain& chain, const QString& file);
// The same after running the chain of `gameDir`: a LaterSettingsSource.
LaterSettings laterSettings(const QString& gameDir, const QString& file);

} // namespace WorkingFileChain
