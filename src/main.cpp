#include "app/Artwork.h"
#include "app/InformationForm.h"
#include "app/MainForm.h"
#include "app/ProgramFolder.h"
#include "app/SingleInstance.h"
#include "app/SplashForm.h"
#include "chain/WorkingFileChain.h"
#include "config/AppState.h"
#include "language/FormTranslator.h"
#include "platform/MachineRegistry.h"
#include "platform/QtDialogs.h"
#include "platform/QtSettingsStore.h"
#include "platform/QtShell.h"
#include "review/ReviewWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

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

// Qt's own options, which QApplication takes from the command line: accepted here, not listed.
void addQtOptions(QCommandLineParser& parser)
{
    const char* const withValue[] = {"platform",        "platformpluginpath",
                                     "platformtheme",   "plugin",
                                     "qwindowgeometry", "geometry",
                                     "qwindowtitle",    "title",
                                     "qwindowicon",     "icon",
                                     "session",         "name",
                                     "display",         "style",
                                     "stylesheet"};
    const char* const flags[] = {"reverse", "widgetcount", "nograb", "dograb"};
    const auto add = [&parser](const char* name, const QString& valueName) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), valueName);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    };
    for (const char* name : withValue)
        add(name, QStringLiteral("value"));
    for (const char* name : flags)
        add(name, QString());
}

// Fails with the usage on standard error and the exit code 2. Needs no display.
[[noreturn]] void refuse(int argc, char** argv, const QCommandLineParser& parser, const QString& error)
{
    QCoreApplication app(argc, argv);
    nameApplication();
    std::fputs(qPrintable(QStringLiteral("qvl: %1\n\n%2").arg(error, parser.helpText())), stderr);
    std::exit(2);
}

} // namespace

int main(int argc, char** argv)
{
    QCommandLineParser parser;
    // Qt's own options are written with one dash (-platform offscreen, -style fusion).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral("Quarvel, the Counter-Strike 1.6 configuration utility"));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption settingsOption(
        QStringLiteral("settings"), QStringLiteral("Keep the program's settings in FILE."), QStringLiteral("FILE"));
    const QCommandLineOption demoOption(QStringLiteral("demo"),
                                        QStringLiteral("Start on a sample game folder in a demo workspace."));
    const QCommandLineOption demoResetOption(QStringLiteral("demo-reset"),
                                             QStringLiteral("Start the demo workspace afresh (implies --demo)."));
    const QCommandLineOption templateOption(
        QStringLiteral("export-template"),
        QStringLiteral("Write every window's texts and the messages, as designed, into the language file FILE for "
                       "translators, then end."),
        QStringLiteral("FILE"));
    parser.addOptions({settingsOption, demoOption, demoResetOption, templateOption});
    parser.addPositionalArgument(QStringLiteral("DIR"), QStringLiteral("The demo workspace (with --demo)."),
                                 QStringLiteral("[DIR]"));
    addQtOptions(parser);

    // Everything is read before the window system is opened, which would abort where there is
    // no display: help, version and every mistake are answered without one.
    if (!parser.parse(rawArguments(argc, argv)))
        refuse(argc, argv, parser, parser.errorText());
    const bool demo = parser.isSet(demoOption) || parser.isSet(demoResetOption);
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > (demo ? 1 : 0)) {
        refuse(argc, argv, parser,
               demo ? QStringLiteral("only one demo workspace can be named")
                    : QStringLiteral("a folder is only taken with --demo or --demo-reset: %1").arg(positional[0]));
    }
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

    QString settingsPath =
        parser.isSet(settingsOption) ? parser.value(settingsOption) : qEnvironmentVariable("QVL_SETTINGS");
    const QString demoDir = !demo ? QString() : positional.isEmpty() ? ProgramFolder::defaultDemoDir() : positional[0];
    // One program per settings file, the demo's too: a second one brings the first to the front
    // and ends before it changes anything (a demo reset would empty the first one's workspace).
    SingleInstance instance(demo ? ProgramFolder::demoSettingsPath(demoDir) : QtSettingsStore(settingsPath).iniPath());
    switch (instance.claim()) {
    case SingleInstance::Claim::Taken:
        break;
    case SingleInstance::Claim::CameForward:
        return 0;
    case SingleInstance::Claim::AnotherSilent:
        std::fputs(qPrintable(QStringLiteral("qvl: another Quarvel runs on these settings (%1) and does not answer\n")
                                  .arg(QDir::toNativeSeparators(instance.lockPath()))),
                   stderr);
        return 1;
    }

    QtDialogs dialogs;
    const QString exeDir = QApplication::applicationDirPath();
    const QString dataDir = ProgramFolder::findDataDir(exeDir);
    QString error;
    if (demo) {
        if (dataDir.isEmpty())
            error = ProgramFolder::missingDataError(exeDir);
        else
            settingsPath = ProgramFolder::prepareDemo(demoDir, dataDir, parser.isSet(demoResetOption), &error);
        if (settingsPath.isEmpty()) {
            dialogs.error(error);
            return 2;
        }
    }
    QtSettingsStore settings(settingsPath);
    if (!ProgramFolder::ensure(settings, dataDir, exeDir, &error))
        dialogs.error(error);

    AppState state(settings, dialogs);
    state.laterSettings = [](const QString& folder, const QString& file) {
        return WorkingFileChain::laterSettings(folder, file);
    };
    QtShell shell;
    shell.setTexts(state.texts());
    NativeMachineRegistry registry;

    if (parser.isSet(templateOption)) {
        if (TMainForm::exportTemplate(state, shell, registry, parser.value(templateOption), &error))
            return 0;
        std::fputs(qPrintable(QStringLiteral("qvl: %1\n").arg(error)), stderr);
        return 1;
    }

    TSplashForm SplashForm(ProgramFolder::cacheDir(settings));
    SplashForm.show();
    SplashForm.repaint();
    QApplication::processEvents();

    TMainForm MainForm(state, shell, registry);
    dialogs.parent = &MainForm;
    // Every write of a game file is shown first, over the window the user works in.
    state.reviewer = [&state, &MainForm](const QList<PendingWrite>& writes) {
        QWidget* over = QApplication::activeWindow();
        return ReviewWindow::ask(state, writes, over ? over : &MainForm);
    };

    TInformationForm InformationForm(&MainForm);
    QObject::connect(&instance, &SingleInstance::activationRequested, &MainForm, &TMainForm::comeForward);
    QObject::connect(&MainForm, &TMainForm::quitRequested, &app, &QCoreApplication::quit, Qt::QueuedConnection);
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
