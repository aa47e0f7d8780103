#include "StartChainFolder.h"

#include "binder/ChainKeys.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using State = KeyStanding::State;

std::string shown(const KeyStanding& s)
{
    const char* names[] = {"free", "here", "elsewhere", "replaced"};
    std::string out = names[int(s.state)] + std::string(" ") + s.command.toStdString();
    if (s.place.hasLine())
        out += " @" + s.place.file.toStdString() + ":" + std::to_string(s.place.line) + " " + s.what.toStdString();
    return out;
}

std::string later(const TempDir& game, const char* working, const char* key)
{
    const std::optional<LaterBind> l =
        ChainKeys::laterBind(game.dirWithSlash(), QString::fromLatin1(working), QString::fromLatin1(key));
    if (!l)
        return "none";
    return l->place.file.toStdString() + ":" + std::to_string(l->place.line) + " " + l->what.toStdString() +
           (l->binds ? "" : " (clears)");
}

} // namespace

TEST(ChainKeys, EachKeyStandsAsTheWholeChainLeavesItSeenFromTheWorkingFile)
{
    TempDir game;
    writeStartChain(game);
    game.write("match.cfg", "bind \"g\" \"+match\"\nbind \"f\" \"+x\"\n");
    const StartChain chain = StartChainReader::follow(game.dirWithSlash());
    const struct {
        const char* working;
        const char* key;
        const char* standing;
    } rows[] = {
        {"config.cfg", "TAB", "here +showscores"},
        {"config.cfg", "g", "replaced +buy_m4 @userconfig.cfg:1 bind g \"+buy_m4a1\""},
        {"config.cfg", "h", "replaced +hook @userconfig.cfg:2 unbind h"},
        {"config.cfg", "f", "free "}, // autoexec.cfg's bind, wiped by the unbindall
        {"config.cfg", "MOUSE2", "elsewhere +attack2 @userconfig.cfg:3 bind \"MOUSE2\" \"+attack2\""},
        {"autoexec.cfg", "f", "replaced +buy_ak @config.cfg:1 unbindall"},
        {"autoexec.cfg", "TAB", "elsewhere +showscores @config.cfg:2 bind \"TAB\" \"+showscores\""},
        {"userconfig.cfg", "g", "here +buy_m4a1"},
        {"userconfig.cfg", "h", "free "}, // it clears the key itself
        {"userconfig.cfg", "+", "elsewhere sizeup @config.cfg:3 bind \"+\" \"sizeup\""},
        // A file the chain does not run keeps its binds; the chain's show as another file's.
        {"match.cfg", "g", "here +match"},
        {"match.cfg", "MOUSE1", "elsewhere +attack @config.cfg:6 bind \"MOUSE1\" \"+attack\""},
    };
    for (const auto& row : rows) {
        const QString working = QString::fromLatin1(row.working);
        const BindReading reading = BindReader::readBytes(game.read(working));
        const auto standings = ChainKeys::standings(chain, game.dirWithSlash(), working, reading);
        EXPECT_EQ(shown(standings.value(QString::fromLatin1(row.key))), row.standing) << row.working << " " << row.key;
    }
}

TEST(ChainKeys, ABindIsUndoneByTheLastLineAfterTheWorkingFileThatBindsOrClearsTheKey)
{
    TempDir game;
    writeStartChain(game);
    game.write("match.cfg", "bind \"g\" \"+match\"\n");
    const QByteArray before = game.read("config.cfg");
    EXPECT_EQ(later(game, "config.cfg", "g"), "userconfig.cfg:1 bind g \"+buy_m4a1\"");
    EXPECT_EQ(later(game, "config.cfg", "H"), "userconfig.cfg:2 unbind h (clears)");
    EXPECT_EQ(later(game, "config.cfg", "TAB"), "none"); // the working file's own
    EXPECT_EQ(later(game, "config.cfg", "F5"), "none");
    // config.cfg's unbindall clears a key nothing bound before, as it clears every other.
    EXPECT_EQ(later(game, "autoexec.cfg", "F5"), "config.cfg:1 unbindall (clears)");
    EXPECT_EQ(later(game, "autoexec.cfg", "j"), "userconfig.cfg:4 bind \"j\" \"+jump\"");
    EXPECT_EQ(later(game, "userconfig.cfg", "g"), "none");
    EXPECT_EQ(later(game, "match.cfg", "g"), "none");
    EXPECT_EQ(later(game, "config.cfg", "NOSUCHKEY"), "none");
    // Looking writes nothing into the game folder.
    EXPECT_EQ(game.read("config.cfg"), before);

    // A file that the working file runs counts as running after it, wherever its exec stands.
    TempDir nested;
    nested.write("autoexec.cfg", "exec keys/extra.cfg\nbind \"F5\" \"snapshot\"\n");
    nested.write("keys/extra.cfg", "bind \"F6\" \"+use\"\n");
    EXPECT_EQ(later(nested, "autoexec.cfg", "F6"), "keys/extra.cfg:1 bind \"F6\" \"+use\"");
    EXPECT_EQ(later(nested, "keys/extra.cfg", "F5"), "autoexec.cfg:2 bind \"F5\" \"snapshot\"");
}
