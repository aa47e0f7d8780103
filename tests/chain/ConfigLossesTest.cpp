#include "chain/ConfigLosses.h"
#include "chain/ArchivedCvars.h"
#include "chain/ShippedArchived.h"
#include "config/TextLines.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

TEST(ArchivedCvars, ReadsTheShippedListAndKeepsItWhenAFileCannotBeRead)
{
    ArchivedCvars list = shippedArchivedCvars();
    EXPECT_EQ(list.count(), 160);
    EXPECT_TRUE(list.contains("CL_Crosshair_Color"));
    EXPECT_TRUE(list.contains("mp3fadetime"));
    EXPECT_FALSE(list.contains("cl_bobup"));
    QString error;
    EXPECT_FALSE(list.load(u"/nonexistent/archived-cvars.txt"_s, &error));
    EXPECT_TRUE(error.contains(u"/nonexistent/archived-cvars.txt"_s)) << error.toStdString();
    EXPECT_EQ(list.count(), 160);
}

TEST(ConfigLosses, KeepsOnlyALastExecOfUserconfig)
{
    const ArchivedCvars archived = shippedArchivedCvars();
    const struct {
        QByteArray text;
        const char* losses; // LINE:REASON ...
    } cases[] = {
        {"exec userconfig.cfg\nexec other.cfg", "1:exec 2:exec"},
        {"exec USERCONFIG.CFG; rate 1", ""},
        {"exec a.cfg; exec userconfig.cfg", "1:exec"},
        {"exec userconfig.cfg\nexec userconfig.cfg\nrate 1", "1:exec"},
        {"alias Go; // a // b", "1:alias 1:comment"},
        {"say \"// no comment\"\r\n\r\n+mlook\r\nsetinfo \"_pw\" \"x\"", ""},
        {"Go 1\ncl_bobup 1\nsensitivity 2\nrate 1 2\nbind \"+\" sizeup\nbind \"ESC\" x\nbind ESC",
         "2:not archived 6:unknown key"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        QStringList found;
        for (const ConfigLosses::Loss& l : ConfigLosses::find(TextLines::split(c.text), archived, {"go"}))
            found << u"%1:%2"_s.arg(l.line).arg(QLatin1String(ConfigLosses::reasonText(l.reason)));
        EXPECT_EQ(found.join(u' '), QString::fromLatin1(c.losses));
    }
}

} // namespace
