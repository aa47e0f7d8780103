#include "language/FormTranslator.h"

#include "config/MessageCatalog.h"
#include "config/RuntimeHint.h"
#include "language/IniFile.h"
#include "language/LanguageIni.h"
#include "support/FakeDialogs.h"
#include "support/TempDir.h"

#include <QtWidgets>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

template <typename T>
T* named(T* object, const char* name)
{
    object->setObjectName(QString::fromLatin1(name));
    return object;
}

// A small main window with one component of each kind the translator knows.
std::unique_ptr<QWidget> makeWindow()
{
    auto window = std::make_unique<QWidget>();
    QWidget* w = named(window.get(), "MainForm");
    w->setWindowTitle(u"Quarvel"_s);
    auto* tabs = named(new QTabWidget(w), "PageControl1");
    tabs->addTab(named(new QWidget, "TabSheet1"), u"Main"_s);
    QWidget* page2 = tabs->widget(tabs->addTab(named(new QWidget, "TabSheet2"), u"Client options"_s));
    auto* group = named(new QGroupBox(u"QVL Language"_s, tabs->widget(0)), "GroupBox4");
    named(new QComboBox(group), "Lang")->addItems({u"English"_s, u"Russian"_s}); // not editable: no Text
    named(new QLabel(u"Pick one\r\nof four"_s, group), "Label5")->setToolTip(u"Language"_s);
    named(new QLineEdit(u"player"_s, page2), "Edit1");
    auto* combo = named(new QComboBox(page2), "ComboBox1");
    combo->setEditable(true);
    combo->setEditText(u"cl_"_s);
    auto* spin = named(new QSpinBox(page2), "SpinEdit1");
    spin->setToolTip(u"Rate"_s);
    spin->setValue(5); // shown in an inner line edit of Qt's, which has no entry
    new QLabel(u"nameless"_s, page2);
    named(new QLabel(page2), "Image1");
    named(new QPushButton(u"Apply"_s, w), "BitBtn8");
    named(new QLabel(u"Backup failed"_s, w), "Backupfailed")->hide();
    auto* menu = named(new QMenu(w), "PopupMenu1");
    named(menu->addAction(u"Open"_s), "N1");
    named(menu->addAction(u"-"_s), "N2");
    named(new QLabel(u"inner"_s, new QDialog(w)), "DialogLabel"); // on another window
    return window;
}

const QByteArray ExportedEntries = "MainForm.TabSheet1.Caption=Main\r\n"
                                   "MainForm.GroupBox4.Caption=QVL Language\r\n"
                                   "MainForm.Label5.Caption=Pick one~~of four\r\n"
                                   "MainForm.Label5.Hint=Language\r\n"
                                   "MainForm.TabSheet2.Caption=Client options\r\n"
                                   "MainForm.Edit1.Text=player\r\n"
                                   "MainForm.ComboBox1.Text=cl_\r\n"
                                   "MainForm.SpinEdit1.Hint=Rate\r\n"
                                   "MainForm.BitBtn8.Caption=Apply\r\n"
                                   "MainForm.Backupfailed.Caption=Backup failed\r\n"
                                   "MainForm.N1.Caption=Open\r\n";

TEST(FormTranslatorTest, TranslateFormExportsEachTextOnceAndFallsBackOnTheTemplate)
{
    TempDir dir;
    dir.write(u"qvl.ini"_s, "English\r\n"); // names no language file
    FakeDialogs dialogs;
    TFormTranslator translator(dir.path(), dir.file(u"qvl.ini"_s), dialogs);
    const auto window = makeWindow();
    translator.TranslateForm(window.get());
    EXPECT_EQ(dir.read(u"Language.lng"_s).toStdString(), ("[Translations]\r\n" + ExportedEntries).toStdString());
    EXPECT_EQ(translator.LanguageFile, translator.templatePath());
    EXPECT_EQ(dir.read(u"qvl.ini"_s),
              "English\r\n[Language]\r\nMainForm=" + translator.templatePath().toUtf8() + "\r\n");
    EXPECT_TRUE(dialogs.shown.isEmpty());

    // Entries already there are replaced where they stand. Raising widgets moves them among their
    // siblings, but not in the order of the entries added.
    window->findChild<QTabWidget*>(u"PageControl1"_s)->setCurrentIndex(1);
    window->findChild<QLabel*>(u"Backupfailed"_s)->lower();
    dir.write(u"old.lng"_s,
              "[TRANSLATIONS]\r\nMainForm.BitBtn8.Caption=Old\r\nOther.X.Caption=keep\r\n\r\n[Notes]\r\n");
    ASSERT_TRUE(translator.ExportTexts(window.get(), dir.file(u"old.lng"_s)));
    QByteArray rest = ExportedEntries;
    rest.replace("MainForm.BitBtn8.Caption=Apply\r\n", "");
    EXPECT_EQ(
        dir.read(u"old.lng"_s).toStdString(),
        ("[TRANSLATIONS]\r\nMainForm.BitBtn8.Caption=Apply\r\nOther.X.Caption=keep\r\n" + rest + "\r\n[Notes]\r\n")
            .toStdString());
}

TEST(FormTranslatorTest, ApplyFollowsTheNameRules)
{
    TempDir dir;
    const QString file = dir.write(u"French.lng"_s, "[translations]\r\n"
                                                    "MainForm.bitbtn8.CAPTION=Appliquer\r\n"
                                                    "mainform.BitBtn8.Caption=other window\r\n"
                                                    "MainForm.TabSheet1.Caption=Principal\r\n"
                                                    "MainForm.TabSheet2.Caption=\r\n"
                                                    "MainForm.GroupBox4.Caption=Langue\r\n"
                                                    "MainForm.Label5.Caption=Choisissez~~une langue\r\n"
                                                    "MainForm.Label5.Text=not a label property\r\n"
                                                    "MainForm.Label5.hint=Langue de QVL\r\n"
                                                    "MainForm.Edit1.Text=joueur\r\n"
                                                    "MainForm.ComboBox1.text=cl_x\r\n"
                                                    "MainForm.N1.Caption=Ouvrir\r\n"
                                                    "MainForm.MainForm.Caption=title\r\n"
                                                    "MainForm.DialogLabel.Caption=x\r\n"
                                                    "MainForm.Missing.Caption=x\r\n");
    FakeDialogs dialogs;
    TFormTranslator translator(dir.path(), dir.file(u"qvl.ini"_s), dialogs);
    const auto window = makeWindow();
    QWidget* w = window.get();
    translator.ApplyTranslations(w, file);

    auto* tabs = w->findChild<QTabWidget*>(u"PageControl1"_s);
    EXPECT_EQ(w->findChild<QPushButton*>(u"BitBtn8"_s)->text(), u"Appliquer"_s);
    EXPECT_EQ(tabs->tabText(0), u"Principal"_s);
    EXPECT_EQ(tabs->tabText(1), u"Client options"_s);
    EXPECT_EQ(w->findChild<QGroupBox*>(u"GroupBox4"_s)->title(), u"Langue"_s);
    EXPECT_EQ(w->findChild<QLabel*>(u"Label5"_s)->text(), u"Choisissez\r\nune langue"_s);
    EXPECT_EQ(w->findChild<QLabel*>(u"Label5"_s)->toolTip(), u"Langue de QVL"_s);
    EXPECT_EQ(w->findChild<QLineEdit*>(u"Edit1"_s)->text(), u"joueur"_s);
    EXPECT_EQ(w->findChild<QComboBox*>(u"ComboBox1"_s)->currentText(), u"cl_x"_s);
    EXPECT_EQ(w->findChild<QAction*>(u"N1"_s)->text(), u"Ouvrir"_s);
    EXPECT_EQ(w->findChild<QLabel*>(u"DialogLabel"_s)->text(), u"inner"_s);
    EXPECT_EQ(w->windowTitle(), u"Quarvel"_s);
}

TEST(FormTranslatorTest, TemplateWriteFailureIsReportedOnceAndTranslationGoesOn)
{
    TempDir dir;
    dir.write(u"Languages/French.lng"_s, "[Translations]\r\nMainForm.BitBtn8.Caption=Appliquer\r\n");
    ASSERT_TRUE(LanguageIni::write(dir.path(), u"French"_s));
    FakeDialogs dialogs;
    TFormTranslator translator(dir.file(u"missing"_s), LanguageIni::path(dir.path()), dialogs);
    const auto first = makeWindow();
    const auto second = makeWindow();
    translator.TranslateForm(first.get());
    translator.TranslateForm(second.get());

    EXPECT_EQ(translator.LanguageFile, LanguageIni::languageFile(dir.path(), u"French"_s));
    ASSERT_EQ(dialogs.texts(u"error"_s).size(), 1);
    EXPECT_TRUE(dialogs.texts(u"error"_s).first().contains(u"Language.lng"_s));
    EXPECT_EQ(second->findChild<QPushButton*>(u"BitBtn8"_s)->text(), u"Appliquer"_s);
}

} // namespace

TEST(FormTranslatorTest, AHintSetWhileTheProgramRunsIsNeitherExportedNorReplaced)
{
    TempDir dir;
    QWidget window;
    window.setObjectName(u"MainForm"_s);
    auto* key = named(new QLabel(u"F2"_s, &window), "F2");
    RuntimeHint::mark(key);
    key->setToolTip(u"QVL_F2"_s); // the command the file binds the key to
    FakeDialogs dialogs;
    TFormTranslator translator(dir.path(), dir.file(u"qvl.ini"_s), dialogs);
    ASSERT_TRUE(translator.ExportTexts(&window, dir.file(u"t.lng"_s)));
    EXPECT_FALSE(dir.read(u"t.lng"_s).contains("QVL_F2"));
    EXPECT_TRUE(dir.read(u"t.lng"_s).contains("MainForm.F2.Caption=F2"));
    dir.write(u"x.lng"_s, "[Translations]\r\nMainForm.F2.Hint=stale\r\n");
    translator.ApplyTranslations(&window, dir.file(u"x.lng"_s));
    EXPECT_EQ(key->toolTip(), u"QVL_F2"_s);
}

TEST(FormTranslatorTest, TheMessagesGoToTheTemplateAndComeFromTheLanguageFileOfTheirWindow)
{
    TempDir dir;
    dir.write(u"fr.lng"_s, "[Translations]\r\n"
                           "SplashForm.Backupfailed.Caption=Sauvegarde impossible\r\n"
                           "SplashForm.BADSTATUS.caption=Statut %1~~inattendu\r\n"
                           "SplashForm.nothingtoapply.Hint=not a caption\r\n"
                           "SplashForm.nosuchkey.Caption=ignored\r\n"
                           "SplashForm.poor.Caption=\r\n"
                           "MainForm.Backuped.Caption=another window's\r\n");
    dir.write(u"qvl.ini"_s, "French\r\n[Language]\r\nSplashForm=" + dir.file(u"fr.lng"_s).toUtf8() + "\r\n");
    FakeDialogs dialogs;
    TFormTranslator translator(dir.path(), dir.file(u"qvl.ini"_s), dialogs);
    MessageCatalog catalog;
    catalog.setText(u"Restored"_s, u"restauré"_s); // the language before: a key the file lacks goes back to English

    translator.TranslateCatalog(catalog, LanguageIni::messagesWindow());
    EXPECT_EQ(catalog.text(Msg::BackupFailed), u"Sauvegarde impossible"_s);
    EXPECT_EQ(catalog.text(Msg::BadStatus), u"Statut %1\r\ninattendu"_s);
    EXPECT_EQ(catalog.text(Msg::NothingToApply), u"Nothing to apply"_s);
    EXPECT_EQ(catalog.text(Msg::SpritesPoor), u"poor"_s);
    EXPECT_EQ(catalog.text(Msg::BackedUp), MessageCatalog().text(Msg::BackedUp));
    EXPECT_EQ(catalog.text(Msg::Restored), MessageCatalog().text(Msg::Restored));
    EXPECT_EQ(translator.LanguageFile, dir.file(u"fr.lng"_s));

    // The template holds every message once, under the window's name, with its line breaks as "~~".
    const QList<IniFile::Entry> exported = IniFile::readSection(translator.templatePath(), u"Translations"_s);
    EXPECT_EQ(exported.size(), MessageCatalog().entries().size());
    EXPECT_EQ(exported.first().first, u"SplashForm.TabSheet1.Caption"_s);
    EXPECT_TRUE(std::any_of(exported.begin(), exported.end(), [](const IniFile::Entry& e) {
        return e.first == u"SplashForm.RestoreFailed.Caption"_s && e.second.contains(u"~~"_s) &&
               !e.second.contains(u'\r');
    }));
    EXPECT_TRUE(dialogs.shown.isEmpty());
}
