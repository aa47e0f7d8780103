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
    bool apply() override { return client.ApplyClientOptions() && server.ApplyServerOptions(); }
    QDateTime modified() const { return QFileInfo(dir.file(state.CfgFile)).lastModified(); }
};

TEST_F(KeptFileTest, AnUntouchedApplyWritesNothingAndAChangeChangesItsLineAlone)
{
    const QByteArray file = gameConfigLf();
    dir.write(state.CfgFile, file);
    QFile f(dir.file(state.CfgFile));
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
                              .arg(QDir::toNativeSeparators(dir.file(state.CfgFile)))});

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
        dir.write(state.CfgFile, file);
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

} // namespace
