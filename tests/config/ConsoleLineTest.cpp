#include "config/ConsoleLine.h"

#include "ByteText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> texts(const ConsoleLine::Command& command) {
    std::vector<std::string> out;
    for (const ConsoleLine::Token& t : command.tokens)
        out.push_back(t.text.toStdString());
    return out;
}

struct FirstCommandCase {
    QByteArray line;
    std::vector<std::string> tokens;
    qsizetype end;
    bool bySemicolon;
};

class FirstCommand : public ::testing::TestWithParam<FirstCommandCase> {};

TEST_P(FirstCommand, SplitsAsTheGameReadsIt) {
    const FirstCommandCase& c = GetParam();
    const ConsoleLine::Command command = ConsoleLine::firstCommand(c.line);
    EXPECT_EQ(texts(command), c.tokens);
    EXPECT_EQ(command.end, c.end);
    EXPECT_EQ(command.bySemicolon, c.bySemicolon);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, FirstCommand,
    ::testing::Values(FirstCommandCase{"rate \"5000\"", {"rate", "5000"}, 11, false},
                      FirstCommandCase{"rate 5000", {"rate", "5000"}, 9, false},
                      FirstCommandCase{"\tRATE \"5000\" // note", {"RATE", "5000"}, 13, false},
                      FirstCommandCase{"  rate  ", {"rate"}, 8, false},
                      // No escape character: a backslash is a key name.
                      FirstCommandCase{"bind \"\\\" \"say hi\"", {"bind", "\\", "say hi"}, 17, false},
                      // `//` and `;` inside quotes are text.
                      FirstCommandCase{"say \"a // b; c\"", {"say", "a // b; c"}, 15, false},
                      // `//` is a comment only where a token starts.
                      FirstCommandCase{"rate 5000//x", {"rate", "5000//x"}, 12, false},
                      FirstCommandCase{"\"a\"//c", {"a"}, 3, false}, FirstCommandCase{"// rate \"5000\"", {}, 0, false},
                      FirstCommandCase{"a / b", {"a", "/", "b"}, 5, false},
                      // An unclosed quote takes the rest of the line, `;` and `//` included.
                      FirstCommandCase{"name \"Player; one // x", {"name", "Player; one // x"}, 22, false},
                      FirstCommandCase{"alias j \"+jump; +duck\"; echo x", {"alias", "j", "+jump; +duck"}, 22, true},
                      FirstCommandCase{"rate;name x", {"rate"}, 4, true},
                      FirstCommandCase{"rate ; name x", {"rate"}, 5, true}, FirstCommandCase{";rate 1", {}, 0, true},
                      FirstCommandCase{"", {}, 0, false}, FirstCommandCase{" \t ", {}, 3, false},
                      // A quoted token ends at its closing quote even without a blank after it.
                      FirstCommandCase{"\"a\"b c", {"a", "b", "c"}, 6, false},
                      FirstCommandCase{"skin \"\"", {"skin", ""}, 7, false},
                      // Every byte <= 0x20 separates tokens; bytes >= 0x80 are ordinary.
                      FirstCommandCase{bytes("a\x01"
                                             "b\0c"),
                                       {"a", "b", "c"},
                                       5,
                                       false},
                      FirstCommandCase{bytes("name Caf\xe9\xa0x"), {"name", "Caf\xe9\xa0x"}, 11, false}));

TEST(ConsoleLine, TokenPositionsIncludeTheQuotes) {
    const QByteArray line = "  bind \"w\"\t\"+forward\" // walk";
    const ConsoleLine::Command command = ConsoleLine::firstCommand(line);
    ASSERT_EQ(command.tokens.size(), 3u);
    EXPECT_EQ(command.tokens[0].begin, 2);
    EXPECT_EQ(command.tokens[0].end, 6);
    EXPECT_EQ(command.tokens[1].begin, 7);
    EXPECT_EQ(command.tokens[1].end, 10);
    EXPECT_EQ(command.tokens[2].begin, 11);
    EXPECT_EQ(command.tokens[2].end, 21);
    EXPECT_EQ(command.end, 22);

    // An unclosed quote runs to the end of the line.
    const ConsoleLine::Command open = ConsoleLine::firstCommand("say \"gg wp");
    ASSERT_EQ(open.tokens.size(), 2u);
    EXPECT_EQ(open.tokens[1].begin, 4);
    EXPECT_EQ(open.tokens[1].end, 10);
}

struct StartsWithCase {
    const char* name;
    const char* line;
    bool matches;
};

class StartsWith : public ::testing::TestWithParam<StartsWithCase> {};

TEST_P(StartsWith, MatchesTheFirstCommandOnly) {
    const StartsWithCase& c = GetParam();
    EXPECT_EQ(ConsoleLine::startsWith(ConsoleLine::firstCommand(c.line), ConsoleLine::tokens(c.name)), c.matches)
        << "name [" << c.name << "] line [" << c.line << "]";
}

INSTANTIATE_TEST_SUITE_P(
    Names, StartsWith,
    ::testing::Values(
        StartsWithCase{"rate", "rate \"5000\"", true}, StartsWithCase{"rate", "rate 5000", true},
        StartsWithCase{"rate", "\tRATE \"5000\" // note", true}, StartsWithCase{"rate", "rate", true},
        StartsWithCase{"rate", "rate;name x", true}, StartsWithCase{"rate", "cl_updaterate \"60\"", false},
        StartsWithCase{"rate", "cl_cmdrate \"30\"", false}, StartsWithCase{"rate", "bind \"r\" \"rate 9999\"", false},
        StartsWithCase{"rate", "rates 1", false}, StartsWithCase{"rate", "// rate 1", false},
        StartsWithCase{"rate", "echo x; rate 1", false}, StartsWithCase{"name", "hostname \"srv\"", false},
        StartsWithCase{"bind \"w\"", "bind \"w\" \"+forward\"", true},
        StartsWithCase{"bind \"w\"", "bind w +forward", true},
        StartsWithCase{"bind \"w\"", "bind \"W\" \"+forward\"", true}, StartsWithCase{"bind \"w\"", "BIND w", true},
        StartsWithCase{"bind \"w\"", "bind \"ww\" \"+forward\"", false}, StartsWithCase{"bind \"w\"", "bind", false},
        StartsWithCase{"bind \"w\"", "bind \"s\" \"w\"", false},
        StartsWithCase{"bind \"\\\"", "bind \"\\\" \"say hi\"", true},
        StartsWithCase{"setinfo vgui_menus", "setinfo \"vgui_menus\" \"0\"", true},
        StartsWithCase{"setinfo vgui_menus", "setinfo \"_vgui_menus\" \"0\"", false},
        StartsWithCase{"", "rate 1", false}, StartsWithCase{"  ", "rate 1", false}, StartsWithCase{"", "", false}));

TEST(ConsoleLine, NameTokensStopAtTheFirstCommand) {
    EXPECT_EQ(ConsoleLine::tokens("bind \"w\""), (std::vector<QByteArray>{"bind", "w"}));
    EXPECT_EQ(ConsoleLine::tokens("  setinfo\t_ah "), (std::vector<QByteArray>{"setinfo", "_ah"}));
    EXPECT_EQ(ConsoleLine::tokens("rate; name"), (std::vector<QByteArray>{"rate"}));
    EXPECT_TRUE(ConsoleLine::tokens("// rate").empty());
}

} // namespace
