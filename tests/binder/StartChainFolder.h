#pragma once

#include "support/TempDir.h"

// A game folder as players have it: autoexec.cfg of the user's own (LF), config.cfg as the game
// writes it (CR LF, unbindall first, `exec userconfig.cfg` last) and userconfig.cfg, which the
// game runs last and which binds and clears keys again.
inline void writeStartChain(const TempDir& game)
{
    game.write(QStringLiteral("autoexec.cfg"), "// my keys\n"
                                               "bind \"f\" \"+buy_ak\"\n");
    game.write(QStringLiteral("config.cfg"), "unbindall\r\n"                                      // 1
                                             "bind \"TAB\" \"+showscores\"\r\n"                   // 2
                                             "bind \"+\" \"sizeup\"\r\n"                          // 3
                                             "bind \"g\" \"+buy_m4\"\r\n"                         // 4
                                             "bind \"h\" \"+hook\"\r\n"                           // 5
                                             "bind \"MOUSE1\" \"+attack\"\r\n"                    // 6
                                             "sensitivity \"2.5\"\r\n"                            // 7
                                             "exec userconfig.cfg\r\n");                          // 8
    game.write(QStringLiteral("userconfig.cfg"), "bind g \"+buy_m4a1\"\n"                         // 1
                                                 "unbind h\n"                                     // 2
                                                 "bind \"MOUSE2\" \"+attack2\"\n"                 // 3
                                                 "bind \"j\" \"+jump\"; bind \"k\" \"+duck\"\n"); // 4
}
