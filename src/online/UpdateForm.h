#pragma once

#include "config/MessageKeys.h"
#include "online/UpdateClient.h"
#include "online/UpdateRun.h"

#include <QDialog>
#include <QUrl>

class AppState;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class Shell;
class UpdateTray;

// The update window: probes the program's site, downloads the patch into the program folder
// with its progress, and starts it. It can wait in the system tray while the download runs.
class TUpdateForm final : public QDialog {
    Q_OBJECT
public:
    TUpdateForm(AppState& state, Shell& shell, QWidget* parent = nullptr);
    ~TUpdateForm() override;

    // Shown over the hidden main window; the rest of the program waits until it closes.
    void showModal();
    // The button's caption and picture follow the run again after a change of language.
    void refreshTexts();

    // Probes the site, then fetches the patch (or only asks about it); nothing while a run is on.
    void startUpdate();
    // Brings the window back from the tray, as it was before it was minimized.
    void openFromTray();

    // Where the patch is saved: the program folder's Patch.exe.
    QString patchPath() const;
    UpdateRun::State runState() const { return m_run.state(); }

    // Whether this system runs the patch, a Windows program (by default only Windows does).
    // Elsewhere it is not downloaded: the window only says whether there is a new version, and
    // where to get it.
    void setRunsPatch(bool runs) { m_runsPatch = runs; }
    // Whether the desktop has a tray to wait in (without one, minimizing is plain).
    void setTrayAvailable(bool available) { m_trayAvailable = available; }

Q_SIGNALS:
    // The patch runs: the program is to end at once, without its closing steps.
    void patchStarted();
    // The main window, hidden while this one is up, is wanted back.
    void mainWindowWanted();

public Q_SLOTS:
    void done(int result) override;

protected:
    void changeEvent(QEvent* event) override;

private:
    void startOrAbort();
    void abortUpdate();
    void abortFromTray();
    void addLine(MessageKey key);
    void setBusy(bool busy);
    void failed(const QString& text);
    // What went wrong, in the user's words, for an ending that is no success.
    QString failureText(const UpdateClient::Ending& ending) const;
    void probed(const UpdateClient::Ending& ending);
    void progressed(qint64 received, qint64 total);
    void downloadEnded(const UpdateClient::Ending& ending);
    void patchSaved();
    void showNewVersion();
    void showSize();
    void placeControls();

    AppState& m_state;
    Shell& m_shell;
    UpdateRun m_run;
    QUrl m_root;
    bool m_runsPatch;
    bool m_trayAvailable;
    qint64 m_sizeTotal = -1; // the size the size line shows, -1 for none

    QPlainTextEdit* m_status = nullptr;
    QLabel* m_sizeCaption = nullptr;
    QLabel* m_size = nullptr;
    QLabel* m_receivedCaption = nullptr;
    QLabel* m_received = nullptr;
    QPushButton* m_button = nullptr;
    QPushButton* m_idleLook = nullptr;
    QPushButton* m_busyLook = nullptr;
    QProgressBar* m_progress = nullptr;
    QLabel* m_newVersionLink = nullptr;
    // Texts no control shows as they are, kept where a language file reaches them.
    QLabel* m_title = nullptr;
    QLabel* m_bytes = nullptr;
    QLabel* m_newVersion = nullptr;
    UpdateClient* m_client = nullptr;
    UpdateTray* m_tray = nullptr;
};
