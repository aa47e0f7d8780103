#include "app/FormTranslator.h"

#include "app/LanguageIni.h"
#include "support/FakeDialogs.h"
#include "support/TempDir.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace Qt::StringLiterals;

namespace {

std::string str(const QByteArray& bytes)
{
    return bytes.toStdString();
}

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
    QWidget* page1 = named(new QWidget, "TabSheet1");
    QWidget* page2 = named(new QWidget, "TabSheet2");
    tabs->addTab(page1, u"Main"_s);
    tabs->addTab(page2, u"Client options"_s);
    auto* group = named(new QGroupBox(u"QVL Language"_s, page1), "GroupBox4");
    named(new QComboBox(group), "Lang")->addItems({u"English"_s, u"Russian"_s}); // not editable: no Text
    named(new QLabel(u"Pick one\r\nof four"_s, group), "Label5")->setToolTip(u"Language"_s);
    named(new QLineEdit(u"player"_s, page2), "Edit1");
    auto* combo = named(new QComboBox(page2), "ComboBox1");
    combo->setEditable(true);
    combo->setEditText(u"cl_"_s);
    named(new QSpinBox(page2), "SpinEdit1")->setToolTip(u"Rate"_s); // its inner line edit is Qt's
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

template <typename T>
T* find(QWidget* window, const char* name)
{
    T* found = window->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
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

TEST(FormTranslatorTest, ExportWritesEveryTextOnceAndKeepsExistingEntriesInPlace)
{
    TempDir dir;
    FakeDialogs dialogs;
    TFormTranslator translator(dir.path(), dir.file(u"qvl.ini"_s), dialogs);
    const auto window = makeWindow();
    QString error;
    ASSERT_TRUE(translator.ExportTexts(window.get(), dir.file(u"new.lng"_s), &error)) << error.toStdString();
    EXPECT_EQ(str(dir.read(u"new.lng"_s)), str("[Translations]\r\n" + ExportedEntries));

    // A translation written earlier: its entries are replaced where they stand.
    dir.write(u"old.lng"_s,
              "[TRANSLATIONS]\r\nMainForm.BitBtn8.Caption=Old\r\nOther.X.Caption=keep\r\n\r\n[Notes]\r\n");
    ASSERT_TRUE(translator.ExportTexts(window.get(), dir.file(u"old.lng"_s), &error)) << error.toStdString();
    QByteArray rest = ExportedEntries;
    rest.replace("MainForm.BitBtn8.Caption=Apply\r\n", "");
    EXPECT_EQ(
        str(dir.read(u"old.lng"_s)),
        str("[TRANSLATIONS]\r\nMainForm.BitBtn8.Caption=Apply\r\nOther.X.Caption=keep\r\n" + rest + "\r\n[Notes]\r\n"));
}

TEST(FormTranslatorTest, ComponentOrderSurvivesRaisingWidgets)
{
    const auto window = makeWindow();
    const QList<QObject*> before = TFormTranslator::components(window.get());
    find<QTabWidget>(window.get(), "PageControl1")->setCurrentIndex(1); // raises TabSheet2
    find<QPushButton>(window.get(), "BitBtn8")->lower();
    EXPECT_EQ(TFormTranslator::components(window.get()), before);
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
                                                    "MainForm.Backupfailed.Caption=\xC3\x89"
                                                    "chec\r\n"
                                                    "MainForm.MainForm.Caption=title\r\n"
                                                    "MainForm.DialogLabel.Caption=x\r\n"
                                                    "MainForm.Missing.Caption=x\r\n"
                                                    "UpdateForm.Edit1.Text=x\r\n");
    FakeDialogs dialogs;
    TFormTranslator translator(dir.path(), dir.file(u"qvl.ini"_s), dialogs);
    const auto window = makeWindow();
    translator.ApplyTranslations(window.get(), file);

    QWidget* w = window.get();
    auto* tabs = find<QTabWidget>(w, "PageControl1");
    EXPECT_EQ(find<QPushButton>(w, "BitBtn8")->text(), u"Appliquer"_s);
    EXPECT_EQ(tabs->tabText(0), u"Principal"_s);
    EXPECT_EQ(tabs->tabText(1), u"Client options"_s);
    EXPECT_EQ(find<QGroupBox>(w, "GroupBox4")->title(), u"Langue"_s);
    EXPECT_EQ(find<QLabel>(w, "Label5")->text(), u"Choisissez\r\nune langue"_s);
    EXPECT_EQ(find<QLabel>(w, "Label5")->toolTip(), u"Langue de QVL"_s);
    EXPECT_EQ(find<QLineEdit>(w, "Edit1")->text(), u"joueur"_s);
    EXPECT_EQ(find<QComboBox>(w, "ComboBox1")->currentText(), u"cl_x"_s);
    EXPECT_EQ(find<QAction>(w, "N1")->text(), u"Ouvrir"_s);
    EXPECT_EQ(find<QLabel>(w, "Backupfailed")->text(), QStringLiteral("\u00C9chec"));
    EXPECT_EQ(find<QLabel>(w, "DialogLabel")->text(), u"inner"_s);
    EXPECT_EQ(w->windowTitle(), u"Quarvel"_s);

    // "~~" shows the two phrases on two lines, as a plain line feed would.
    QLabel lf(u"Choisissez\nune langue"_s);
    QLabel oneLine(u"Choisissez"_s);
    EXPECT_EQ(find<QLabel>(w, "Label5")->sizeHint(), lf.sizeHint());
    EXPECT_GT(lf.sizeHint().height(), oneLine.sizeHint().height());
}

struct LanguageCase {
    const char* language; // as chosen (or read from qvl.ini at start-up)
    bool fileExists;
    const char* caption; // BitBtn8 afterwards
};

TEST(FormTranslatorTest, TranslateFormAppliesTheFileThatQvlIniNames)
{
    const LanguageCase cases[] = {
        {"French", true, "Appliquer"},
        {"Swedish", false, "Apply"}, // no Swedish.lng: the texts stay
        {"", false, "Apply"},        // empty first line: Languages/.lng
    };
    for (const LanguageCase& c : cases) {
        TempDir dir;
        if (c.fileExists)
            dir.write(u"Languages/%1.lng"_s.arg(QString::fromUtf8(c.language)),
                      "[Translations]\r\nMainForm.BitBtn8.Caption=Appliquer\r\n");
        ASSERT_TRUE(LanguageIni::write(dir.path(), QString::fromUtf8(c.language)));
        const QByteArray ini = dir.read(u"qvl.ini"_s);
        FakeDialogs dialogs;
        TFormTranslator translator(dir.path(), LanguageIni::path(dir.path()), dialogs);
        const auto window = makeWindow();
        translator.TranslateForm(window.get());

        EXPECT_EQ(find<QPushButton>(window.get(), "BitBtn8")->text(), QString::fromUtf8(c.caption)) << c.language;
        EXPECT_EQ(translator.LanguageFile, LanguageIni::languageFile(dir.path(), QString::fromUtf8(c.language)));
        EXPECT_EQ(str(dir.read(u"Language.lng"_s)), str("[Translations]\r\n" + ExportedEntries)) << c.language;
        EXPECT_EQ(str(dir.read(u"qvl.ini"_s)), str(ini)) << c.language;
        EXPECT_TRUE(dialogs.shown.isEmpty()) << c.language;
    }
}

TEST(FormTranslatorTest, MissingLanguageEntryPointsAtTheTemplate)
{
    TempDir dir;
    dir.write(u"qvl.ini"_s, "English\r\n");
    FakeDialogs dialogs;
    TFormTranslator translator(dir.path(), dir.file(u"qvl.ini"_s), dialogs);
    const auto window = makeWindow();
    translator.TranslateForm(window.get());
    EXPECT_EQ(translator.LanguageFile, translator.templatePath());
    EXPECT_EQ(dir.read(u"qvl.ini"_s),
              "English\r\n[Language]\r\nMainForm=" + translator.templatePath().toUtf8() + "\r\n");
    EXPECT_EQ(find<QPushButton>(window.get(), "BitBtn8")->text(), u"Apply"_s);
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

    ASSERT_EQ(dialogs.texts(u"error"_s).size(), 1);
    EXPECT_TRUE(dialogs.texts(u"error"_s).first().contains(u"Language.lng"_s));
    EXPECT_EQ(find<QPushButton>(second.get(), "BitBtn8")->text(), u"Appliquer"_s);
}

} // namespace
