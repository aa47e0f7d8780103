#include "binder/KeyNames.h"

#include <QSet>

#include <gtest/gtest.h>

namespace {

TEST(KeyNames, CanonicalSpelling)
{
    const struct {
        const char* name;
        const char* game; // "" = the game knows no such key
    } cases[] = {
        {"escape", "ESCAPE"},
        {"Escape", "ESCAPE"},
        {"ESC", ""},
        {"f2", "F2"},
        {"kp_5", "KP_5"},
        {"Kp_Minus", "KP_MINUS"},
        {"kp_multiply", ""},
        {"KP_MUL", ""},
        {"mouse1", "MOUSE1"},
        {"MWheelDown", "MWHEELDOWN"},
        {"MOUSE6", ""},
        {"capslock", "CAPSLOCK"},
        {"Q", "q"},
        {"q", "q"},
        {"7", "7"},
        {";", "SEMICOLON"},
        {"semicolon", "SEMICOLON"},
        {"~", "`"},
        {"`", "`"},
        {"\\", "\\"},
        {"*", "*"},
        {"-", "-"},
        {"'", "'"},
        {"+", ""},
        {"\"", ""},
        {"", ""},
        {" ", ""},
        {"ALTX", ""},
        {"é", ""},
        {"JOY1", ""},
        {"F13", ""},
        {"KP_ENTER", "KP_ENTER"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(KeyNames::canonical(QString::fromUtf8(c.name)), QString::fromUtf8(c.game));
    }
}

TEST(KeyNames, SameKeyAsTheGameComparesThem)
{
    EXPECT_TRUE(KeyNames::sameKey("SEMICOLON", ";"));
    EXPECT_TRUE(KeyNames::sameKey("W", "w"));
    EXPECT_TRUE(KeyNames::sameKey("alt", "ALT"));
    EXPECT_TRUE(KeyNames::sameKey("~", "`"));
    EXPECT_FALSE(KeyNames::sameKey("ALT", "ALTX"));
    EXPECT_FALSE(KeyNames::sameKey("-", "KP_MINUS"));
    EXPECT_FALSE(KeyNames::sameKey("1", "KP_END"));
    // Names the game does not know are still told apart, so they can be removed one by one.
    EXPECT_TRUE(KeyNames::sameKey("kp_multiply", "KP_MULTIPLY"));
    EXPECT_FALSE(KeyNames::sameKey("kp_multiply", "ESC"));
    EXPECT_FALSE(KeyNames::sameKey("", ""));
}

TEST(KeyNames, AliasNamesHoldNothingThatSplitsACommand)
{
    const struct {
        const char* key;
        const char* alias;
    } cases[] = {
        {"F2", "QVL_F2"},
        {"kp_5", "QVL_KP_5"},
        {"Q", "QVL_q"},
        {"0", "QVL_0"},
        {"escape", "QVL_ESCAPE"},
        {"-", "QVL_MINUS"},
        {"=", "QVL_EQUALS"},
        {"[", "QVL_LBRACKET"},
        {"]", "QVL_RBRACKET"},
        {";", "QVL_SEMICOLON"},
        {"'", "QVL_APOSTROPHE"},
        {"`", "QVL_BACKQUOTE"},
        {"~", "QVL_BACKQUOTE"},
        {",", "QVL_COMMA"},
        {".", "QVL_PERIOD"},
        {"/", "QVL_SLASH"},
        {"*", "QVL_STAR"},
        {"\\", "QVL_BACKSLASH"},
        {"ESC", ""},
        {"+", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(KeyNames::aliasFor(QString::fromUtf8(c.key)), QString::fromUtf8(c.alias));
    }
    // Every alias the composer can make is a name the game runs: letters, digits and `_`, at most
    // 31 characters, one per key.
    QSet<QString> seen;
    for (const QString& key : KeyNames::all()) {
        const QString alias = KeyNames::aliasFor(key);
        EXPECT_LE(alias.size(), 31) << alias.toStdString();
        for (const QChar c : alias)
            EXPECT_TRUE(c.isLetterOrNumber() || c == u'_') << alias.toStdString();
        EXPECT_FALSE(seen.contains(alias)) << alias.toStdString();
        seen.insert(alias);
    }
}

TEST(KeyNames, AllKeysAreCanonicalAndComplete)
{
    const QStringList& all = KeyNames::all();
    EXPECT_EQ(all.size(), 55 + 26 + 10 + 11); // named keys, letters, digits, other characters
    for (const QString& key : all)
        EXPECT_EQ(KeyNames::canonical(key), key) << key.toStdString();
    for (const char* key : {"KP_ENTER", "KP_SLASH", "KP_PLUS", "KP_MINUS", "MWHEELUP", "MOUSE5", "SEMICOLON", "*"})
        EXPECT_TRUE(all.contains(QString::fromUtf8(key))) << key;
}

} // namespace
