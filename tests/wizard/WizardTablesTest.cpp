#include "wizard/WizardTables.h"
#include "wizard/WizardAnswers.h"

#include <gtest/gtest.h>

#include <optional>

using namespace Qt::Literals::StringLiterals;
using WizardTables::Var;

namespace {

QList<QByteArray> names(const QList<Var>& calls)
{
    QList<QByteArray> out;
    for (const Var& v : calls)
        out << v.name;
    return out;
}

TEST(WizardTablesTest, EveryAnswerGivesItsCallsInTheGeneratorsOrder)
{
    WizardAnswers a;
    a.connection = 2;
    a.wasd = false;
    a.name.text = u"Player"_s;
    a.rightHand = false;
    a.showWeapon = true;
    a.computerSpeed = 4;
    const QList<Var> expected = {
        {"rate", "3500"},
        {"bind \"UPARROW\"", "+forward"},
        {"bind \"DOWNARROW\"", "+back"},
        {"bind \"LEFTARROW\"", "+moveleft"},
        {"bind \"RIGHTARROW\"", "+moveright"},
        {"name", "Player"},
        {"lefthand", "0"},
        {"r_drawviewmodel", "1"},
        {"setinfo vgui_menus", "1"},
        {"max_shells", "500"},
        {"r_decal", "500"},
        {"max_smokepuffs", "500"},
        {"fastsprites", "0"},
    };
    EXPECT_EQ(WizardTables::storeCalls(a), expected);
}

TEST(WizardTablesTest, UnansweredListsAndAnEmptyNameWriteNothing)
{
    WizardAnswers a; // no connection, no speed, no name
    EXPECT_EQ(names(WizardTables::storeCalls(a)), (QList<QByteArray>{"bind \"w\"", "bind \"s\"", "bind \"a\"",
                                                                     "bind \"d\"", "lefthand", "r_drawviewmodel"}));
    for (int outside : {-1, 6})
        EXPECT_FALSE(WizardTables::rate(outside)) << outside;
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
        {0, "2", 2},
        {-1, "4", 4},     // typed
        {-1, " 5 ", 5},   // blanks around a typed number
        {-1, "", {}},     // the setting was missing and nothing was chosen
        {-1, "more", {}}, // typed, not chosen: not a number
        {-1, "2.5", {}},
        {-1, "3 buttons", {}},
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
    name.text = name.readText;
    EXPECT_EQ(name.bytes(), QByteArray("Pl\xe9yer"));

    name.text = name.readText + u"2"_s; // edited: still one byte per Latin-1 character
    EXPECT_EQ(name.bytes(), QByteArray("Pl\xe9yer2"));

    name.readAsLatin1 = false; // read in the system's code page: edited text goes back in it
    name.text = u"Neo"_s;
    EXPECT_EQ(name.bytes(), QByteArray("Neo"));
}

} // namespace
