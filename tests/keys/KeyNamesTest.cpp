#include "keys/KeyNames.h"

#include <QSet>

#include <gtest/gtest.h>

namespace {

TEST(KeyNames, CanonicalSpelling)
{
    const struct {
        const char* name;
        const char* game; // "" = the game knows no such key
    } cases[] = {
        {"Escape", "ESCAPE"},
        {"ESC", ""},
        {"Kp_Minus", "KP_MINUS"},
        {"kp_multiply", ""},
        {"MWheelDown", "MWHEELDOWN"},
        {"MOUSE6", ""},
        {"Q", "q"},
        {";", "SEMICOLON"},
        {"semicolon", "SEMICOLON"},
        {"~", "~"},
        {"\\", "\\"},
        {"*", "*"},
        {"+", "+"},
        {" ", ""},
        {"\"", ""},
        {"", ""},
        {"ALTX", ""},
        {"é", ""},
        {"F13", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(KeyNames::canonical(QString::fromUtf8(c.name)), QString::fromUtf8(c.game)) << c.name;
}

TEST(KeyNames, SameKeyAsTheGameComparesThem)
{
    EXPECT_TRUE(KeyNames::sameKey("SEMICOLON", ";"));
    EXPECT_TRUE(KeyNames::sameKey("alt", "ALT"));
    EXPECT_FALSE(KeyNames::sameKey("~", "`"));
    EXPECT_FALSE(KeyNames::sameKey("ALT", "ALTX"));
    EXPECT_FALSE(KeyNames::sameKey("-", "KP_MINUS"));
    // Names the game does not know are still told apart, so they can be removed one by one.
    EXPECT_TRUE(KeyNames::sameKey("kp_multiply", "KP_MULTIPLY"));
    EXPECT_FALSE(KeyNames::sameKey("kp_multiply", "ESC"));
    EXPECT_FALSE(KeyNames::sameKey("", ""));
}

TEST(KeyNames, EveryKeyHasAnAliasNameTheGameRuns)
{
    EXPECT_EQ(KeyNames::aliasFor("kp_5"), "QVL_KP_5");
    EXPECT_EQ(KeyNames::aliasFor("Q"), "QVL_q");
    EXPECT_EQ(KeyNames::aliasFor("~"), "QVL_TILDE");
    EXPECT_EQ(KeyNames::aliasFor("`"), "QVL_BACKQUOTE");
    EXPECT_EQ(KeyNames::aliasFor("+"), "QVL_PLUS");
    EXPECT_EQ(KeyNames::aliasFor(";"), "QVL_SEMICOLON");
    EXPECT_EQ(KeyNames::aliasFor("ESC"), "");
    // Letters, digits and `_`, at most 31 characters, one per key.
    const QStringList& all = KeyNames::all();
    EXPECT_EQ(all.size(), 55 + 26 + 10 + 11); // named keys, letters, digits, other characters
    QSet<QString> seen;
    for (const QString& key : all) {
        EXPECT_EQ(KeyNames::canonical(key), key) << key.toStdString();
        const QString alias = KeyNames::aliasFor(key);
        EXPECT_LE(alias.size(), 31) << alias.toStdString();
        for (const QChar c : alias)
            EXPECT_TRUE(c.isLetterOrNumber() || c == u'_') << alias.toStdString();
        EXPECT_FALSE(seen.contains(alias)) << alias.toStdString();
        seen.insert(alias);
    }
}

} // namespace
