#pragma once

#include "online/UpdateClient.h"
#include "online/UpdateRun.h"

#include <QDialog>
#include <QIcon>
#include <QList>
#include <QTimer>
#include <QUrl>

#include <functional>

class AppState;
class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSystemTrayIcon;
class Shell;

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

    // Handlers and operations, named as the program's documentation names them.
    void StartUpdate();
    void UpdateButtonClick();
    void OpenUpdatewindow1Click();
    void Abortupdating1Click();

    // Where the patch is saved: the program folder's Patch.exe.
    QString patchPath() const;
    UpdateRun::State runState() const { return m_run.state(); }

    // Ends the program once the patch has started; tests replace it.
    std::function<void()> quitProgram;
    // Brings the main window back; tests replace it.
    std::function<void()> showMainWindow;
    // Whether this system runs the patch, a Windows program. Elsewhere it is not downloaded: the
    // window only says whether there is a new version, and where to get it.
    bool runsPatch;
    // Whether the desktop has a tray to wait in (without one, minimizing is plain).
    bool trayAvailable;

    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* size = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* RecievedSize = nullptr;
    QPlainTextEdit* Status = nullptr;
    QProgressBar* Progress = nullptr;
    QLabel* NewVersionLink = nullptr;
    QPushButton* UpdateButton = nullptr;
    QPushButton* ub1 = nullptr;
    QPushButton* ub2 = nullptr;
    UpdateClient* HTTP = nullptr;
    QSystemTrayIcon* Tray = nullptr;
    QList<QIcon> ImageList1;
    QMenu* PopupMenu1 = nullptr;
    QAction* OpenUpdatewindow1 = nullptr;
    QAction* Abortupdating1 = nullptr;

public Q_SLOTS:
    void done(int result) override;

protected:
    void changeEvent(QEvent* event) override;

private:
    QString message(const QString& key) const;
    void addLine(const QString& key);
    void setBusy(bool busy);
    void abortUpdate();
    void failed(const QString& text);
    void probed(bool reached);
    void progressed(qint64 received, qint64 total);
    void downloadEnded(UpdateClient::Outcome outcome, const QString& detail);
    void patchSaved();
    void showNewVersion();
    void showSize();
    void placeControls();

    AppState& m_state;
    Shell& m_shell;
    UpdateRun m_run;
    QUrl m_root;
    QTimer m_animation;
    int m_frame = 0;
    qint64 m_sizeTotal = -1; // the size the size line shows, -1 for none
    QLabel* m_title = nullptr;
    QLabel* m_bytes = nullptr;
    QLabel* m_newVersion = nullptr;
};
