#include "config/CfgStore.h"

#include "ByteText.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>

#include <functional>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

class CfgStoreTest : public ::testing::Test {
protected:
    QString load(const QByteArray& text, const QString& name = u"config.cfg"_s)
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
    // The value of the last line matching `name`; "-" when none does (and the value is left alone).
    QByteArray get(QByteArrayView name)
    {
        QByteArray v = "-";
        return store.GetCfgVar(name, v) || v != "-" ? v : "-";
    }

    TempDir dir;
    CfgStore store;
};

// Every kind of file a player or the game leaves: each byte the edit does not touch stays.
TEST_F(CfgStoreTest, EditsChangeOnlyTheirOwnLineInEveryKindOfFile)
{
    const struct {
        QByteArray file;
        QByteArray replaced; // rate set to 2
        QByteArray added;    // volume set to 1
        QByteArray deleted;  // rate deleted
    } cases[] = {
        // CR LF, blank lines, a 0x1A on a line of its own (the game reads it as a blank)
        {"// art\r\n\r\n\x1a\r\nrate 1 // mine\r\n\r\n", "// art\r\n\r\n\x1a\r\nrate \"2\" // mine\r\n\r\n",
         "// art\r\n\r\n\x1a\r\nrate 1 // mine\r\n\r\nvolume \"1\"\r\n", "// art\r\n\r\n\x1a\r\n\r\n"},
        // LF only, ending in a 0x1A without a line end: the lines after it are read too
        {"rate 1\n\n\nname x\n\x1a", "rate \"2\"\n\n\nname x\n\x1a", "rate 1\n\n\nname x\n\x1a\nvolume \"1\"\n",
         "\n\nname x\n\x1a"},
        // lone CR, no final line end
        {"name x\rrate 1", "name x\rrate \"2\"", "name x\rrate 1\rvolume \"1\"\r", "name x\r"},
        // mixed: new lines take the end of the first line that has one
        {"\n\r\nrate\t1\rname x\r\n", "\n\r\nrate \"2\"\rname x\r\n", "\n\r\nrate\t1\rname x\r\nvolume \"1\"\n",
         "\n\r\nname x\r\n"},
        // no line end at all: CR LF
        {"", "rate \"2\"\r\n", "volume \"1\"\r\n", ""},
        // NUL, bytes that are not text, an unclosed quote
        {"a\0b\r\n\xff\"open rate\r\nrate 1"_ba, "a\0b\r\n\xff\"open rate\r\nrate \"2\""_ba,
         "a\0b\r\n\xff\"open rate\r\nrate 1\r\nvolume \"1\"\r\n"_ba, "a\0b\r\n\xff\"open rate\r\n"_ba},
    };
    for (const auto& c : cases) {
        const auto edited = [&](const std::function<void()>& edit) {
            const QString path = load(c.file);
            const qint64 past = TempDir::backdate(path);
            edit();
            const QByteArray bytes = saved();
            EXPECT_EQ(store.lastSaveWrote(), bytes != c.file);
            if (bytes == c.file) { // nothing changed: nothing written
                EXPECT_EQ(TempDir::modified(path), past);
            }
            return bytes;
        };
        EXPECT_EQ(edited([] {}), c.file);
        EXPECT_EQ(edited([&] { store.SetCfgVar("rate", "2"); }), c.replaced) << c.file.toStdString();
        EXPECT_EQ(edited([&] { store.SetCfgVar("volume", "1"); }), c.added) << c.file.toStdString();
        EXPECT_EQ(edited([&] { store.DeleteCfgLines("rate"); }), c.deleted) << c.file.toStdString();
        if (c.file.contains("rate 1")) {
            EXPECT_EQ(edited([&] { store.SetCfgVar("rate", "1"); }), c.file) << "the value it holds";
        }
    }
}

TEST_F(CfgStoreTest, NormalizeWritesCrLfAndDropsEmptyLines)
{
    load("a\n\n b\rc");
    store.normalize();
    EXPECT_EQ(saved(), "a\r\n b\r\nc\r\n");
    EXPECT_TRUE(store.lastSaveWrote());
    store.normalize();
    EXPECT_EQ(saved(), "a\r\n b\r\nc\r\n");
    EXPECT_FALSE(store.lastSaveWrote()) << "already in the program's format";
    store.SetCfgVar("d", "1");
    EXPECT_EQ(saved(), "a\r\n b\r\nc\r\nd \"1\"\r\n") << "a load ends normalizing";
}

TEST_F(CfgStoreTest, GetGivesTheTokenAfterTheNameOfTheLastMatchingLine)
{
    const struct {
        QByteArray file;
        const char* name;
        QByteArray value; // "-" when no line may match
    } cases[] = {
        {"\tRATE \"5000\" // x\n", "rate", "5000"},
        {"rate \"1\"\r\ncl_updaterate 5\r\nRATE 2 // last\r\n", "rate", "2"},
        {"cl_updaterate 60\r\nrates 1\r\nbind r \"rate 1\"\r\n// rate 1\r\nsay \"rate 1\"\r\necho; rate 1", "rate",
         "-"},
        {"name \"Player one", "name", "Player one"},
        {"drawradar\r\n", "drawradar", ""},
        {"bind W +forward\r\n", "bind \"w\"", "+forward"},
        {"bind \"\\\" \"say hi\"\r\n", "bind \"\\\"", "say hi"},
        {"setinfo \"_ah\" \"0\"\r\n_ah \"1\"\r\n", "setinfo _ah", "0"},
        {"rate 1\r\n", "", "-"},
    };
    for (const auto& c : cases) {
        load(c.file);
        EXPECT_EQ(get(c.name), c.value) << c.name << " in " << c.file.toStdString();
    }
}

TEST_F(CfgStoreTest, SetAndDeleteEditOnlyTheFirstCommandOfMatchingLines)
{
    const struct {
        QByteArray file;
        const char* name;
        const char* value; // nullptr: delete
        QByteArray saved;
    } cases[] = {
        {"\t  rate 5000 // my rate\r\n", "rate", "9999", "\t  rate \"9999\" // my rate\r\n"},
        {"rate 5000; echo set\r\n", "rate", "9999", "rate \"9999\"; echo set\r\n"},
        {"cl_updaterate \"60\"\r\nrate \"1\"\r\nbind \"r\" \"rate 1\"\r\nRATE 2   \r\n", "rate", "9999",
         "cl_updaterate \"60\"\r\nrate \"9999\"\r\nbind \"r\" \"rate 1\"\r\nrate \"9999\"\r\n"},
        // A line already holding the value stays as it is; one with more tokens does not hold it.
        {"drawradar\r\nDrawRadar \" \"\r\ndrawradar 1\r\n", "drawradar", "",
         "drawradar\r\nDrawRadar \" \"\r\ndrawradar \" \"\r\n"},
        {"Rate \"1\"  // q\r\nrate 1; x\r\nrate 1 2\r\nrate 01\r\n", "rate", "1",
         "Rate \"1\"  // q\r\nrate 1; x\r\nrate \"1\"\r\nrate \"1\"\r\n"},
        // Not found: the line goes to the end.
        {"hostname \"srv\"\r\n// name 1\r\n", "name", "me", "hostname \"srv\"\r\n// name 1\r\nname \"me\"\r\n"},
        {"rate 1\r\n", "", "5", "rate 1\r\n"},
        {"drawradar \" \"\r\nbind \"x\" \"drawradar\"\r\ndrawradar\r\nDRAWRADAR // on\r\n", "drawradar", nullptr,
         "bind \"x\" \"drawradar\"\r\n"},
        {"  drawradar; hideradar\r\n", "drawradar", nullptr, "  hideradar\r\n"},
        {"drawradar ; // radar\r\nrate 1\r\n", "drawradar", nullptr, "rate 1\r\n"},
        {"hideradar; drawradar\r\n", "drawradar", nullptr, "hideradar; drawradar\r\n"},
    };
    for (const auto& c : cases) {
        load(c.file);
        if (c.value)
            store.SetCfgVar(c.name, c.value);
        else
            store.DeleteCfgLines(c.name);
        EXPECT_EQ(saved(), c.saved) << c.name << " in " << c.file.toStdString();
    }
}

// Each edit may change which token a line begins with; later look-ups must see the line as it is
// now, in slot order, and never act on one line twice.
TEST_F(CfgStoreTest, EveryLookUpSeesTheLinesAsTheyAreNow)
{
    load("drawradar; DRAWRADAR; hideradar 1\r\nrate 1\r\nx; rate 2\r\n");
    store.DeleteCfgLines("drawradar");
    EXPECT_EQ(get("hideradar"), "-");
    store.DeleteCfgLines("drawradar");
    EXPECT_EQ(get("hideradar"), "1");
    store.SetCfgVar("hideradar", "2");
    EXPECT_EQ(get("rate"), "1");
    store.DeleteCfgLines("x"); // refiled after the rate line it follows
    EXPECT_EQ(get("rate"), "2");
    EXPECT_EQ(saved(), "hideradar \"2\"\r\nrate 1\r\nrate 2\r\n");

    // A quoted first token holds blanks and `;`; a word ends at a blank or a `;` and may hold a quote.
    load("\"my cmd\" 1\r\n\"rate;x\" 5\r\nrate 2\r\nsay\"a b\" 1\r\nname;rate z\r\ncl_rate//x 3\r\n");
    EXPECT_EQ(get("\"my cmd\"") + get("my"), "1-");
    EXPECT_EQ(get("say\"a") + get("say"), "b\"-");
    EXPECT_EQ(get("name"), "");
    EXPECT_EQ(get("cl_rate//x") + get("cl_rate"), "3-");
    store.SetCfgVar("\"rate;x\"", "6");
    store.DeleteCfgLines("rate");
    EXPECT_EQ(get("\"rate;X\""), "6");
    EXPECT_EQ(saved(), "\"my cmd\" 1\r\n\"rate;x\" \"6\"\r\nsay\"a b\" 1\r\nname;rate z\r\ncl_rate//x 3\r\n");
}

TEST_F(CfgStoreTest, ManyLinesWithOneFirstWordAndManyAddedLinesAreAllFound)
{
    QByteArray file;
    for (int i = 0; i < 300; ++i)
        file += "bind \"k" + QByteArray::number(i) + "\" \"say " + QByteArray::number(i) + "\"\r\n";
    load(file);
    for (int i = 0; i < 300; i += 7)
        store.SetCfgVar("bind \"k" + QByteArray::number(i) + '"', "set " + QByteArray::number(i));
    for (int i = 0; i < 400; ++i) // far more lines than the loaded file had
        store.SetCfgVar("cvar_" + QByteArray::number(i), QByteArray::number(i));
    store.DeleteCfgLines("cvar_7");
    for (int i = 0; i < 400; ++i) {
        const QByteArray n = QByteArray::number(i);
        EXPECT_EQ(get("CVAR_" + n), i == 7 ? "-" : n);
        EXPECT_EQ(get("bind k" + n), i >= 300 ? "-" : (i % 7 == 0 ? "set " : "say ") + n);
    }
}

// Each Get and Set takes a slot above the lines; a Set that adds a line fills its own.
TEST_F(CfgStoreTest, AddedLinesFollowInCallOrderAndSaveReloadsTheGivenFile)
{
    EXPECT_EQ(get("rate"), "-"); // never loaded
    EXPECT_FALSE(store.SaveCfg(dir.file(u"x.cfg"_s)));
    const QString a = load("rate 1\r\nname x\r\nfps_max 100\r\n", u"a.cfg"_s);
    get("rate");
    store.SetCfgVar("rate", "2");
    store.DeleteCfgLines("name");
    store.SetCfgVar("volume", "2");
    get("nothing");
    store.SetCfgVar("brightness", "2");
    EXPECT_EQ(store.CfgTop(), 9);
    EXPECT_EQ(store.CfgLines(7) + '|' + store.CfgLines(8) + '|' + store.CfgLines(9), "volume \"2\"||brightness \"2\"");
    EXPECT_EQ(saved(), "rate \"2\"\r\nfps_max 100\r\nvolume \"2\"\r\nbrightness \"2\"\r\n");

    const QByteArray kept = store.CfgLines(1);
    const QString b = load("name y\r\nrate 2\r\n", u"b.cfg"_s);
    EXPECT_EQ(kept, "rate \"2\""); // a line handed out stays valid after the file it came from is gone
    store.SetCfgVar("name", "z");
    ASSERT_TRUE(store.SaveCfg(a));
    EXPECT_EQ(TempDir::readFile(b), "name \"z\"\r\nrate 2\r\n");
    EXPECT_EQ(store.filePath(), a);
    EXPECT_EQ(store.CfgLines(1) + store.CfgLines(0) + store.CfgLines(-1) + store.CfgLines(99), "rate \"2\"");
}

TEST_F(CfgStoreTest, TheGameConfigRoundTripsAndEditsKeepItsShape)
{
    const QByteArray original = TempDir::testData(u"config.cfg"_s);
    ASSERT_GT(original.size(), 1000);
    load(original);
    EXPECT_EQ(store.CfgTop(), original.count("\r\n") + 1);
    EXPECT_EQ(saved(), original);

    EXPECT_EQ(get("rate") + '|' + get("bind \"MOUSE1\"") + '|' + get("skin") + '|' + get("_ah"), "25000|+attack||0");
    store.SetCfgVar("rate", "30000");
    store.SetCfgVar("bind \"w\"", "+moveup");
    store.SetCfgVar("hud_centerid", "");
    QByteArray expected = original;
    expected.replace("\r\nrate \"25000\"\r\n", "\r\nrate \"30000\"\r\n");
    expected.replace("bind \"w\" \"+forward\"", "bind \"w\" \"+moveup\"");
    expected.replace("hud_centerid \"1\"", "hud_centerid \" \"");
    EXPECT_EQ(saved(), expected);
}

TEST_F(CfgStoreTest, FailedLoadsAndSavesChangeNothing)
{
    const QString path = load("rate 1\r\nname x\r\n", u"gone/config.cfg"_s);
    store.SetCfgVar("rate", "2");
    const QByteArray onDisk = TempDir::readFile(path);
    const QByteArray big = QByteArray("// pad\r\n").repeated(CfgStore::MaxFileSize / 8);
    QString error;
    const auto expectRefused = [&](bool ok, const QString& named, const QString& cause = QString()) {
        EXPECT_FALSE(ok) << named.toStdString();
        EXPECT_TRUE(error.contains(QDir::toNativeSeparators(named))) << error.toStdString();
        EXPECT_TRUE(error.contains(cause)) << error.toStdString();
        EXPECT_EQ(store.filePath(), path);
        EXPECT_EQ(store.CfgLines(1) + '|' + store.CfgLines(2) + '|' + store.CfgLines(3), "rate \"2\"|name x|");
        error.clear();
    };
    const QString over = dir.write(u"over.cfg"_s, big + 'x');
    // A device without a size that never ends is cut at the limit, not read forever.
    for (const QString& bad : {dir.file(u"missing.cfg"_s), dir.path(), over, u"/dev/zero"_s})
        expectRefused(store.LoadCfg(bad, &error), bad);

    // Permission bits only: tests run as root, for whom access(2) allows everything.
    const auto readOnly = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    ASSERT_TRUE(QFile::setPermissions(path, readOnly));
    expectRefused(store.SaveCfg(path, &error), path, u"the file is read-only"_s);
    EXPECT_EQ(TempDir::readFile(path), onDisk);

    // A writable file in a folder that cannot take the new file written beside it.
    const QString folder = dir.file(u"gone"_s);
    ASSERT_TRUE(QFile::setPermissions(path, readOnly | QFileDevice::WriteOwner));
    ASSERT_TRUE(QFile::setPermissions(folder, readOnly | QFileDevice::ExeOwner | QFileDevice::ExeGroup |
                                                  QFileDevice::ExeOther));
    expectRefused(store.SaveCfg(path, &error), path,
                  u"the folder %1 is not writable"_s.arg(QDir::toNativeSeparators(folder)));
    EXPECT_EQ(TempDir::readFile(path), onDisk);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{u"config.cfg"_s});

    ASSERT_TRUE(QFile::setPermissions(folder, QFile::permissions(folder) | QFileDevice::WriteOwner));
    ASSERT_TRUE(QDir(folder).removeRecursively());
    expectRefused(store.SaveCfg(path, &error), path, u"does not exist"_s);
    EXPECT_FALSE(QFile::exists(path));

    EXPECT_TRUE(store.LoadCfg(dir.write(u"limit.cfg"_s, big), &error)) << error.toStdString();
}

TEST_F(CfgStoreTest, ModifiedMeansASetOrDeleteChangedALineSinceTheLoad)
{
    const QString path = load("rate 1\n\nbind w a");
    get("rate");
    EXPECT_FALSE(store.isModified());
    store.SetCfgVar("rate", "1"); // the value it holds
    EXPECT_FALSE(store.isModified());
    store.SetCfgVar("rate", "2");
    EXPECT_TRUE(store.isModified());
    ASSERT_TRUE(store.SaveCfg(path));
    EXPECT_FALSE(store.isModified()) << "a save loads the file again";
    EXPECT_FALSE(store.DeleteCfgLines("name")); // matches nothing
    EXPECT_FALSE(store.isModified());
    EXPECT_TRUE(store.DeleteCfgLines("rate"));
    EXPECT_TRUE(store.isModified());
    ASSERT_TRUE(store.SaveCfg(path));
    EXPECT_EQ(TempDir::readFile(path), "\nbind w a");
}

TEST_F(CfgStoreTest, OneLineIsReplacedOrRemovedByItsSlot)
{
    load("bind a x; bind b y\n\nrate 1\nRATE 2");
    EXPECT_EQ(store.lastMatchingLine("rate"), 4);
    EXPECT_EQ(store.lastMatchingLine("bind a"), 1);
    EXPECT_EQ(store.lastMatchingLine("bind b") + store.lastMatchingLine("name"), 0) << "first commands only";
    EXPECT_EQ(store.CfgTop(), 5) << "a look-up for the line takes no slot";
    store.RemoveCfgLine(4);
    EXPECT_EQ(store.lastMatchingLine("rate"), 3);
    store.SetCfgLine(1, "bind b y");
    store.SetCfgLine(2, "// was blank");
    store.RemoveCfgLine(3);
    store.SetCfgLine(3, "gone"); // a removed line stays removed
    store.SetCfgLine(9, "beyond");
    store.RemoveCfgLine(0);
    EXPECT_EQ(saved(), "bind b y\n// was blank\n");
}

} // namespace
