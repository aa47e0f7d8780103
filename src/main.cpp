#include "app/Artwork.h"
#include "app/FormTranslator.h"
#include "app/InformationForm.h"
#include "app/MainForm.h"
#include "app/ProgramFolder.h"
#include "app/SplashForm.h"
#include "app/UpdateForm.h"
#include "app/WizardForm.h"
#include "config/AppState.h"
#include "platform/MachineRegistry.h"
#include "platform/QtDialogs.h"
#include "platform/QtSettingsStore.h"
#include "platform/QtShell.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>

namespace {

void nameApplication()
{
    // No display name: on Linux Qt would append it to every window title, and the main window's
    // title already holds the name. Message boxes fall back to the application name.
    QCoreApplication::setApplicationName(QStringLiteral("Quarvel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QVL_VERSION));
}

QStringList rawArguments(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

} // namespace

int main(int argc, char** argv)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Quarvel, the Counter-Strike 1.6 configuration utility"));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption settingsOption(
        QStringLiteral("settings"), QStringLiteral("Keep the program's settings in FILE."), QStringLiteral("FILE"));
    const QCommandLineOption demoOption(QStringLiteral("demo"),
                                        QStringLiteral("Start on a sample game folder in a demo workspace."));
    const QCommandLineOption demoResetOption(QStringLiteral("demo-reset"),
                                             QStringLiteral("Start the demo workspace afresh (implies --demo)."));
    parser.addOptions({settingsOption, demoOption, demoResetOption});
    parser.addPositionalArgument(QStringLiteral("DIR"), QStringLiteral("The demo workspace (with --demo)."),
                                 QStringLiteral("[DIR]"));

    // Help and version need no display: they are answered before the window system is opened,
    // which would abort where there is none. Without them, process() below reports bad options.
    parser.parse(rawArguments(argc, argv));
    const bool helpAsked = parser.isSet(helpOption) || parser.isSet(QStringLiteral("help-all"));
    if (helpAsked || parser.isSet(versionOption)) {
        QCoreApplication app(argc, argv);
        nameApplication();
        if (!helpAsked)
            parser.showVersion();
        parser.showHelp(0);
    }

    QApplication app(argc, argv);
    nameApplication();
    QApplication::setWindowIcon(Artwork::windowIcon());
    // Lets a Wayland desktop match the window to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quarvel.Quarvel"));
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
        if (dataDir.isEmpty())
            error = ProgramFolder::missingDataError(exeDir);
        else
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
    shell.setTexts([&state](const QString& key) { return state.message(key); });
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

    Twizard wizard(state, MainForm);
    TUpdateForm UpdateForm(state, shell, &MainForm);
    TInformationForm InformationForm(&MainForm);
    MainForm.setWizard(&wizard);
    MainForm.setUpdateForm(&UpdateForm);
    // Translated at start-up too, so that a restart keeps the update window in the chosen language.
    MainForm.FormTranslator1->TranslateForm(&UpdateForm);
    UpdateForm.refreshTexts();
    wizard.translate(*MainForm.FormTranslator1);
    dialogs.informationWindow = [&InformationForm](const QString& title, const QString& text) {
        InformationForm.ShowInformation(title, text);
    };

    QApplication::processEvents();
    SplashForm.hide();

    MainForm.show();
    // QVL_STARTUP_PROBE (used by bench/startup): once the main window has shown and painted, print
    // "shown" and quit, so that the start-up can be timed.
    if (qEnvironmentVariableIsSet("QVL_STARTUP_PROBE")) {
        QTimer::singleShot(0, &MainForm, [&MainForm] {
            MainForm.repaint();
            std::puts("shown");
            std::fflush(stdout);
            QCoreApplication::quit();
        });
    }
    return app.exec();
}
