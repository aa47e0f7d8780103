#include "keys/BindReader.h"

#include "config/CfgStore.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

// "KEY=COMMAND@LINE" for each bound key, in order, then "?NAME@LINE" for each unknown name.
QString summary(const BindReading& reading)
{
    QStringList parts;
    for (const BoundKey& b : reading.bound)
        parts << QStringLiteral("%1=%2@%3").arg(b.key, QString::fromLatin1(b.command)).arg(b.line);
    for (const UnknownKeyBind& u : reading.unknown)
        parts << QStringLiteral("?%1@%2").arg(QString::fromLatin1(u.name)).arg(u.line);
    return parts.join(u' ');
}

TEST(BindReader, ReadsWhatTheGameEndsUpWith)
{
    const struct {
        const char* what;
        QByteArray text;
        const char* bound;
    } cases[] = {
        {"names in any case, quoted or not", " \tBIND Kp_5 \"say x\"\nbind Q +duck", "KP_5=say x@1 q=+duck@2"},
        {"semicolon by either name", "bind \";\" a\nbind semicolon b", "SEMICOLON=b@2"},
        {"every single character is a key of its own", "bind ~ a\nbind ` b\nbind \"+\" c\nbind \\ d\nbind # e",
         "~=a@1 `=b@2 +=c@3 \\=d@4 #=e@5"},
        {"a later bind wins and moves the key", "bind w a\nbind x b\nbind W c", "x=b@2 w=c@3"},
        {"unbind and unbindall clear", "bind w a\nbind y c\nunbind \"W\"\nunbindall\nbind x b", "x=b@5"},
        {"four tokens: the game refuses", "bind w +forward extra", ""},
        {"two tokens only print", "bind w a\nbind w", "w=a@1"},
        {"a bind to nothing clears", "bind w a\nbind w \"\"", ""},
        {"every command of a line", "echo hi; bind \"a\" \"+jump\"; bind \"b\" \"+duck\"", "a=+jump@1 b=+duck@1"},
        {"a comment ends at the next semicolon", "// old; bind \"a\" \"x\"", "a=x@1"},
        {"a command mentioning MOUSE1 marks nothing", "say MOUSE1\nbind x \"echo MOUSE1\"", "x=echo MOUSE1@2"},
        {"a comment is no bind", "// bind w a\nbind x b // comment", "x=b@2"},
        {"quotes keep the semicolon", "bind x \"buy; wait\"", "x=buy; wait@1"},
        {"unclosed quote runs to the line end", "bind x \"say a b", "x=say a b@1"},
        {"CR LF, lone LF and empty lines count as lines", "\r\nrate 1\n\nbind x b", "x=b@4"},
        {"a final end-of-text byte is no part of the last line", "bind x \"+s\x1a", "x=+s@1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(summary(BindReader::readBytes(c.text)), QString::fromLatin1(c.bound));
    }
}

TEST(BindReader, ListsEachBindOfAnUnknownKeyAndFindsKeysAsTheGame)
{
    const BindReading reading = BindReader::readBytes("bind ESC quit\n"
                                                      "bind JOY1 b\n"
                                                      "unbind ESC\n"
                                                      "bind ESC quit\n"
                                                      "bind \\ \"say hi\"\n"
                                                      "bind ESC\n"
                                                      "bind SEMICOLON a\n");
    // ESC twice, once per line; unbind and the print form of a bind raise nothing.
    EXPECT_EQ(summary(reading), "\\=say hi@5 SEMICOLON=a@7 ?ESC@1 ?JOY1@2 ?ESC@4");
    ASSERT_NE(reading.find(";"), nullptr);
    EXPECT_EQ(reading.find(";")->line, 7);
    EXPECT_EQ(reading.find("ESC"), nullptr);
}

TEST(BindReader, ReadsTheStoreAsItStandsAndWritesNothing)
{
    TempDir dir;
    const QByteArray text = "unbindall\nbind \"w\" \"+forward\"\n\nbind mouse1 +attack";
    const QString path = dir.write("config.cfg", text);
    CfgStore store;
    ASSERT_TRUE(store.LoadCfg(path));
    store.SetCfgVar("bind \"x\"", "+jump");
    EXPECT_EQ(summary(BindReader::read(store)), "w=+forward@2 MOUSE1=+attack@4 x=+jump@6");
    EXPECT_EQ(dir.read("config.cfg"), text);
}

} // namespace
