#include "config/ConsoleLine.h"

#include "ByteText.h"

#include <gtest/gtest.h>

#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

// The store's tests cover how names match; these are the token and command boundaries.
TEST(ConsoleLine, FirstCommandSplitsAsTheGameReadsIt)
{
    const struct {
        QByteArray line;
        std::vector<QByteArray> tokens;
        qsizetype end;
        bool bySemicolon;
    } cases[] = {
        {"\tRATE \"5000\" // note", {"RATE", "5000"}, 13, false},
        // No escape character: a backslash is a key name.
        {"bind \"\\\" \"say hi\"", {"bind", "\\", "say hi"}, 17, false},
        // `//` and `;` inside quotes are text; `//` is a comment only where a token starts.
        {"say \"a // b; c\"", {"say", "a // b; c"}, 15, false},
        {"rate 5000//x", {"rate", "5000//x"}, 12, false},
        {"\"a\"//c", {"a"}, 3, false},
        // An unclosed quote takes the rest of the line, `;` and `//` included.
        {"name \"Player; one // x", {"name", "Player; one // x"}, 22, false},
        {"alias j \"+jump; +duck\"; echo x", {"alias", "j", "+jump; +duck"}, 22, true},
        // Quotes count wherever they stand: a `;` between two of them is text.
        {"say a\"b;c\" x", {"say", "a\"b;c\"", "x"}, 12, false},
        {"say a\"b c;d\"; x", {"say", "a\"b", "c;d\""}, 12, true},
        // A quoted token ends at its closing quote even without a blank after it.
        {"\"a\"b c", {"a", "b", "c"}, 6, false},
        // Every byte <= 0x20 separates tokens.
        {"a\1b\0c"_ba, {"a", "b", "c"}, 5, false},
    };
    for (const auto& c : cases) {
        const ConsoleLine::Command command = ConsoleLine::firstCommand(c.line);
        std::vector<QByteArray> tokens;
        for (const ConsoleLine::Token& t : command.tokens)
            tokens.push_back(t.text);
        EXPECT_EQ(tokens, c.tokens) << c.line.toStdString();
        EXPECT_EQ(command.end, c.end) << c.line.toStdString();
        EXPECT_EQ(command.bySemicolon, c.bySemicolon) << c.line.toStdString();
    }
}

} // namespace
