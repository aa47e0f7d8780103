// Where the game's configuration folder is: remembered, found from the machine's install entries
// or Steam's libraries, or chosen by the user.
#include "app/MainForm.h"
#include "config/Settings.h"

#include "app/CfgFolder.h"
#include "config/AppState.h"
#include "platform/Dialogs.h"
#include "platform/MachineRegistry.h"
#include "platform/SettingsStore.h"
#include "platform/SteamLibraries.h"

#include <QDir>
#include <QFileInfo>

void TMainForm::locateGameFolder()
{
    SettingsStore& settings = m_state.settings;
    const QString remembered = settings.read(Setting::GameFolder);
    if (!remembered.isEmpty() && remembered != QLatin1String("default")) {
        m_state.working.setFolder(remembered);
        m_state.working.setWorkingFile(settings.read(Setting::WorkingFile));
        return;
    }
    const QString uninstall = m_registry.readString(MachineRegistry::Root::LocalMachine, CfgFolder::uninstallKey(),
                                                    CfgFolder::uninstallValue());
    QString found = uninstall.isEmpty() ? QString() : CfgFolder::folderFromUninstallString(uninstall);
    if (found.isEmpty()) // Steam installs write no uninstall entry
        found =
            QDir::toNativeSeparators(SteamLibraries::findCstrike(SteamLibraries::steamRoots(m_registry, m_steamHome)));
    if (found.isEmpty()) {
        askGameFolder();
        return;
    }
    writeSetting(Setting::GameFolder, found);
    m_state.working.setFolder(settings.read(Setting::GameFolder));
    m_state.working.setWorkingFile(settings.read(Setting::WorkingFile));
}

QString TMainForm::chooseConfigCfg()
{
    // Start where the game's files are, when the program knows the folder already.
    QString start = QDir::fromNativeSeparators(m_state.working.folder());
    if (start.isEmpty() || !QFileInfo(start).isDir()) {
#ifdef Q_OS_WIN
        start = QStringLiteral("c:/Half-Life/cstrike");
#else
        start = m_steamHome;
#endif
    }
    const QString title = QStringLiteral("Please choose the %1 file")
                              .arg(QDir::toNativeSeparators(QStringLiteral("Half-Life/cstrike/config.cfg")));
    return m_state.dialogs.openFile(title, QStringLiteral("config.cfg (config.cfg)"), QDir::toNativeSeparators(start));
}

void TMainForm::useChosenConfig(const QString& chosenPath)
{
    const QString folder = QDir::toNativeSeparators(QFileInfo(chosenPath).absolutePath());
    writeSetting(Setting::GameFolder, folder);
    m_state.working.setFolder(CfgFolder::withTrailingSeparator(folder));
    writeSetting(Setting::WorkingFile, QStringLiteral("config.cfg"));
    m_state.working.setWorkingFile(QStringLiteral("config.cfg"));
}

void TMainForm::askGameFolder()
{
    const QString chosen = chooseConfigCfg();
    if (chosen.isEmpty()) {
        // Without a game folder there is nothing to edit. Cancel is the user's answer, so the
        // program ends at once, remembering nothing, and the next start asks again.
        m_abandoned = true;
        Q_EMIT quitRequested();
        return;
    }
    useChosenConfig(chosen);
    m_state.LoadCfg();
    scanConfigList();
    openWizard();
}
