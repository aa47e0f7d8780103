#include "app/AppState.h"
#include "app/FormTranslator.h"
#include "app/IniFile.h"
#include "app/LanguageIni.h"
#include "app/MainForm.h"
#include "app/SplashForm.h"
#include "app/UpdateForm.h"
#include "support/FakeDialogs.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QRegularExpression>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QStringList kLanguages = {u"English"_s, u"Russian"_s, u"French"_s, u"Swedish"_s};

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

// Every text a user can see on the window's components, for checks that look at the widgets
// themselves rather than at an export of them.
QStringList shownTexts(QWidget* window)
{
    QStringList texts;
    for (QObject* o : TFormTranslator::components(window)) {
        if (auto* w = qobject_cast<QWidget*>(o))
            texts << w->toolTip();
        if (auto* label = qobject_cast<QLabel*>(o))
            texts << label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(o))
            texts << button->text();
        else if (auto* group = qobject_cast<QGroupBox*>(o))
            texts << group->title();
        else if (auto* edit = qobject_cast<QLineEdit*>(o))
            texts << edit->text();
        else if (auto* action = qobject_cast<QAction*>(o))
            texts << action->text();
        else if (auto* tabs = qobject_cast<QTabWidget*>(o))
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i);
    }
    return texts;
}

// The three translated windows, created as the program creates them, in a program folder of
// their own.
class LanguageFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        settings.values[u"qvl_path"_s] = program.path();
        settings.values[u"cfg_dir"_s] = game.dirWithSlash();
        settings.values[u"cfg_file"_s] = u"config.cfg"_s;
        game.write(u"config.cfg"_s, "unbindall\r\nrate \"25000\"\r\n");
        state.messageSource = [this](const QString& key) { return splash.message(key); };
        main = std::make_unique<TMainForm>(state, shell, registry);
        main->steamHome = home.path();
        main->setSplash(&splash);
        main->setUpdateForm(&update);
    }

    QList<QWidget*> windows() { return {main.get(), &splash, &update}; }

    // The keys of every text the windows show now, as the template would hold them.
    QMap<QString, QString> exported()
    {
        TFormTranslator translator(program.path(), LanguageIni::path(program.path()), dialogs);
        const QString path = program.file(u"exported.lng"_s);
        QFile::remove(path);
        for (QWidget* w : windows())
            EXPECT_TRUE(translator.ExportTexts(w, path));
        return entries(path);
    }

    void installLanguage(const QString& language)
    {
        QDir().mkpath(program.file(u"Languages"_s));
        ASSERT_TRUE(QFile::copy(sourceFile(language), program.file(u"Languages/"_s + language + u".lng"_s)));
    }

    void chooseLanguage(const QString& language)
    {
        main->Lang->setCurrentIndex(main->Lang->findText(language));
        main->LangChange();
    }

    TempDir game;
    TempDir program;
    TempDir home;
    MemorySettings settings;
    FakeDialogs dialogs;
    FakeShell shell;
    FakeRegistry registry;
    AppState state{settings, dialogs};
    TSplashForm splash;
    TUpdateForm update;
    std::unique_ptr<TMainForm> main;
};

} // namespace

TEST_F(LanguageFilesTest, EveryFileCoversExactlyTheTextsTheWindowsShow)
{
    QMap<QString, QString> shown = exported();
    ASSERT_TRUE(shown.contains(u"MainForm.TabSheet1.Caption"_s));
    ASSERT_TRUE(shown.contains(u"SplashForm.Backupfailed.Caption"_s));
    // The numbers the option pages' edits start with are values, not language; a translation
    // of them would overwrite the user's values on the screen at each change of language.
    static const QRegularExpression number(u"^[0-9.]+$"_s);
    // The status line is written at run time from the message keys, which the files translate.
    shown.remove(u"MainForm.Status.Caption"_s);
    for (auto it = shown.begin(); it != shown.end();) {
        if (it.key().endsWith(u".Text"_s) && number.match(it.value()).hasMatch())
            it = shown.erase(it);
        else
            ++it;
    }

    for (const QString& language : kLanguages) {
        const QString file = language + u".lng"_s;
        const QMap<QString, QString> translated = entries(sourceFile(language));
        for (auto it = shown.cbegin(); it != shown.cend(); ++it)
            EXPECT_TRUE(translated.contains(it.key())) << file.toStdString() << " lacks " << it.key().toStdString();
        for (auto it = translated.cbegin(); it != translated.cend(); ++it)
            EXPECT_TRUE(shown.contains(it.key()))
                << file.toStdString() << " has " << it.key().toStdString() << ", which no window shows";
    }
}

TEST_F(LanguageFilesTest, FilesAreUtf8WithCrLfAndNoByteOrderMark)
{
    for (const QString& language : kLanguages) {
        const QByteArray bytes = TempDir::readFile(sourceFile(language));
        ASSERT_FALSE(bytes.isEmpty()) << language.toStdString();
        EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF")) << language.toStdString();
        EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n")) << language.toStdString();
        EXPECT_EQ(QString::fromUtf8(bytes).toUtf8(), bytes) << language.toStdString() << " is not valid UTF-8";
    }
}

TEST_F(LanguageFilesTest, EachFileLandsOnEveryTextItNames)
{
    for (const QString& language : kLanguages) {
        SCOPED_TRACE(language.toStdString());
        // Fresh windows for each language, so that nothing shown is left over from the last one.
        TSplashForm freshSplash;
        TUpdateForm freshUpdate;
        main = std::make_unique<TMainForm>(state, shell, registry);
        main->setSplash(&freshSplash);
        const QMap<QString, QString> english = exported();

        TFormTranslator translator(program.path(), LanguageIni::path(program.path()), dialogs);
        const QMap<QString, QString> file = entries(sourceFile(language));
        for (QWidget* w : {static_cast<QWidget*>(main.get()), static_cast<QWidget*>(&freshSplash),
                           static_cast<QWidget*>(&freshUpdate)}) {
            translator.ApplyTranslations(w, sourceFile(language));
            for (const QString& text : shownTexts(w))
                EXPECT_FALSE(text.contains(u"~~"_s)) << text.toStdString();
        }

        // Exporting again gives back each entry of the file: every one reached a text shown.
        const QString again = program.file(u"again.lng"_s);
        QFile::remove(again);
        translator.ExportTexts(main.get(), again);
        translator.ExportTexts(&freshSplash, again);
        const QMap<QString, QString> shown = entries(again);
        for (auto it = file.cbegin(); it != file.cend(); ++it)
            EXPECT_EQ(shown.value(it.key()), it.value()) << it.key().toStdString();

        if (language == u"English"_s) {
            EXPECT_EQ(main->PageControl1->tabText(0), u"Main"_s);
            continue;
        }
        EXPECT_NE(main->PageControl1->tabText(0), u"Main"_s);
        // A file that copies the English texts is not a translation; names, numbers and words
        // the languages share ("Radar:", "Information") account for a few equal entries.
        QStringList same;
        for (auto it = file.cbegin(); it != file.cend(); ++it)
            if (english.value(it.key()) == it.value())
                same << it.key();
        EXPECT_LT(same.size(), file.size() / 10) << same.join(u' ').toStdString();
    }
}

TEST_F(LanguageFilesTest, ChangeOfLanguageReachesTheMessagesShownAfterwards)
{
    installLanguage(u"French"_s);
    EXPECT_EQ(state.message(u"Backupfailed"_s), u"Backup failed"_s);

    chooseLanguage(u"French"_s);
    const QMap<QString, QString> french = entries(sourceFile(u"French"_s));
    EXPECT_EQ(splash.message(u"Backupfailed"_s), french.value(u"SplashForm.Backupfailed.Caption"_s));
    EXPECT_EQ(state.message(u"Backupfailed"_s), u"Échec de la sauvegarde"_s);
    EXPECT_EQ(splash.message(u"wrongext"_s),
              french.value(u"SplashForm.wrongext.Caption"_s).replace(u"~~"_s, u"\r\n"_s));
    EXPECT_EQ(main->PageControl1->tabText(1), french.value(u"MainForm.TabSheet2.Caption"_s));
    EXPECT_TRUE(TempDir::readFile(LanguageIni::path(program.path())).startsWith("French\r\n[Language]\r\n"));
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(LanguageFilesTest, SwedishWithoutItsFileRewritesQvlIniAndKeepsTheTexts)
{
    installLanguage(u"Russian"_s); // another language is there; Swedish is not
    const QMap<QString, QString> before = exported();

    chooseLanguage(u"Swedish"_s);

    const QString ini = QString::fromUtf8(TempDir::readFile(LanguageIni::path(program.path())));
    const QString swedish = LanguageIni::languageFile(program.path(), u"Swedish"_s);
    EXPECT_EQ(ini, u"Swedish\r\n[Language]\r\nMainForm="_s + swedish + u"\r\nUpdateForm="_s + swedish +
                       u"\r\nSplashForm="_s + swedish + u"\r\n"_s);
    EXPECT_EQ(exported(), before);
    EXPECT_EQ(state.message(u"Backupfailed"_s), u"Backup failed"_s);
    EXPECT_TRUE(dialogs.shown.isEmpty());
}
