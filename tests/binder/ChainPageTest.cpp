#include "BinderPageFixture.h"
#include "StartChainFolder.h"

#include "history/History.h"
#include "keys/KeyNames.h"

using namespace Qt::StringLiterals;

namespace {

// Every file of the folder, by name, with its bytes.
QMap<QString, QByteArray> files(const TempDir& game)
{
    QMap<QString, QByteArray> out;
    for (const QString& name : QDir(game.path()).entryList(QDir::Files))
        out.insert(name, game.read(name));
    return out;
}

} // namespace

TEST_F(BinderPageTest, ThePictureShowsWhatTheWholeStartChainLeavesBound)
{
    writeStartChain(game);
    const auto before = files(game);
    page.ReadBinds();
    EXPECT_EQ(mark("TAB"), "used +showscores");
    EXPECT_EQ(mark("g"), "replaced +buy_m4 (not in effect: userconfig.cfg, line 1: bind g \"+buy_m4a1\")");
    EXPECT_EQ(mark("j"), "elsewhere userconfig.cfg, line 4: bind \"j\" \"+jump\"");
    // autoexec.cfg's bind, wiped by config.cfg's unbindall: not in effect, and the key is free to bind.
    EXPECT_EQ(mark("f"),
              "replaced autoexec.cfg, line 2: bind \"f\" \"+buy_ak\" (not in effect: config.cfg, line 1: unbindall)");
    EXPECT_EQ(find<KeyLabel>("g")->property("mark").toString(), u"replaced"_s);
    EXPECT_EQ(overlay("MOUSE1"), "shown +attack");
    EXPECT_EQ(overlay("MOUSE2"), "elsewhere userconfig.cfg, line 3: bind \"MOUSE2\" \"+attack2\"");
    // Keys only other files bind are free in the working file, and offered for it.
    EXPECT_TRUE(offered().contains(u"j"_s));
    EXPECT_FALSE(offered().contains(u"g"_s));
    // The working file's own key the picture lacks is still reported.
    EXPECT_EQ(dialogs.texts(u"window"_s), QStringList{u"Bound keys not on this picture:\n+ \"sizeup\""_s});

    state.working.setWorkingFile(u"autoexec.cfg"_s);
    EXPECT_EQ(mark("f"), "replaced +buy_ak (not in effect: config.cfg, line 1: unbindall)");

    // A file nobody runs shows its binds as they are, and the chain's as another file's.
    game.write(u"match.cfg"_s, "bind \"g\" \"+match\"\n");
    state.working.setWorkingFile(u"match.cfg"_s);
    EXPECT_EQ(mark("g"),
              "used +match\nconfig.cfg, line 4: bind \"g\" \"+buy_m4\" (not in effect: userconfig.cfg, line 1: "
              "bind g \"+buy_m4a1\")");
    EXPECT_EQ(overlay("MOUSE1"), "elsewhere config.cfg, line 6: bind \"MOUSE1\" \"+attack\"");
    // Looking wrote nothing.
    auto after = files(game);
    after.remove(u"match.cfg"_s);
    EXPECT_EQ(after, before);
}

TEST_F(BinderPageTest, AKeyBoundOnlyElsewhereSaysWhereAndUnbindsNothing)
{
    writeStartChain(game);
    const auto before = files(game);
    page.ReadBinds();
    dialogs.shown.clear();

    click(key("j")); // declined
    EXPECT_EQ(keyList()->currentIndex(), -1);
    click(find<QLabel>("MOUSE2")); // declined too
    dialogs.answers.enqueue(true);
    click(key("j"));
    EXPECT_EQ(keyList()->currentText(), u"j"_s);
    const QStringList asked = dialogs.texts(u"question"_s);
    ASSERT_EQ(asked.size(), 3);
    EXPECT_EQ(asked[0], u"\"j\" is bound by userconfig.cfg, line 4: bind \"j\" \"+jump\". config.cfg does not bind "
                        "it. Choose this key to bind it in config.cfg?"_s);
    EXPECT_TRUE(asked[1].startsWith(u"\"MOUSE2\" is bound by userconfig.cfg, line 3"_s));
    EXPECT_EQ(files(game), before);

    // A bind of the working file that a later file replaces is still the working file's to remove.
    dialogs.answers.enqueue(true);
    click(key("g"));
    EXPECT_EQ(dialogs.texts(u"question"_s).last(),
              u"\"g\" This key is binded to\"+buy_m4\".\n Do you want to clear bind?"_s);
    EXPECT_FALSE(game.read(u"config.cfg"_s).contains("\"g\""));
    EXPECT_EQ(game.read(u"userconfig.cfg"_s), before.value(u"userconfig.cfg"_s));
    EXPECT_EQ(mark("g"), "elsewhere userconfig.cfg, line 1: bind g \"+buy_m4a1\"");
}

TEST_F(BinderPageTest, BindAsksWhereWhenALaterFileBindsTheKeyAndEachAnswerWritesThere)
{
    const QByteArray bind = "bind \"j\" \"" + KeyNames::aliasFor(u"j"_s).toLatin1() + "\"";
    const struct {
        int answer;
        const char* changes; // the files written, besides autoexec.cfg's alias
        QByteArray userconfigLine4;
        QByteArray configEnd;
    } rows[] = {
        {0, "userconfig.cfg", bind + "; bind \"k\" \"+duck\"\n", "exec userconfig.cfg\r\n"},
        {1, "config.cfg", "bind \"j\" \"+jump\"; bind \"k\" \"+duck\"\n", "exec userconfig.cfg\r\n" + bind + "\r\n"},
        {2, "", "bind \"j\" \"+jump\"; bind \"k\" \"+duck\"\n", "exec userconfig.cfg\r\n"},
    };
    for (const auto& row : rows) {
        writeStartChain(game);
        TempDir program;
        state.working.setHistory(program.path());
        const auto before = files(game);
        page.ReadBinds();
        dialogs.shown.clear();
        dialogs.choices.enqueue(row.answer);
        selectKey(u"j"_s);
        choose(find<QComboBox>("Radio"), 0);
        click(find<QPushButton>("BindButton"));

        ASSERT_EQ(dialogs.shown.size(), 1) << row.answer;
        EXPECT_EQ(dialogs.shown[0].title, u"Write into the file that wins|Write here anyway|Cancel"_s);
        EXPECT_TRUE(dialogs.shown[0].text.contains(u"userconfig.cfg:4: bind \"j\" \"+jump\""_s))
            << dialogs.shown[0].text.toStdString();
        EXPECT_TRUE(game.read(u"userconfig.cfg"_s).endsWith(row.userconfigLine4)) << row.answer;
        EXPECT_TRUE(game.read(u"config.cfg"_s).endsWith(row.configEnd)) << row.answer;
        QStringList changed;
        const auto after = files(game);
        for (auto it = after.cbegin(); it != after.cend(); ++it) {
            if (it.key() != u"autoexec.cfg"_s && before.value(it.key()) != it.value())
                changed << it.key();
        }
        EXPECT_EQ(changed.join(u' '), QString::fromLatin1(row.changes)) << row.answer;
        // The file written keeps its bytes before as a version.
        for (const QString& name : changed) {
            const QList<HistoryVersion> kept = History::in(program.path()).versions(game.file(name));
            ASSERT_EQ(kept.size(), 1) << name.toStdString();
            EXPECT_EQ(kept[0].action, u"Bind"_s);
            EXPECT_EQ(kept[0].size, before.value(name).size());
        }
        EXPECT_EQ(game.read(u"autoexec.cfg"_s).contains("alias \"QVL_j\" \"go;\"\n"), row.answer != 2) << row.answer;
        // Written where it wins, the key is another file's; written below config.cfg's last exec, it
        // wins until the game rewrites config.cfg.
        EXPECT_EQ(mark("j"), row.answer == 0 ? "elsewhere userconfig.cfg, line 4: " + bind.toStdString()
                             : row.answer == 1
                                 ? "used QVL_j\nuserconfig.cfg, line 4: bind \"j\" \"+jump\" (not in effect: "
                                   "config.cfg, line 9: bind \"j\" \"QVL_j\")"
                                 : "elsewhere userconfig.cfg, line 4: bind \"j\" \"+jump\"")
            << row.answer;
    }

    // From autoexec.cfg every bind is cleared by config.cfg's unbindall: the file that wins is
    // config.cfg, where the bind goes below its unbindall.
    writeStartChain(game);
    state.working.setWorkingFile(u"autoexec.cfg"_s);
    dialogs.shown.clear();
    dialogs.choices.enqueue(0);
    selectKey(u"F5"_s);
    choose(find<QComboBox>("Radio"), 0);
    click(find<QPushButton>("BindButton"));
    EXPECT_TRUE(dialogs.shown.value(0).text.contains(u"config.cfg:1: unbindall"_s));
    EXPECT_TRUE(game.read(u"config.cfg"_s).endsWith("exec userconfig.cfg\r\nbind \"F5\" \"QVL_F5\"\r\n"));
    EXPECT_EQ(game.read(u"autoexec.cfg"_s), "// my keys\nbind \"f\" \"+buy_ak\"\nalias \"QVL_F5\" \"go;\"\n");
    EXPECT_EQ(mark("F5"), "elsewhere config.cfg, line 9: bind \"F5\" \"QVL_F5\"");
}

TEST_F(BinderPageTest, BindUnbindAndRemoveAllShowTheirWritesFirstAndADeclineWritesNothing)
{
    writeStartChain(game);
    QList<QList<PendingWrite>> reviewed;
    bool accept = true;
    state.reviewer = [&](const QList<PendingWrite>& writes) {
        reviewed.append(writes);
        return accept;
    };
    // Accepted: every file the action writes is shown once, and holds the bytes shown.
    const auto bindKey = [this](const QString& key) {
        selectKey(key);
        choose(find<QComboBox>("Radio"), 0);
        click(find<QPushButton>("BindButton"));
    };
    page.ReadBinds();
    dialogs.choices.enqueue(1); // here anyway
    bindKey(u"j"_s);
    ASSERT_EQ(reviewed.size(), 1);
    ASSERT_EQ(reviewed[0].size(), 2);
    EXPECT_EQ(reviewed[0][0].path, game.file(u"autoexec.cfg"_s));
    EXPECT_EQ(reviewed[0][1].path, game.file(u"config.cfg"_s));
    EXPECT_EQ(game.read(u"autoexec.cfg"_s), reviewed[0][0].after);
    EXPECT_EQ(game.read(u"config.cfg"_s), reviewed[0][1].after);

    // Declined: nothing is written, and nothing is said.
    accept = false;
    reviewed.clear();
    const auto before = files(game);
    bindKey(u"F5"_s);
    dialogs.answers.enqueue(true);
    click(key("TAB"));
    dialogs.answers.enqueue(true);
    click(find<QPushButton>("RemoveAllButton"));
    EXPECT_EQ(files(game), before);
    EXPECT_TRUE(dialogs.texts(u"error"_s).isEmpty());
    EXPECT_EQ(mark("TAB"), "used +showscores");
    EXPECT_EQ(mark("F5"), "unused");
    ASSERT_EQ(reviewed.size(), 3);
    EXPECT_EQ(reviewed[0].size(), 2); // a new alias and a new bind
    EXPECT_EQ(reviewed[1].size(), 1); // the unbind
    // The alias goes with the bind that uses it.
    ASSERT_EQ(reviewed[2].size(), 2);
    EXPECT_EQ(reviewed[2][0].path, game.file(u"config.cfg"_s));
    EXPECT_EQ(reviewed[2][1].path, game.file(u"autoexec.cfg"_s));

    accept = true;
    dialogs.answers.enqueue(true);
    click(find<QPushButton>("RemoveAllButton"));
    ASSERT_EQ(reviewed.size(), 4);
    EXPECT_EQ(game.read(u"config.cfg"_s), reviewed[3][0].after);
    EXPECT_EQ(game.read(u"autoexec.cfg"_s), before.value(u"autoexec.cfg"_s).replace("alias \"QVL_j\" \"go;\"\n", ""));
}
