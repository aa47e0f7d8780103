#include "app/MainLossesBox.h"
#include "MainFormFixture.h"
#include "chain/ShippedArchived.h"

#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

using namespace Qt::Literals::StringLiterals;

namespace {

// config.cfg as the game leaves it, with three lines a player added: two go, one stays.
const QByteArray Config = "unbindall\r\n"
                          "bind \"+\" \"sizeup\"\r\n"
                          "alias +jd \"+jump;+duck\"\r\n"
                          "rate \"25000\" // fast\r\n"
                          "cl_bobup 0.5\r\n"
                          "setinfo \"_vgui_menus\" \"0\"\r\n"
                          "exec userconfig.cfg\r\n";

class MainLossesBoxTest : public MainFormTest {
protected:
    void SetUp() override
    {
        MainFormTest::SetUp();
        game.write(u"config.cfg"_s, Config);
        game.write(u"userconfig.cfg"_s, "cl_bobcycle 0.8\n");
        start();
        box()->useArchived(shippedArchivedCvars());
        state.reviewer = [this](const QList<PendingWrite>& writes) {
            reviewed.append(writes);
            return answer;
        };
    }
    MainLossesBox* box() const { return control<MainLossesBox>(*form, "LossesBox"); }
    QString countText() const { return box()->isHidden() ? QString() : control<QLabel>(*form, "LossesCount")->text(); }
    QTableWidget* openLines() const
    {
        control<QPushButton>(*form, "LossesButton")->click();
        EXPECT_TRUE(control<QDialog>(*form, "LossesWindow")->isVisible());
        return control<QTableWidget>(*form, "LossesTable");
    }
    void move() const { control<QPushButton>(*form, "LossesMove")->click(); }

    QList<PendingWrite> reviewed;
    bool answer = true;
};

TEST_F(MainLossesBoxTest, CountsTheLostLinesAndMovesThoseThatMayGo)
{
    EXPECT_EQ(countText(), u"3 lines of config.cfg are lost when the game exits"_s);
    QTableWidget* table = openLines();
    ASSERT_EQ(table->rowCount(), 3);
    const char* const rows[][4] = {
        {"3", "alias +jd \"+jump;+duck\"", "alias", "yes"},
        {"4", "rate \"25000\" // fast", "comment", "no: the game keeps part of the line"},
        {"5", "cl_bobup 0.5", "variable the game does not keep", "yes"},
    };
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 4; ++column)
            EXPECT_EQ(table->item(row, column)->text(), QString::fromLatin1(rows[row][column])) << row << column;
    }

    move();
    ASSERT_EQ(reviewed.size(), 2) << "both files in one review";
    EXPECT_EQ(game.read(u"userconfig.cfg"_s), "cl_bobcycle 0.8\nalias +jd \"+jump;+duck\"\ncl_bobup 0.5\n");
    EXPECT_EQ(game.read(u"config.cfg"_s), "unbindall\r\nbind \"+\" \"sizeup\"\r\nrate \"25000\" // fast\r\n"
                                          "setinfo \"_vgui_menus\" \"0\"\r\nexec userconfig.cfg\r\n");
    EXPECT_EQ(dialogs.texts(u"information"_s),
              QStringList{u"Lines moved from config.cfg to the end of userconfig.cfg: 2"_s});
    EXPECT_FALSE(control<QDialog>(*form, "LossesWindow")->isVisible());
    EXPECT_EQ(countText(), u"1 line of config.cfg is lost when the game exits"_s);
    EXPECT_EQ(state.working.store().loadedBytes(), game.read(u"config.cfg"_s)) << "the working file is read again";
}

TEST_F(MainLossesBoxTest, MovesNothingWhenCancelledOrAFileCannotBeWritten)
{
    openLines();
    answer = false;
    move();
    EXPECT_EQ(reviewed.size(), 2);
    EXPECT_TRUE(dialogs.shown.isEmpty());
    QFile::setPermissions(game.file(u"userconfig.cfg"_s), QFileDevice::ReadOwner);
    answer = true;
    move();
    ASSERT_EQ(dialogs.texts(u"error"_s).size(), 1);
    EXPECT_TRUE(dialogs.texts(u"error"_s)[0].contains(u"userconfig.cfg"_s))
        << dialogs.texts(u"error"_s)[0].toStdString();
    EXPECT_EQ(game.read(u"config.cfg"_s), Config);
    EXPECT_EQ(game.read(u"userconfig.cfg"_s), "cl_bobcycle 0.8\n");
    EXPECT_EQ(countText(), u"3 lines of config.cfg are lost when the game exits"_s);
}

TEST_F(MainLossesBoxTest, FollowsTheWorkingFileAndItsReads)
{
    clickEntry(u"userconfig.cfg"_s);
    EXPECT_EQ(countText(), QString()) << "only config.cfg is rewritten by the game";
    clickEntry(u"config.cfg"_s);
    EXPECT_EQ(countText(), u"3 lines of config.cfg are lost when the game exits"_s);
    game.write(u"config.cfg"_s, "unbindall\r\nexec userconfig.cfg\r\n");
    ASSERT_TRUE(state.LoadCfg());
    EXPECT_EQ(countText(), QString()) << "nothing is lost";
    game.write(u"config.cfg"_s, "alias a b\n");
    state.working.wroteFile(game.file(u"userconfig.cfg"_s)); // any write of the folder is looked at
    EXPECT_EQ(countText(), u"1 line of config.cfg is lost when the game exits"_s);

    // A change of language tells the count in the new language at once.
    program.write(u"Languages/French.lng"_s,
                  TempDir::readFile(QStringLiteral(QVL_SOURCE_DATA "/Languages/French.lng")));
    auto* languages = control<QComboBox>(*form, "Lang");
    languages->setCurrentIndex(languages->findText(u"French"_s));
    activate(languages);
    EXPECT_NE(state.message(Msg::LossOne), u"1 line of config.cfg is lost when the game exits"_s);
    EXPECT_EQ(countText(), state.message(Msg::LossOne));
}

} // namespace
