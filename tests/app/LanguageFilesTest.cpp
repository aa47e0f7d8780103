#include "app/Artwork.h"
#include "app/MainForm.h"
#include "config/AppState.h"
#include "language/FormTranslator.h"
#include "language/IniFile.h"
#include "language/LanguageIni.h"
#include "online/UpdateForm.h"
#include "support/Controls.h"
#include "support/FakeDialogs.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"
#include "wizard/WizardWindow.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMap>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

QString sourceFile(const QString& language)
{
    return QStringLiteral(QVL_SOURCE_DATA "/Languages/") + language + u".lng"_s;
}

QMap<QString, QString> entries(const QString& path)
{
    QMap<QString, QString> map;
    for (const IniFile::Entry& e : IniFile::readSection(path, u"Translations"_s))
        map.insert(e.first, e.second);
    return map;
}

// The four translated windows, created and translated as the program does at start-up (never
// shown, so no configuration folder is needed), in a program folder of their own.
class LanguageFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        settings.values[u"qvl_path"_s] = program.path();
        program.write(u"qvl.ini"_s, "\r\n[Language]\r\nMainForm=x.lng\r\n"); // its language line emptied
        // A game folder without configuration files: closing the update window shows the main window.
        settings.values[u"cfg_dir"_s] = program.dirWithSlash();
        main = std::make_unique<TMainForm>(state, shell, registry);
        // The wizard and the update window are built at their first opening.
        control<QPushButton>(*main, "WizardButton")->click();
        wizard = main->findChild<WizardWindow*>();
        ASSERT_NE(wizard, nullptr);
        wizard->close();
        control<QPushButton>(*main, "UButton")->click();
        update = main->findChild<TUpdateForm*>();
        ASSERT_NE(update, nullptr);
        update->close();
    }

    void chooseLanguage(const QString& language)
    {
        control<QComboBox>(*main, "Lang")->setCurrentIndex(control<QComboBox>(*main, "Lang")->findText(language));
        activate(control<QComboBox>(*main, "Lang"));
    }

    TempDir program;
    MemorySettings settings;
    FakeDialogs dialogs;
    FakeShell shell;
    FakeRegistry registry;
    AppState state{settings, dialogs};
    std::unique_ptr<TMainForm> main;
    WizardWindow* wizard = nullptr; // children of the main window
    TUpdateForm* update = nullptr;
};

} // namespace

TEST_F(LanguageFilesTest, EveryFileTranslatesExactlyTheTextsTheWindowsShow)
{
    // What the windows show, as the program writes it for translators.
    QString error;
    ASSERT_TRUE(TMainForm::exportTemplate(state, shell, registry, program.file(u"whole.lng"_s), &error))
        << error.toStdString();
    QMap<QString, QString> shown = entries(program.file(u"whole.lng"_s));
    // The numbers the option pages' edits start with are values, not language; a translation
    // of them would overwrite the user's values on the screen at each change of language.
    static const QRegularExpression number(u"^[0-9.]+$"_s);
    shown.removeIf([](auto it) { return it.key().endsWith(u".Text"_s) && number.match(it.value()).hasMatch(); });
    // The status line is written at run time from the message keys, which the files translate.
    shown.remove(u"MainForm.Status.Caption"_s);

    for (const QString& language : {u"English"_s, u"Russian"_s, u"French"_s, u"Swedish"_s}) {
        const std::string file = (language + u".lng"_s).toStdString();
        const QByteArray bytes = TempDir::readFile(sourceFile(language));
        EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n")) << file << " has lines not ending in CR LF";
        EXPECT_EQ(QString::fromUtf8(bytes).toUtf8(), bytes) << file << " is not valid UTF-8";

        const QMap<QString, QString> translated = entries(sourceFile(language));
        QStringList same;
        for (auto it = shown.cbegin(); it != shown.cend(); ++it) {
            EXPECT_TRUE(translated.contains(it.key())) << file << " lacks " << it.key().toStdString();
            if (translated.value(it.key()) == it.value())
                same << it.key();
        }
        for (auto it = translated.cbegin(); it != translated.cend(); ++it)
            EXPECT_TRUE(shown.contains(it.key()))
                << file << " has " << it.key().toStdString() << ", which no window shows";
        // A copy of the English texts is no translation; names, numbers and words the languages
        // share ("Radar:", "Information") account for a few equal entries.
        EXPECT_TRUE(language == u"English"_s || same.size() < shown.size() / 10)
            << file << ": " << same.join(u' ').toStdString();
    }
}

TEST_F(LanguageFilesTest, ChangeOfLanguageReachesTheTextsAndTheMessagesShownAfterwards)
{
    program.write(u"Languages/French.lng"_s, TempDir::readFile(sourceFile(u"French"_s)));

    // Without Swedish.lng, qvl.ini names it all the same and the texts stay.
    chooseLanguage(u"Swedish"_s);
    const QString swedish = LanguageIni::languageFile(program.path(), u"Swedish"_s);
    EXPECT_EQ(QString::fromUtf8(TempDir::readFile(LanguageIni::path(program.path()))),
              u"Swedish\r\n[Language]\r\nMainForm="_s + swedish + u"\r\nUpdateForm="_s + swedish +
                  u"\r\nSplashForm="_s + swedish + u"\r\n"_s);
    EXPECT_EQ(control<QTabWidget>(*main, "PageControl1")->tabText(1), u"Client options"_s);
    EXPECT_EQ(state.message(u"Backupfailed"_s), u"Backup failed"_s);

    control<QTabWidget>(*main, "PageControl1")->setCurrentIndex(1);
    chooseLanguage(u"French"_s);
    const QMap<QString, QString> french = entries(sourceFile(u"French"_s));
    EXPECT_EQ(control<QTabWidget>(*main, "PageControl1")->tabText(1), french.value(u"MainForm.TabSheet2.Caption"_s));
    // The banner is drawn again with its subtitle in French.
    EXPECT_EQ(main->findChild<QLabel*>(u"Image1"_s, Qt::FindDirectChildrenOnly)->pixmap().toImage(),
              Artwork::header(french.value(u"MainForm.Subtitle.Caption"_s)).toImage());
    // The status line at once, not at the next change of page (this folder holds no file to edit).
    const auto status = [this] {
        return control<QLabel>(*main, "Status")->toolTip().isEmpty() ? control<QLabel>(*main, "Status")->text()
                                                                     : control<QLabel>(*main, "Status")->toolTip();
    };
    EXPECT_EQ(status(), french.value(u"SplashForm.nocfgfile.Caption"_s));
    // And at every change after it.
    program.write(u"Languages/Russian.lng"_s, TempDir::readFile(sourceFile(u"Russian"_s)));
    chooseLanguage(u"Russian"_s);
    EXPECT_EQ(status(), entries(sourceFile(u"Russian"_s)).value(u"SplashForm.nocfgfile.Caption"_s));
    chooseLanguage(u"French"_s);
    EXPECT_EQ(status(), french.value(u"SplashForm.nocfgfile.Caption"_s));
    EXPECT_EQ(control<QPushButton>(*wizard, "BitBtn3")->text(), french.value(u"wizard.BitBtn3.Caption"_s));
    EXPECT_EQ(control<QPushButton>(*update, "UpdateButton")->text(),
              french.value(u"UpdateForm.UpdateButton.Caption"_s));
    EXPECT_EQ(control<QComboBox>(*wizard, "w7")->itemText(4), french.value(u"SplashForm.wizspeed4.Caption"_s));
    EXPECT_EQ(state.message(u"Backupfailed"_s), u"Échec de la sauvegarde"_s);
    EXPECT_EQ(state.message(u"wrongext"_s), french.value(u"SplashForm.wrongext.Caption"_s).replace(u"~~"_s, u"\r\n"_s));
    EXPECT_TRUE(dialogs.shown.isEmpty()) << dialogs.shown.value(0).text.toStdString();

    // File errors too: the words in the interface language, the file and the system's cause after them.
    state.working.setFolder(program.dirWithSlash());
    state.working.setWorkingFile(u"missing.cfg"_s);
    EXPECT_FALSE(state.LoadCfg());
    program.write(u"locked.cfg"_s, "rate 1\n");
    QFile::setPermissions(program.file(u"locked.cfg"_s), QFileDevice::ReadOwner);
    state.working.setWorkingFile(u"locked.cfg"_s);
    ASSERT_TRUE(state.LoadCfg());
    state.working.store().SetCfgVar("rate", "2");
    EXPECT_FALSE(state.SaveCfg());
    const QString missing = QDir::toNativeSeparators(program.file(u"missing.cfg"_s));
    const QString locked = QDir::toNativeSeparators(program.file(u"locked.cfg"_s));
    const QStringList errors = dialogs.texts(u"error"_s);
    ASSERT_EQ(errors.size(), 2);
    EXPECT_TRUE(errors[0].startsWith(u"Impossible de lire %1\u00a0: "_s.arg(missing)) && errors[0].size() > 30)
        << errors[0].toStdString();
    EXPECT_EQ(errors[1], u"Impossible d'écrire %1\u00a0: le fichier est en lecture seule"_s.arg(locked));
}

TEST(LanguageFiles, FrenchPunctuationKeepsToItsSentence)
{
    // French sets a blank before ? ! : and ; that must be a non-breaking one, or a wrapped caption
    // starts its next line with the mark alone.
    for (const IniFile::Entry& e : IniFile::readSection(sourceFile(u"French"_s), u"Translations"_s)) {
        static const QRegularExpression breakable(u" [?!:;]"_s);
        EXPECT_FALSE(breakable.match(e.second).hasMatch()) << e.first.toStdString();
    }
}

TEST_F(LanguageFilesTest, ALanguageThatCannotBeRememberedIsRefusedWithTheCauseAndChangesNothing)
{
    program.write(u"Languages/French.lng"_s, TempDir::readFile(sourceFile(u"French"_s)));
    const QString ini = LanguageIni::path(program.path());
    const QByteArray before = TempDir::readFile(ini);
    ASSERT_TRUE(QFile::setPermissions(ini, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    chooseLanguage(u"French"_s);
    QFile::setPermissions(ini, QFileDevice::ReadOwner | QFileDevice::WriteOwner);

    const QStringList errors = dialogs.texts(u"error"_s);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(QDir::toNativeSeparators(ini))) << errors[0].toStdString();
    EXPECT_EQ(TempDir::readFile(ini), before);
    EXPECT_EQ(control<QTabWidget>(*main, "PageControl1")->tabText(1), u"Client options"_s);
    EXPECT_EQ(control<QPushButton>(*update, "UpdateButton")->text(), u"Start!"_s);
}
