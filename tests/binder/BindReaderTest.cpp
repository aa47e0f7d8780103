#include "binder/BindReader.h"

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
        {"quoted", "bind \"w\" \"+forward\"", "w=+forward@1"},
        {"unquoted", "bind w +forward", "w=+forward@1"},
        {"indented with a tab", " \tbind \"F2\" \"buy\"", "F2=buy@1"},
        {"names in any case", "BIND Kp_5 \"say x\"\nbind Q +duck", "KP_5=say x@1 q=+duck@2"},
        {"semicolon spelled or quoted", "bind \";\" a\nbind semicolon b", "SEMICOLON=b@2"},
        {"tilde is the backquote key", "bind \"~\" toggleconsole", "`=toggleconsole@1"},
        {"a later bind wins and moves the key", "bind w a\nbind x b\nbind W c", "x=b@2 w=c@3"},
        {"unbind clears", "bind w a\nbind x b\nunbind \"W\"", "x=b@2"},
        {"unbind semicolon by either name", "bind SEMICOLON a\nunbind \";\"", ""},
        {"unbindall clears what came before", "bind w a\nunbindall\nbind x b", "x=b@3"},
        {"a command mentioning MOUSE1 marks nothing", "say MOUSE1\nbind x \"echo MOUSE1\"", "x=echo MOUSE1@2"},
        {"four tokens: the game refuses", "bind w +forward extra", ""},
        {"two tokens only print", "bind w a\nbind w", "w=a@1"},
        {"a bind to nothing clears", "bind w a\nbind w \"\"", ""},
        {"only the first command of a line", "echo hi; bind w a", ""},
        {"a comment is no bind", "// bind w a\nbind x b // comment", "x=b@2"},
        {"quotes keep the semicolon", "bind x \"buy; wait\"", "x=buy; wait@1"},
        {"unclosed quote runs to the line end", "bind x \"say a b", "x=say a b@1"},
        {"CR LF, lone LF and empty lines count as lines", "\r\nrate 1\n\nbind x b", "x=b@4"},
        {"a final end-of-text byte is no part of the last line, as the store reads it", "bind x \"+s\x1a", "x=+s@1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(summary(BindReader::readBytes(c.text)), QString::fromLatin1(c.bound));
    }
}

TEST(BindReader, ListsEachBindOfAnUnknownKey)
{
    const BindReading reading = BindReader::readBytes("bind ESC quit\n"
                                                      "bind \"kp_multiply\" a\n"
                                                      "bind JOY1 b\n"
                                                      "unbind ESC\n"
                                                      "bind ESC quit\n"
                                                      "bind \\ \"say hi\"\n"
                                                      "bind ESC\n");
    // The backslash is a key the game knows; ESC twice, once per line; unbind and the print form
    // of a bind raise nothing.
    EXPECT_EQ(summary(reading), "\\=say hi@6 ?ESC@1 ?kp_multiply@2 ?JOY1@3 ?ESC@5");
}

TEST(BindReader, FindComparesAsTheGame)
{
    const BindReading reading = BindReader::readBytes("bind SEMICOLON a\nbind W b\nbind \"-\" c");
    ASSERT_NE(reading.find(";"), nullptr);
    EXPECT_EQ(reading.find(";")->command, "a");
    ASSERT_NE(reading.find("w"), nullptr);
    EXPECT_EQ(reading.find("w")->line, 2);
    EXPECT_EQ(reading.find("KP_MINUS"), nullptr);
    EXPECT_NE(reading.find("-"), nullptr);
    EXPECT_EQ(reading.find("ESC"), nullptr);
}

TEST(BindReader, ReadsTheStoreAndWritesNothing)
{
    TempDir dir;
    const QByteArray text = "unbindall\nbind \"w\" \"+forward\"\n\nbind mouse1 +attack";
    const QString path = dir.write("config.cfg", text);
    CfgStore store;
    ASSERT_TRUE(store.LoadCfg(path));
    store.SetCfgVar("bind \"x\"", "+jump"); // an edit not yet saved is read as it stands
    EXPECT_EQ(summary(BindReader::read(store)), "w=+forward@2 MOUSE1=+attack@4 x=+jump@6");
    EXPECT_EQ(dir.read("config.cfg"), text);
}

} // namespace
