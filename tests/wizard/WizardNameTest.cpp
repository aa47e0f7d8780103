#include "wizard/WizardName.h"

#include "support/TempDir.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using WizardName::Kind;
using WizardName::Refusal;

namespace {

TEST(WizardNameTest, WhatANameStandsForOrWhyItIsRefused)
{
    TempDir dir;
    dir.write(u"config.cfg"_s, "unbindall\r\n");
    dir.write(u"autoexec.cfg"_s, "alias QVL_F2 \"buy\"\r\n");
    ASSERT_TRUE(QFile::link(dir.file(u"config.cfg"_s), dir.file(u"link.cfg"_s)));
    struct Case {
        QString typed;
        Kind kind;
        Refusal refusal = Refusal::None;
    };
    const Case cases[] = {
        {u"MyName.CFG"_s, Kind::WorkingFile}, // the text left as it was
        {u"CONFIG.CFG"_s, Kind::WorkingFile}, // on Windows the same file: a copy onto itself would empty it
        {u"link.cfg"_s, Kind::WorkingFile},   // the same file by another path
        {u"myname.cfg"_s, Kind::NewFile},     // not the exact text: a name like any other
        {u"console.cfg"_s, Kind::NewFile},    // begins like a device name but is none
        {u"autoexec.cfg"_s, Kind::OtherFile}, // holds the binder's aliases: ask first
        {u"COM0.cfg"_s, Kind::NewFile},       // the devices are COM1 to COM9
        {u""_s, Kind::Refused, Refusal::EmptyName},
        {u".cfg"_s, Kind::Refused, Refusal::WrongExtension},
        {u"x.cfg.bak"_s, Kind::Refused, Refusal::WrongExtension},
        {u"..\\mine.cfg"_s, Kind::Refused, Refusal::NotBareName},
        {u"C:mine.cfg"_s, Kind::Refused, Refusal::NotBareName}, // relative to the drive's current folder
        {u"mi\"ne.cfg"_s, Kind::Refused, Refusal::NotBareName},
        {u"Lpt9.cfg"_s, Kind::Refused, Refusal::NotBareName},  // a device whatever the extension
        {u"aux .cfg"_s, Kind::Refused, Refusal::NotBareName},  // Windows drops the blank and opens the device
        {u"mine.cfg."_s, Kind::Refused, Refusal::NotBareName}, // Windows drops a trailing dot
        {u"mine.cfg "_s, Kind::Refused, Refusal::NotBareName}, // and a trailing blank
    };
    for (const Case& c : cases) {
        const WizardName::Verdict v = WizardName::classify(c.typed, dir.dirWithSlash(), u"config.cfg"_s);
        EXPECT_EQ(v.kind, c.kind) << c.typed.toStdString();
        EXPECT_EQ(v.refusal, c.refusal) << c.typed.toStdString();
    }
}

} // namespace
