#include "wizard/WizardName.h"

#include "support/TempDir.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using WizardName::Kind;

namespace {

class WizardNameTest : public ::testing::Test {
protected:
    WizardNameTest()
    {
        dir.write(u"config.cfg"_s, "unbindall\r\n");
        dir.write(u"autoexec.cfg"_s, "alias QVL_F2 \"buy\"\r\n");
    }
    WizardName::Verdict classify(const QString& typed)
    {
        return WizardName::classify(typed, dir.dirWithSlash(), u"config.cfg"_s);
    }
    TempDir dir;
};

TEST_F(WizardNameTest, WhatAnAcceptedNameStandsFor)
{
    struct Case {
        QString typed;
        Kind kind;
    };
    const Case cases[] = {
        {u"MyName.CFG"_s, Kind::WorkingFile}, // the text left as it was
        {u"config.cfg"_s, Kind::WorkingFile}, // copying the file onto itself would empty it
        {u"CONFIG.CFG"_s, Kind::WorkingFile}, // on Windows the same file
        {u"myname.cfg"_s, Kind::NewFile},     // not the exact text: a name like any other
        {u"mine.CFG"_s, Kind::NewFile},       // the extension in any letter case
        {u"a.cfg"_s, Kind::NewFile},          // one character before it is enough
        {u"console.cfg"_s, Kind::NewFile},    // begins like a device name but is none
        {u"com10.cfg"_s, Kind::NewFile},      {u"my name.cfg"_s, Kind::NewFile}, // a blank inside is fine
        {u"autoexec.cfg"_s, Kind::OtherFile}, // holds the binder's aliases: ask first
    };
    for (const Case& c : cases) {
        const WizardName::Verdict v = classify(c.typed);
        EXPECT_EQ(v.kind, c.kind) << c.typed.toStdString();
        EXPECT_TRUE(v.messageKey.isEmpty()) << c.typed.toStdString();
    }
}

TEST_F(WizardNameTest, TheSameFileByAnotherPathIsTheWorkingFile)
{
    ASSERT_TRUE(QFile::link(dir.file(u"config.cfg"_s), dir.file(u"link.cfg"_s)));
    EXPECT_EQ(classify(u"link.cfg"_s).kind, Kind::WorkingFile);
}

TEST_F(WizardNameTest, RefusedNamesSayWhy)
{
    struct Case {
        QString typed;
        const char* key;
    };
    const Case cases[] = {
        {u""_s, "wrongext"},
        {u"mine"_s, "wrongext"},
        {u".cfg"_s, "wrongext"},      // nothing before the extension
        {u"x.cfg.bak"_s, "wrongext"}, // the list would never show it
        {u"mine.txt"_s, "wrongext"},
        {u"../mine.cfg"_s, "notbarename"},
        {u"..\\mine.cfg"_s, "notbarename"},
        {u"sub/mine.cfg"_s, "notbarename"},
        {u"/tmp/mine.cfg"_s, "notbarename"},
        {u"C:\\mine.cfg"_s, "notbarename"},
        {u"C:mine.cfg"_s, "notbarename"}, // relative to the drive's current folder
        {u"mi\"ne.cfg"_s, "notbarename"},
        {u"mi\tne.cfg"_s, "notbarename"},
        {u"mi\nne.cfg"_s, "notbarename"},
        {u"mine?.cfg"_s, "notbarename"},
        {u"nul.cfg"_s, "notbarename"}, // a device whatever the extension
        {u"CON.cfg"_s, "notbarename"},
        {u"com1.cfg"_s, "notbarename"},
        {u"Lpt9.cfg"_s, "notbarename"},
        {u"aux .cfg"_s, "notbarename"},  // Windows drops the blank and opens the device
        {u"mine.cfg."_s, "notbarename"}, // Windows drops a trailing dot or blank
        {u"mine.cfg "_s, "notbarename"},
    };
    for (const Case& c : cases) {
        const WizardName::Verdict v = classify(c.typed);
        EXPECT_EQ(v.kind, Kind::Refused) << c.typed.toStdString();
        EXPECT_EQ(v.messageKey, QLatin1String(c.key)) << c.typed.toStdString();
    }
}

} // namespace
