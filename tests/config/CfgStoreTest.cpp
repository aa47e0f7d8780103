#include "config/CfgStore.h"

#include "ByteText.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<QByteArray> slots(const CfgStore& store, int upTo)
{
    std::vector<QByteArray> out;
    for (int i = 1; i <= upTo; ++i)
        out.push_back(store.CfgLines(i));
    return out;
}

class CfgStoreTest : public ::testing::Test {
protected:
    // Writes `text` to a file and loads it.
    QString load(const QByteArray& text, const QString& name = QStringLiteral("config.cfg"))
    {
        const QString path = dir.write(name, text);
        QString error;
        EXPECT_TRUE(store.LoadCfg(path, &error)) << error.toStdString();
        return path;
    }
    // Saves back to the loaded file and gives its bytes.
    QByteArray saved()
    {
        QString error;
        EXPECT_TRUE(store.SaveCfg(store.filePath(), &error)) << error.toStdString();
        return TempDir::readFile(store.filePath());
    }

    TempDir dir;
    CfgStore store;
};

// --- reading a file into slots ---------------------------------------------------------------

struct LoadCase {
    QByteArray file;
    std::vector<QByteArray> lines;
};

class CfgStoreLoad : public CfgStoreTest, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(CfgStoreLoad, SplitsLinesAtEveryLineEnd)
{
    const LoadCase& c = GetParam();
    load(c.file);
    const int n = static_cast<int>(c.lines.size());
    EXPECT_EQ(store.CfgTop(), n + 1);
    EXPECT_EQ(slots(store, n + 1), [&] {
        std::vector<QByteArray> v = c.lines;
        v.emplace_back();
        return v;
    }());
}

INSTANTIATE_TEST_SUITE_P(
    Files, CfgStoreLoad,
    ::testing::Values(LoadCase{"", {}}, LoadCase{"a\r\nb\r\n", {"a", "b"}}, LoadCase{"a\nb", {"a", "b"}},
                      LoadCase{"a\rb\r", {"a", "b"}}, LoadCase{"a\r\n\r\nb", {"a", "", "b"}},
                      LoadCase{"a\n\r\nb\n", {"a", "", "b"}}, LoadCase{"a\r\r\nb", {"a", "", "b"}},
                      LoadCase{"\n", {""}}, LoadCase{" \t \r\n", {" \t "}},
                      // One 0x1A at the very end marks the end of the text; elsewhere it is a byte.
                      LoadCase{"a\r\n\x1a", {"a"}}, LoadCase{"\x1a", {}}, LoadCase{"a\x1a\x1a", {"a\x1a"}},
                      LoadCase{"a\x1a"
                               "b\r\nc\r\n",
                               {"a\x1a"
                                "b",
                                "c"}},
                      LoadCase{bytes("a\0b\r\n\xff\xfe"), {bytes("a\0b"), "\xff\xfe"}}));

TEST_F(CfgStoreTest, LoadingAnotherFileReplacesEverything)
{
    load("rate 1\r\nname x\r\nfps_max 100\r\n", QStringLiteral("a.cfg"));
    store.SetCfgVar("sensitivity", "2");
    const QString b = load("volume 1\r\n", QStringLiteral("b.cfg"));
    EXPECT_EQ(store.CfgTop(), 2);
    EXPECT_EQ(slots(store, 5), (std::vector<QByteArray>{"volume 1", "", "", "", ""}));
    EXPECT_EQ(store.filePath(), b);
    EXPECT_EQ(saved(), "volume 1\r\n");
}

// --- GetCfgVar -------------------------------------------------------------------------------

struct GetCase {
    QByteArray file;
    const char* name;
    bool found;
    QByteArray value; // "<kept>" when the caller's value must stay
};

class CfgStoreGet : public CfgStoreTest, public ::testing::WithParamInterface<GetCase> {};

TEST_P(CfgStoreGet, GivesTheTokenAfterTheName)
{
    const GetCase& c = GetParam();
    load(c.file);
    const int top = store.CfgTop();
    QByteArray value = "<kept>";
    EXPECT_EQ(store.GetCfgVar(c.name, value), c.found);
    EXPECT_EQ(value, c.value);
    EXPECT_EQ(store.CfgTop(), top + 1);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CfgStoreGet,
    ::testing::Values(
        GetCase{"rate \"5000\"\r\n", "rate", true, "5000"}, GetCase{"rate 5000", "rate", true, "5000"},
        GetCase{"\tRATE \"5000\" // x\n", "rate", true, "5000"},
        GetCase{"cl_updaterate \"60\"\r\ncl_cmdrate \"30\"\r\nbind \"r\" \"rate 9999\"\r\n", "rate", false, "<kept>"},
        GetCase{"hostname \"srv\"\r\n", "name", false, "<kept>"},
        GetCase{"// rate \"5000\"\r\nsay \"rate 1\"\r\n", "rate", false, "<kept>"},
        GetCase{"echo hi; rate 1\r\n", "rate", false, "<kept>"},
        GetCase{"name \"Player one", "name", true, "Player one"},
        // A quoted command name is still the command.
        GetCase{"  \"Rate\" \"5000\"\r\n", "rate", true, "5000"}, GetCase{"drawradar\r\n", "drawradar", true, ""},
        GetCase{"drawradar \" \"\r\n", "drawradar", true, " "}, GetCase{"skin \"\"\r\n", "skin", true, ""},
        GetCase{"rate \"1\"\r\ncl_updaterate 5\r\nRATE 2 // last\r\n", "rate", true, "2"},
        GetCase{"bind w +forward\r\n", "bind \"w\"", true, "+forward"},
        GetCase{"bind \"W\" \"+forward\"\r\n", "bind \"w\"", true, "+forward"},
        GetCase{"bind \"\\\" \"say hi\"\r\n", "bind \"\\\"", true, "say hi"},
        GetCase{"setinfo \"_ah\" \"0\"\r\n_ah \"1\"\r\n", "setinfo _ah", true, "0"},
        GetCase{"setinfo \"_ah\" \"0\"\r\n", "_ah", false, "<kept>"},
        GetCase{"name \"Caf\xe9\"\r\n", "name", true, "Caf\xe9"}, GetCase{"rate 1\r\n", "", false, "<kept>"}));

// --- SetCfgVar -------------------------------------------------------------------------------

struct SetCase {
    QByteArray file;
    const char* name;
    const char* value;
    QByteArray expected; // the file after SaveCfg
};

class CfgStoreSet : public CfgStoreTest, public ::testing::WithParamInterface<SetCase> {};

TEST_P(CfgStoreSet, ReplacesTheFirstCommandOfEveryMatchingLine)
{
    const SetCase& c = GetParam();
    load(c.file);
    store.SetCfgVar(c.name, c.value);
    EXPECT_EQ(saved(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CfgStoreSet,
    ::testing::Values(
        SetCase{"rate \"5000\"\r\n", "rate", "9999", "rate \"9999\"\r\n"},
        SetCase{"rate 5000 // my rate\r\n", "rate", "9999", "rate \"9999\" // my rate\r\n"},
        SetCase{"\t  rate 5000\r\n", "rate", "9999", "\t  rate \"9999\"\r\n"},
        SetCase{"rate 5000   \r\n", "rate", "9999", "rate \"9999\"\r\n"},
        SetCase{"rate 5000; echo set\r\n", "rate", "9999", "rate \"9999\"; echo set\r\n"},
        SetCase{"cl_updaterate \"60\"\r\nrate \"1\"\r\nbind \"r\" \"rate 1\"\r\n", "rate", "9999",
                "cl_updaterate \"60\"\r\nrate \"9999\"\r\nbind \"r\" \"rate 1\"\r\n"},
        SetCase{"rate \"1\"\r\nname x\r\nRATE 2\r\n", "rate", "9999", "rate \"9999\"\r\nname x\r\nrate \"9999\"\r\n"},
        SetCase{"bind w +forward\r\nbind \"s\" \"+back\"\r\n", "bind \"w\"", "+moveup",
                "bind \"w\" \"+moveup\"\r\nbind \"s\" \"+back\"\r\n"},
        SetCase{"name \"unclosed\r\n", "name", "x", "name \"x\"\r\n"},
        SetCase{"drawradar\r\n", "drawradar", "", "drawradar \" \"\r\n"},
        // Not found: the line goes to the new top slot, written without a line end.
        SetCase{"hostname \"srv\"\r\n// rate 1\r\n", "name", "me", "hostname \"srv\"\r\n// rate 1\r\nname \"me\""},
        SetCase{"", "hideradar", "", "hideradar \" \""},
        // No escaping: a value with a quote is written as it is.
        SetCase{"say_x 1\r\n", "say_x", "a\"b", "say_x \"a\"b\"\r\n"},
        // An empty name matches nothing and adds nothing.
        SetCase{"rate 1\r\n", "", "5", "rate 1\r\n"}));

// --- DeleteCfgLines --------------------------------------------------------------------------

struct DeleteCase {
    QByteArray file;
    const char* name;
    QByteArray expected;
};

class CfgStoreDelete : public CfgStoreTest, public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(CfgStoreDelete, RemovesOnlyTheMatchingCommand)
{
    const DeleteCase& c = GetParam();
    load(c.file);
    const int top = store.CfgTop();
    store.DeleteCfgLines(c.name);
    EXPECT_EQ(store.CfgTop(), top);
    EXPECT_EQ(saved(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CfgStoreDelete,
    ::testing::Values(DeleteCase{"drawradar \" \"\r\nbind \"x\" \"drawradar\"\r\ndrawradar\r\nDRAWRADAR // on\r\n",
                                 "drawradar", "bind \"x\" \"drawradar\"\r\n"},
                      DeleteCase{"  drawradar; hideradar\r\n", "drawradar", "  hideradar\r\n"},
                      DeleteCase{"drawradar ; // radar\r\nrate 1\r\n", "drawradar", "rate 1\r\n"},
                      DeleteCase{"hideradar; drawradar\r\n", "drawradar", "hideradar; drawradar\r\n"},
                      DeleteCase{"bind \"w\" \"+forward\"\r\nbind w +jump\r\nbind \"ww\" x\r\n", "bind \"w\"",
                                 "bind \"ww\" x\r\n"},
                      DeleteCase{"rate 1\r\n", "", "rate 1\r\n"}));

// --- sequences of edits ------------------------------------------------------------------------
// Each edit may change which token a line begins with; later look-ups must see the line as it is
// now, in slot order, and never act on one line twice.

struct Step {
    char op; // 'g' get, 's' set, 'd' delete
    const char* name;
    QByteArray value; // for 'g' the expected value, "<none>" when no line may match
};

struct SequenceCase {
    const char* what;
    QByteArray file;
    std::vector<Step> steps;
    QByteArray saved;
    friend void PrintTo(const SequenceCase& c, std::ostream* os) { *os << c.what; }
};

class CfgStoreSequence : public CfgStoreTest, public ::testing::WithParamInterface<SequenceCase> {};

TEST_P(CfgStoreSequence, EveryLookUpSeesTheLinesAsTheyAreNow)
{
    const SequenceCase& c = GetParam();
    load(c.file);
    for (size_t i = 0; i < c.steps.size(); ++i) {
        const Step& step = c.steps[i];
        if (step.op == 'g') {
            QByteArray value = "<none>";
            EXPECT_EQ(store.GetCfgVar(step.name, value), step.value != "<none>") << "step " << i;
            EXPECT_EQ(value, step.value) << "step " << i;
        } else if (step.op == 's') {
            store.SetCfgVar(step.name, step.value);
        } else {
            store.DeleteCfgLines(step.name);
        }
    }
    EXPECT_EQ(saved(), c.saved);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, CfgStoreSequence,
    ::testing::Values(
        SequenceCase{
            "the rest of a line is found under its own first token",
            "drawradar; hideradar\r\nrate 1\r\n",
            {{'d', "drawradar", {}}, {'g', "drawradar", "<none>"}, {'g', "hideradar", ""}, {'s', "hideradar", "1"}},
            "hideradar \"1\"\r\nrate 1\r\n"},
        SequenceCase{"one delete removes one command of a line; the next removes the next",
                     "drawradar; DRAWRADAR; rate 1\r\n",
                     {{'d', "drawradar", {}}, {'g', "rate", "<none>"}, {'d', "drawradar", {}}, {'g', "rate", "1"}},
                     "rate 1\r\n"},
        SequenceCase{"the last line in slot order wins, whatever order the lines were edited in",
                     "rate 1\r\nx; rate 2\r\nname a\r\n",
                     {{'g', "rate", "1"},
                      {'d', "x", {}},
                      {'g', "rate", "2"},
                      {'s', "volume", "1"},
                      {'g', "volume", "1"},
                      {'s', "volume", "2"},
                      {'s', "name", "b"},
                      {'g', "volume", "2"},
                      {'g', "name", "b"}},
                     "rate 1\r\nrate 2\r\nname \"b\"\r\nvolume \"2\"\r\n"},
        SequenceCase{"a quoted first token holds blanks and `;`",
                     "\"my cmd\" 1\r\n\"rate;x\" 5\r\nrate 2\r\n",
                     {{'g', "\"my cmd\"", "1"},
                      {'g', "my", "<none>"},
                      {'g', "\"rate;x\"", "5"},
                      {'g', "rate", "2"},
                      {'s', "\"rate;x\"", "6"},
                      {'d', "rate", {}},
                      {'g', "\"RATE;X\"", "6"}},
                     "\"my cmd\" 1\r\n\"rate;x\" \"6\"\r\n"},
        SequenceCase{"a word ends at a blank or a `;` and may hold a quote",
                     "say\"a b\" 1\r\nrate;name z\r\ncl_rate//x 3\r\n",
                     {{'g', "say\"a", "b\""},
                      {'g', "say", "<none>"},
                      {'g', "rate", ""},
                      {'g', "name", "<none>"},
                      {'g', "cl_rate//x", "3"},
                      {'g', "cl_rate", "<none>"}},
                     "say\"a b\" 1\r\nrate;name z\r\ncl_rate//x 3\r\n"},
        SequenceCase{"names differing from the line only in letter case",
                     "  Cl_UpdateRate 60\r\nbind \"MOUSE1\" \"+attack\"\r\n",
                     {{'g', "CL_UPDATERATE", "60"},
                      {'s', "cl_updaterate", "101"},
                      {'g', "cL_uPdAtErAtE", "101"},
                      {'g', "BIND \"mouse1\"", "+attack"},
                      {'s', "Bind mouse1", "+duck"}},
                     "  cl_updaterate \"101\"\r\nBind mouse1 \"+duck\"\r\n"},
        SequenceCase{"an added line is found and replaced like any other",
                     "",
                     {{'s', "bind \"w\"", "+forward"},
                      {'g', "bind w", "+forward"},
                      {'s', "BIND W", "+jump"},
                      {'g', "bind \"w\"", "+jump"},
                      {'d', "bind \"W\"", {}},
                      {'g', "bind w", "<none>"}},
                     ""}));

TEST_F(CfgStoreTest, ManyLinesWithTheSameFirstWordAreEachFoundByTheirSecond)
{
    QByteArray file;
    for (int i = 0; i < 300; ++i)
        file += "bind \"k" + QByteArray::number(i) + "\" \"say " + QByteArray::number(i) + "\"\r\n";
    load(file);
    QByteArray v;
    for (int i = 0; i < 300; i += 7)
        store.SetCfgVar("bind \"k" + QByteArray::number(i) + '"', "set " + QByteArray::number(i));
    for (int i = 0; i < 300; ++i) {
        ASSERT_TRUE(store.GetCfgVar("bind k" + QByteArray::number(i), v)) << i;
        EXPECT_EQ(v, (i % 7 == 0 ? "set " : "say ") + QByteArray::number(i)) << i;
    }
    EXPECT_FALSE(store.GetCfgVar("bind \"k300\"", v));
    EXPECT_EQ(saved().count('\n'), 300);
}

TEST_F(CfgStoreTest, LinesAddedFarBeyondTheLoadedFileAreAllFound)
{
    load("rate 1\r\n");
    for (int i = 0; i < 200; ++i)
        store.SetCfgVar("cvar_" + QByteArray::number(i), QByteArray::number(i));
    store.DeleteCfgLines("cvar_7");
    QByteArray v;
    for (int i = 0; i < 200; ++i) {
        v = "<none>";
        EXPECT_EQ(store.GetCfgVar("CVAR_" + QByteArray::number(i), v), i != 7) << i;
        EXPECT_EQ(v, i == 7 ? QByteArray("<none>") : QByteArray::number(i)) << i;
    }
}

TEST_F(CfgStoreTest, LoadingAnotherFileForgetsTheLinesOfTheFirst)
{
    load("rate 1\r\nname x\r\n", QStringLiteral("a.cfg"));
    QByteArray v;
    ASSERT_TRUE(store.GetCfgVar("name", v));
    const QByteArray kept = store.CfgLines(1);
    load("name y\r\nrate 2\r\n", QStringLiteral("b.cfg"));
    EXPECT_EQ(kept, "rate 1"); // a line handed out stays valid after the file it came from is gone
    EXPECT_TRUE(store.GetCfgVar("rate", v));
    EXPECT_EQ(v, "2");
    store.SetCfgVar("name", "z");
    EXPECT_EQ(saved(), "name \"z\"\r\nrate 2\r\n");
}

// --- CfgTop and where added lines go ---------------------------------------------------------

TEST_F(CfgStoreTest, TopRisesAtEveryGetAndSetAndAddedLinesFollowInCallOrder)
{
    load("rate 1\r\nname x\r\nfps_max 100\r\n");
    QByteArray v;
    const struct {
        char op;
        const char* name;
        int topAfter;
    } steps[] = {
        {'g', "rate", 5},    {'s', "rate", 6},  {'d', "name", 6},  {'s', "volume", 7},
        {'g', "nothing", 8}, {'s', "gamma", 9}, {'d', "gamma", 9}, {'s', "brightness", 10},
    };
    for (const auto& s : steps) {
        if (s.op == 'g')
            store.GetCfgVar(s.name, v);
        else if (s.op == 's')
            store.SetCfgVar(s.name, "2");
        else
            store.DeleteCfgLines(s.name);
        EXPECT_EQ(store.CfgTop(), s.topAfter) << s.op << ' ' << s.name;
    }
    EXPECT_EQ(store.CfgLines(7), "volume \"2\"");
    EXPECT_EQ(store.CfgLines(8), "");
    EXPECT_EQ(store.CfgLines(10), "brightness \"2\"");
    // The added line stands in the top slot: no line end after it.
    EXPECT_EQ(saved(), "rate \"2\"\r\nfps_max 100\r\nvolume \"2\"\r\nbrightness \"2\"");
    EXPECT_EQ(store.CfgTop(), 5);
}

TEST_F(CfgStoreTest, FileEndsWithLineEndWhenTheTopSlotMovedOnAfterAnAdd)
{
    load("rate 1\r\n");
    store.SetCfgVar("volume", "0.5");
    QByteArray v;
    store.GetCfgVar("rate", v);
    EXPECT_EQ(saved(), "rate 1\r\nvolume \"0.5\"\r\n");
}

TEST_F(CfgStoreTest, SlotsGrowPastAnyFixedCapacity)
{
    load("rate 1\r\n");
    QByteArray v;
    for (int i = 0; i < 1000; ++i)
        store.GetCfgVar("nothing", v);
    store.SetCfgVar("volume", "1");
    EXPECT_EQ(store.CfgTop(), 1003);
    EXPECT_EQ(store.CfgLines(1003), "volume \"1\"");
    EXPECT_EQ(store.CfgLines(1004), "");
    EXPECT_EQ(store.CfgLines(0), "");
    EXPECT_EQ(store.CfgLines(-1), "");
    EXPECT_EQ(saved(), "rate 1\r\nvolume \"1\"");
}

TEST_F(CfgStoreTest, AStoreNeverLoadedHasTopZeroAndCannotSave)
{
    EXPECT_EQ(store.CfgTop(), 0);
    QByteArray v = "kept";
    EXPECT_FALSE(store.GetCfgVar("rate", v));
    EXPECT_EQ(v, "kept");
    QString error;
    EXPECT_FALSE(store.SaveCfg(dir.file(QStringLiteral("x.cfg")), &error));
    EXPECT_FALSE(error.isEmpty());
}

// --- SaveCfg ---------------------------------------------------------------------------------

TEST_F(CfgStoreTest, SaveWritesToTheLoadedFileAndReloadsTheGivenOne)
{
    const QString a = load("rate 1\r\n", QStringLiteral("a.cfg"));
    const QString b = dir.write(QStringLiteral("b.cfg"), "bind \"w\" \"+forward\"\r\n");
    store.SetCfgVar("rate", "2");
    QString error;
    ASSERT_TRUE(store.SaveCfg(b, &error)) << error.toStdString();
    EXPECT_EQ(TempDir::readFile(a), "rate \"2\"\r\n");
    EXPECT_EQ(TempDir::readFile(b), "bind \"w\" \"+forward\"\r\n");
    EXPECT_EQ(store.filePath(), b);
    EXPECT_EQ(store.CfgTop(), 2);
    EXPECT_EQ(store.CfgLines(1), "bind \"w\" \"+forward\"");
}

TEST_F(CfgStoreTest, SaveNormalisesLineEndsAndDropsEmptyLines)
{
    load(bytes("a\n\nb\r\rc\r\n  \r\n\xe9\\\\ \"open\x1a"));
    EXPECT_EQ(saved(), bytes("a\r\nb\r\nc\r\n  \r\n\xe9\\\\ \"open\r\n"));
    EXPECT_EQ(store.CfgTop(), 6);
}

TEST_F(CfgStoreTest, GameWrittenConfigRoundTripsByteForByte)
{
    const QByteArray original = TempDir::testData(QStringLiteral("config.cfg"));
    ASSERT_GT(original.size(), 1000);
    load(original);
    const QList<QByteArray> lines = QByteArray(original).replace("\r\n", "\n").chopped(1).split('\n');
    ASSERT_EQ(store.CfgTop(), lines.size() + 1);
    EXPECT_EQ(store.CfgLines(1), "unbindall");
    for (qsizetype i = 0; i < lines.size(); ++i)
        ASSERT_EQ(store.CfgLines(static_cast<int>(i) + 1), lines[i]) << "line " << i + 1;
    EXPECT_EQ(saved(), original);
}

TEST_F(CfgStoreTest, HandMadeAutoexecKeepsEveryLineItHad)
{
    const QByteArray original = TempDir::testData(QStringLiteral("autoexec.cfg"));
    ASSERT_FALSE(original.endsWith('\n'));
    ASSERT_FALSE(original.contains('\r'));
    load(original);
    QByteArray expected;
    for (const QByteArray& line : original.split('\n')) {
        if (!line.isEmpty())
            expected += line + "\r\n";
    }
    EXPECT_EQ(saved(), expected);
}

TEST_F(CfgStoreTest, EditsOnRealFilesTouchOnlyTheirLines)
{
    const QByteArray original = TempDir::testData(QStringLiteral("autoexec.cfg"));
    load(original);
    QByteArray v;
    struct {
        const char* name;
        QByteArray value;
    } gets[] = {{"rate", "25000"},
                {"cl_updaterate", "101"},
                {"cl_cmdrate", "101"},
                {"ex_interp", "0.01"},
                {"sensitivity", "2.2"},
                {"zoom_sensitivity_ratio", "1.1"},
                {"bind space", "+jumpduck"},
                {"bind \"KP_PLUS\"", "rate 25000; cl_updaterate 101"},
                {"bind \"mouse4\"", "+duck"},
                {"bind \"\\\"", "say_team need backup"},
                {"bind \"F4\"", "rifle_m4"},
                {"bind \"f8\"", "say gg wp"},
                {"alias +jumpduck", "+jump; +duck"},
                {"name", "Caf\xe9 Regular"},
                {"drawradar", ""}};
    for (const auto& g : gets) {
        v = "<none>";
        EXPECT_TRUE(store.GetCfgVar(g.name, v)) << g.name;
        EXPECT_EQ(v, g.value) << g.name;
    }
    EXPECT_FALSE(store.GetCfgVar("m_filter", v));

    store.SetCfgVar("rate", "30000");
    store.SetCfgVar("cl_updaterate", "60");
    store.SetCfgVar("name", "Regular");
    store.DeleteCfgLines("drawradar");
    const QByteArray after = saved();
    QByteArray expected = original;
    expected.replace("\n\n", "\n").replace("\n\n", "\n");
    expected.replace("\n", "\r\n").append("\r\n");
    expected.replace("\r\nrate 25000\r\n", "\r\nrate \"30000\"\r\n");
    expected.replace("cl_updaterate 101 // server", "cl_updaterate \"60\" // server");
    expected.replace("name \"Caf\xe9 Regular\"", "name \"Regular\"");
    expected.replace("\r\ndrawradar\r\n", "\r\n");
    EXPECT_EQ(after, expected);
}

TEST_F(CfgStoreTest, EditsOnTheGameConfigKeepItsShape)
{
    const QByteArray original = TempDir::testData(QStringLiteral("config.cfg"));
    load(original);
    const int top = store.CfgTop();
    QByteArray v;
    EXPECT_TRUE(store.GetCfgVar("rate", v));
    EXPECT_EQ(v, "25000");
    EXPECT_TRUE(store.GetCfgVar("bind \"MOUSE1\"", v));
    EXPECT_EQ(v, "+attack");
    EXPECT_TRUE(store.GetCfgVar("skin", v));
    EXPECT_EQ(v, "");
    EXPECT_TRUE(store.GetCfgVar("_ah", v));
    EXPECT_EQ(v, "0");
    store.SetCfgVar("rate", "30000");
    store.SetCfgVar("bind \"w\"", "+moveup");
    store.SetCfgVar("cl_showfps", "1");
    store.SetCfgVar("hud_centerid", "");
    EXPECT_EQ(store.CfgTop(), top + 8);

    QByteArray expected = original;
    expected.replace("\r\nrate \"25000\"\r\n", "\r\nrate \"30000\"\r\n");
    expected.replace("bind \"w\" \"+forward\"", "bind \"w\" \"+moveup\"");
    expected.replace("cl_showfps \"0\"", "cl_showfps \"1\"");
    expected.replace("hud_centerid \"1\"", "hud_centerid \" \"");
    EXPECT_EQ(saved(), expected);
}

// --- failures change nothing -----------------------------------------------------------------

class CfgStoreFailure : public CfgStoreTest {
protected:
    void SetUp() override
    {
        loaded = load("rate 1\r\nname x\r\n");
        store.SetCfgVar("rate", "2");
    }
    void expectUntouched()
    {
        EXPECT_EQ(store.filePath(), loaded);
        EXPECT_EQ(store.CfgTop(), 4);
        EXPECT_EQ(slots(store, 4), (std::vector<QByteArray>{"rate \"2\"", "name x", "", ""}));
    }
    QString loaded;
};

TEST_F(CfgStoreFailure, LoadOfAMissingFileOrAFolder)
{
    for (const QString& path : {dir.file(QStringLiteral("missing.cfg")), dir.path()}) {
        QString error;
        EXPECT_FALSE(store.LoadCfg(path, &error));
        EXPECT_TRUE(error.contains(QDir::toNativeSeparators(path))) << error.toStdString();
        expectUntouched();
    }
}

TEST_F(CfgStoreFailure, LoadRefusesFilesLargerThanFourMiB)
{
    const QByteArray line = "// padding padding padding padding padding padding padding\r\n";
    QByteArray big;
    while (big.size() < CfgStore::MaxFileSize)
        big += line;
    big.truncate(CfgStore::MaxFileSize);
    const QString limit = dir.write(QStringLiteral("limit.cfg"), big);
    const QString over = dir.write(QStringLiteral("over.cfg"), big + 'x');

    QString error;
    EXPECT_FALSE(store.LoadCfg(over, &error));
    EXPECT_TRUE(error.contains(QDir::toNativeSeparators(over))) << error.toStdString();
    expectUntouched();
    EXPECT_EQ(QFile(over).size(), CfgStore::MaxFileSize + 1);

    EXPECT_TRUE(store.LoadCfg(limit, &error)) << error.toStdString();
    EXPECT_EQ(store.CfgLines(1), line.chopped(2));
}

TEST_F(CfgStoreFailure, SaveIntoAFolderThatIsGone)
{
    const QString sub = dir.write(QStringLiteral("gone/config.cfg"), "rate 1\r\n");
    ASSERT_TRUE(store.LoadCfg(sub));
    store.SetCfgVar("rate", "2");
    ASSERT_TRUE(QDir(dir.file(QStringLiteral("gone"))).removeRecursively());

    QString error;
    EXPECT_FALSE(store.SaveCfg(sub, &error));
    EXPECT_TRUE(error.contains(QDir::toNativeSeparators(sub))) << error.toStdString();
    EXPECT_FALSE(QFile::exists(sub));
    EXPECT_EQ(store.filePath(), sub);
    EXPECT_EQ(store.CfgTop(), 3);
    EXPECT_EQ(store.CfgLines(1), "rate \"2\"");
}

TEST_F(CfgStoreFailure, SaveOverAReadOnlyFile)
{
    const QByteArray before = TempDir::readFile(loaded);
    // Permission bits only: tests may run as root, for whom access(2) allows everything.
    ASSERT_TRUE(
        QFile::setPermissions(loaded, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
    QString error;
    EXPECT_FALSE(store.SaveCfg(loaded, &error));
    EXPECT_TRUE(error.contains(QDir::toNativeSeparators(loaded))) << error.toStdString();
    EXPECT_EQ(TempDir::readFile(loaded), before);
    expectUntouched();
    QFile::setPermissions(loaded, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

} // namespace
