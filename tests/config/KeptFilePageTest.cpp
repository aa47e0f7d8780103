#include "OptionPagesFixture.h"
#include "config/OptionsColorSwatches.h"

#include <QFileInfo>
#include <QSignalSpy>

#include <functional>

namespace {

// Both pages over one file, as the user sees them: what Apply leaves alone.
class KeptFileTest : public OptionPagesFixture {
protected:
    KeptFileTest()
        : OptionPagesFixture("config.cfg")
    {}
    bool apply() override { return client.apply() && server.apply(); }
    QDateTime modified() const { return QFileInfo(dir.file(state.working.file())).lastModified(); }
};

TEST_F(KeptFileTest, AnUntouchedApplyWritesNothingAndAChangeChangesItsLineAlone)
{
    const QByteArray file = gameConfigLf();
    dir.write(state.working.file(), file);
    QFile f(dir.file(state.working.file()));
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    const QDateTime yesterday = QDateTime::currentDateTime().addDays(-1);
    ASSERT_TRUE(f.setFileTime(yesterday, QFileDevice::FileModificationTime));
    f.close();
    read();
    EXPECT_EQ(warnings(),
              QStringList{QStringLiteral("Some values in %1 do not fit their controls. They are shown as the "
                                         "file has them, marked, and kept until you change them:\r\n"
                                         "fastsprites \"5\"\r\nmp_forcechasecam \"3\"\r\n"
                                         "mp_c4timer \"120\"")
                              .arg(QDir::toNativeSeparators(dir.file(state.working.file())))});

    QSignalSpy clientApplied(&client, &ClientOptionsPage::applied);
    QSignalSpy serverApplied(&server, &ServerOptionsPage::applied);
    click("BitBtn5");
    click("BitBtn3");
    EXPECT_EQ(cfg(), file);
    EXPECT_EQ(modified(), yesterday);
    EXPECT_EQ(clientApplied.value(0), QVariantList{false});
    EXPECT_EQ(serverApplied.value(0), QVariantList{false});

    click("p1_0");
    find<QAbstractSlider>("TrackBar3")->setValue(35);
    click("BitBtn5");
    click("BitBtn3");
    QByteArray expected = file;
    expected.replace("cl_righthand \"1\"\n", "cl_righthand \"0\"\n").replace("mp_c4timer 120\n", "mp_c4timer \"35\"\n");
    EXPECT_EQ(cfg(), expected);
    EXPECT_EQ(clientApplied.value(1), QVariantList{true});
    EXPECT_EQ(errors(), QStringList());
}

// A value no control can show: marked with its line, kept by Apply, replaced when the control
// moves, and kept again when the control moves back to the mark.
TEST_F(KeptFileTest, AValueNoControlCanShowIsMarkedAndKeptUntilTheControlMoves)
{
    const auto field = [this](const char* name) { return [this, name] { return fileMark(name); }; };
    const auto choice = [this](const char* beside) {
        return [this, beside] {
            QRadioButton* mark = markBeside(beside);
            return mark && mark->isChecked() ? mark->text() + u'|' + mark->toolTip() : QString();
        };
    };
    const auto list = find<QListWidget>("data");
    const auto slider = [this](const char* name) { return find<QAbstractSlider>(name); };
    struct Row {
        const char* line;
        std::function<QString()> mark; // the mark's text and tip, or its tip
        const char* text;              // what the mark shows besides the tip
        std::function<void()> away;
        std::function<void()> back; // none for a number field: it takes no number beyond its range
        const char* written;        // after moving away
    };
    const Row rows[] = {
        {"con_color \"255 180 30\"",
         [&] {
             auto* swatches = client.findChild<OptionsColorSwatches*>();
             return slider("Color")->value() == 11 && swatches->hasMark() ? swatches->toolTip() : QString();
         },
         "", [&] { slider("Color")->setValue(1); }, [&] { slider("Color")->setValue(11); }, "con_color \"0 0 0\""},
        {"rate 30000",
         [&] {
             return list->currentRow() == 9 ? list->currentItem()->text() + u'|' + list->currentItem()->toolTip()
                                            : QString();
         },
         "30000 (in the file)|", [&] { list->setCurrentRow(6); }, [&] { list->setCurrentRow(9); }, "rate \"25000\""},
        {"fastsprites 5", field("Cedit"), "", [&] { slider("TrackBar2")->setValue(0); },
         [&] { type("Cedit", QStringLiteral("5")); }, "fastsprites \"0\""},
        {"cl_righthand 2", choice("p1_1"), "2 (in the file)|", [&] { click("p1_0"); },
         [&] { markBeside("p1_1")->click(); }, "cl_righthand \"0\""},
        {"mp_forcechasecam 3", choice("s7_1"), "3 (in the file)|", [&] { click("s7_2"); },
         [&] { markBeside("s7_1")->click(); }, "mp_forcechasecam \"2\""},
        {"mp_c4timer 120", field("c4Edit"), "", [&] { type("c4Edit", QStringLiteral("35")); },
         [&] { // from a text that is no number straight back to the file's
             find<QLineEdit>("c4Edit")->setText(QStringLiteral("x"));
             find<QLineEdit>("c4Edit")->setText(QStringLiteral("120"));
         },
         "mp_c4timer \"35\""},
        {"max_shells none", field("c1edit"), "", [&] { type("c1edit", QStringLiteral("200")); }, nullptr,
         "max_shells \"200\""},
    };
    for (const Row& row : rows) {
        const QByteArray file = crlf("// mine\n" + QByteArray(row.line) + "\n");
        dir.write(state.working.file(), file);
        read();
        const QString marked = QLatin1String(row.text) +
                               QStringLiteral("Kept as the file has it until you change it: config.cfg, line 2: ") +
                               QLatin1String(row.line);
        EXPECT_EQ(row.mark(), marked) << row.line;
        ASSERT_TRUE(apply());
        EXPECT_EQ(cfg(), file) << row.line;
        row.away();
        EXPECT_EQ(row.mark(), QString()) << row.line;
        if (row.back) {
            row.back();
            EXPECT_EQ(row.mark(), marked) << row.line << " moved back";
            ASSERT_TRUE(apply());
            EXPECT_EQ(cfg(), file) << row.line << " moved back";
            row.away();
        }
        ASSERT_TRUE(apply());
        EXPECT_EQ(cfg(), crlf("// mine\n" + QByteArray(row.written) + "\n")) << row.line;
        EXPECT_EQ(row.mark(), QString()) << row.line << ": the file holds the new value";
    }
    EXPECT_EQ(errors(), QStringList());
}

// Each range exactly at its ends; a value beyond one is marked and named in the message.
TEST_F(KeptFileTest, ValuesAtTheEndsOfARangeFitAndBeyondThemAreMarked)
{
    // clang-format off
    const std::tuple<const char*, const char*, bool> rows[] = {
        {"r_decals 4096", "dec_e", false}, {"r_decals 4097", "dec_e", true},
        {"mp_roundtime 1", "rtime", false}, {"mp_roundtime .99", "rtime", true},
        {"mp_roundtime 9", "rtime", false}, {"mp_roundtime 9.01", "rtime", true},
        {"fastsprites 2", "Cedit", false}, {"fastsprites -1", "Cedit", true},
        {"max_shells 500", "c1edit", false}, {"max_shells 501", "c1edit", true},
        {"mp_c4timer 0", "c4Edit", false}, {"mp_c4timer 91", "c4Edit", true}};
    // clang-format on
    for (const auto& [line, field, marked] : rows) {
        dialogs.shown.clear();
        writeCfg(QByteArray(line) + "\n");
        read();
        EXPECT_EQ(shown(field), QString::fromLatin1(line).section(u' ', 1)) << line;
        EXPECT_EQ(!fileMark(field).isEmpty(), marked) << line;
        EXPECT_EQ(warnings().size(), marked ? 1 : 0) << line;
    }
}

// A mark stands for the file it was read from: where the next file lacks the setting, it goes,
// and the control shows nothing Apply would write.
TEST_F(KeptFileTest, AMarkOfThePreviousFileGoesWhereTheNextFileLacksTheSetting)
{
    writeCfg("con_color red\nrate fast\ncl_righthand 2\nmp_c4timer 120\nmax_shells none\nmp_buytime soon\n");
    read();
    EXPECT_EQ(warnings().size(), 1);
    writeCfg("sv_lan 1\n");
    read();
    EXPECT_EQ(shown({"Color", "data", "p1_1", "p1_0", "c4Edit", "c1edit", "MapTime"}),
              QStringLiteral("2 -1 0 0 90 300 1.5"));
    EXPECT_EQ(find<QAbstractSlider>("Color")->maximum(), 10);
    EXPECT_EQ(find<QListWidget>("data")->count(), 9);
    EXPECT_FALSE(markBeside("p1_1")->isVisible());
    for (const char* field : {"c4Edit", "c1edit", "MapTime"})
        EXPECT_EQ(fileMark(field), QString()) << field;
    ASSERT_TRUE(apply());
    EXPECT_EQ(cfg(), crlf("sv_lan 1\n"));
}

} // namespace
