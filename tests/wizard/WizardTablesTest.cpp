#include "wizard/WizardTables.h"
#include "wizard/WizardAnswers.h"

#include <gtest/gtest.h>

#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

TEST(WizardTablesTest, UnansweredListsAndAnEmptyNameWriteNothing)
{
    QList<QByteArray> names;
    for (const WizardTables::Var& v : WizardTables::storeCalls(WizardAnswers()))
        names << v.name;
    EXPECT_EQ(names, (QList<QByteArray>{"bind \"w\"", "bind \"s\"", "bind \"a\"", "bind \"d\"", "cl_righthand",
                                        "r_drawviewmodel"}));
    EXPECT_EQ(WizardTables::rate(8), QByteArray("100000")); // the last entry of the page's list
    EXPECT_FALSE(WizardTables::rate(9));                    // the page's mark of the file's own rate
    EXPECT_TRUE(WizardTables::quality(5).isEmpty());
}

TEST(WizardTablesTest, ButtonCountRules)
{
    struct Case {
        int index;
        const char* text;
        std::optional<int> count;
    };
    const Case cases[] = {
        {4, "more", 5},                        // the last entry stands for five
        {1, "3 (or 2 + scroll as MOUSE3)", 3}, // its text is no number
        {-1, " 5 ", 5},                        // typed, with blanks around
        {-1, "", {}},                          // the setting was missing and nothing was chosen
        {-1, "more", {}},                      // typed, not chosen: not a number
        {-1, "2.5", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WizardTables::buttonCount(c.index, QString::fromUtf8(c.text)), c.count) << c.index << " " << c.text;
}

TEST(WizardTablesTest, AnUneditedNameKeepsItsBytesAndAnEditedOneItsEncoding)
{
    WizardAnswers::PlayerName name;
    name.readBytes = QByteArray("Pl\xe9yer");
    name.readText = QString::fromLatin1(name.readBytes);
    name.readAsLatin1 = true;
    name.text = name.readText + u"2"_s; // edited: still one byte per Latin-1 character
    EXPECT_EQ(name.bytes(), QByteArray("Pl\xe9yer2"));
    name.readAsLatin1 = false; // read in the system's code page: edited text goes back in it
    name.text = u"Neo"_s;
    EXPECT_EQ(name.bytes(), QByteArray("Neo"));
}

} // namespace
