#include "config/AppState.h"
#include "app/Artwork.h"
#include "app/FormTranslator.h"
#include "app/InformationForm.h"
#include "app/MainForm.h"
#include "app/ProgramFolder.h"
#include "app/SplashForm.h"
#include "app/UpdateForm.h"
#include "app/WizardForm.h"
#include "platform/MachineRegistry.h"
#include "platform/QtDialogs.h"
#include "platform/QtSettingsStore.h"
#include "platform/QtShell.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quarvel"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quarvel"));
    QApplication::setApplicationVersion(QStringLiteral(QVL_VERSION));
    QApplication::setWindowIcon(Artwork::windowIcon());

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Quarvel, the Counter-Strike 1.6 configuration utility"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption settingsOption(
        QStringLiteral("settings"), QStringLiteral("Keep the program's settings in FILE."), QStringLiteral("FILE"));
    const QCommandLineOption demoOption(QStringLiteral("demo"),
                                        QStringLiteral("Start on a sample game folder in a demo workspace."));
    const QCommandLineOption demoResetOption(QStringLiteral("demo-reset"),
                                             QStringLiteral("Start the demo workspace afresh (implies --demo)."));
    parser.addOptions({settingsOption, demoOption, demoResetOption});
    parser.addPositionalArgument(QStringLiteral("DIR"), QStringLiteral("The demo workspace (with --demo)."),
                                 QStringLiteral("[DIR]"));
    parser.process(app);

    QtDialogs dialogs;
    const QString exeDir = QApplication::applicationDirPath();
    const QString dataDir = ProgramFolder::findDataDir(exeDir);
    QString settingsPath =
        parser.isSet(settingsOption) ? parser.value(settingsOption) : qEnvironmentVariable("QVL_SETTINGS");
    QString error;
    if (parser.isSet(demoOption) || parser.isSet(demoResetOption)) {
        const QString dir =
            parser.positionalArguments().isEmpty() ? ProgramFolder::defaultDemoDir() : parser.positionalArguments()[0];
        settingsPath = ProgramFolder::prepareDemo(dir, dataDir, parser.isSet(demoResetOption), &error);
        if (settingsPath.isEmpty()) {
            dialogs.error(error);
            return 2;
        }
    }
    QtSettingsStore settings(settingsPath);
    if (!ProgramFolder::ensure(settings, dataDir, exeDir, &error))
        dialogs.error(error);

    AppState state(settings, dialogs);
    QtShell shell;
    NativeMachineRegistry registry;

    TSplashForm SplashForm;
    SplashForm.show();
    SplashForm.repaint();
    QApplication::processEvents();
    state.messageSource = [&SplashForm](const QString& key) { return SplashForm.message(key); };

    TMainForm MainForm(state, shell, registry);
    dialogs.parent = &MainForm;
    MainForm.setSplash(&SplashForm);
    MainForm.FormTranslator1->TranslateForm(&SplashForm);

    Twizard wizard(&MainForm);
    TUpdateForm UpdateForm(&MainForm);
    TInformationForm InformationForm(&MainForm);
    MainForm.setWizard(&wizard);
    MainForm.setUpdateForm(&UpdateForm);
    // Translated at start-up too, so that a restart keeps the update window in the chosen language.
    MainForm.FormTranslator1->TranslateForm(&UpdateForm);
    dialogs.informationWindow = [&InformationForm](const QString& title, const QString& text) {
        InformationForm.ShowInformation(title, text);
    };

    QApplication::processEvents();
    SplashForm.hide();

    MainForm.show();
    return app.exec();
}
