#pragma once

#include <QIcon>
#include <QList>
#include <QObject>
#include <QTimer>

class QAction;
class QMenu;
class QSystemTrayIcon;
class QWidget;

// Where the update window waits while it is minimized: an icon in the system tray (hidden until
// then) whose menu opens the window again or aborts the download. Once a download moves, the
// icon animates for the rest of the run and its tool tip follows the percentage.
class UpdateTray final : public QObject {
    Q_OBJECT
public:
    // The icon and its menu are children of `window`, where the language files name them.
    explicit UpdateTray(QWidget* window);

    void show();
    void hide();
    // The tool tip until a download moves.
    void setReadyTip(const QString& tip);
    // A download moved: the icon animates, the menu offers the abort, and the tool tip is `tip`.
    void showDownloading(const QString& tip);

Q_SIGNALS:
    void openRequested();
    void abortRequested();

private:
    QMenu* m_menu;
    QAction* m_open;
    QAction* m_abort;
    QList<QIcon> m_frames;
    QSystemTrayIcon* m_icon;
    QTimer m_animation;
    int m_frame = 0;
};
