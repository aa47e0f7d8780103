#include "config/ConsoleLine.h"

#include "ByteText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> texts(const ConsoleLine::Command& command)
{
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

TEST_P(FirstCommand, SplitsAsTheGameReadsIt)
{
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
                      // Quotes count wherever they stand: a `;` between two of them is text.
                      FirstCommandCase{"say a\"b;c\" x", {"say", "a\"b;c\"", "x"}, 12, false},
                      FirstCommandCase{"say a\"b c;d\"; x", {"say", "a\"b", "c;d\""}, 12, true},
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

struct StartsWithCase {
    const char* name;
    const char* line;
    bool matches;
};

class StartsWith : public ::testing::TestWithParam<StartsWithCase> {};

TEST_P(StartsWith, MatchesTheFirstCommandOnly)
{
    const StartsWithCase& c = GetParam();
    EXPECT_EQ(ConsoleLine::startsWith(ConsoleLine::firstCommand(c.line), ConsoleLine::tokens(c.name)), c.matches)
        << "name [" << c.name << "] line [" << c.line << "]";
}

// The store's tests cover the usual shapes; these are the token-boundary cases.
INSTANTIATE_TEST_SUITE_P(Names, StartsWith,
                         ::testing::Values(StartsWithCase{"rate", "rate", true},
                                           StartsWithCase{"rate", "rates 1", false},
                                           StartsWithCase{"rate", "\"rate\"1", true},
                                           StartsWithCase{"bind \"w\"", "bind \"ww\" \"+forward\"", false},
                                           StartsWithCase{"bind \"w\"", "bind", false},
                                           StartsWithCase{"bind \"w\"", "bind \"s\" \"w\"", false},
                                           StartsWithCase{"bind \"w\"", "BIND w;bind s", true},
                                           StartsWithCase{"", "", false}));

} // namespace
