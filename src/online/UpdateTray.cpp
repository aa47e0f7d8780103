#include "online/UpdateTray.h"

#include "online/UpdateArtwork.h"

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QSystemTrayIcon>

UpdateTray::UpdateTray(QWidget* window)
    : QObject(window)
    , m_menu(new QMenu(window))
    , m_open(m_menu->addAction(QStringLiteral("&Open Update window")))
    , m_abort(m_menu->addAction(QStringLiteral("Abort updating")))
    , m_frames(UpdateArtwork::trayFrames())
    , m_icon(new QSystemTrayIcon(m_frames.first(), window))
{
    m_menu->setObjectName(QStringLiteral("PopupMenu1"));
    m_open->setObjectName(QStringLiteral("OpenUpdatewindow1"));
    m_menu->setDefaultAction(m_open);
    m_abort->setObjectName(QStringLiteral("Abortupdating1"));
    m_abort->setVisible(false);

    m_icon->setObjectName(QStringLiteral("Tray"));
    m_icon->setContextMenu(m_menu);
    m_animation.setInterval(300);
    connect(&m_animation, &QTimer::timeout, this, [this] {
        m_frame = (m_frame + 1) % int(m_frames.size());
        m_icon->setIcon(m_frames[m_frame]);
    });

    connect(m_open, &QAction::triggered, this, &UpdateTray::openRequested);
    connect(m_abort, &QAction::triggered, this, &UpdateTray::abortRequested);
    connect(m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger)
            m_menu->popup(QCursor::pos());
        else if (reason == QSystemTrayIcon::DoubleClick)
            Q_EMIT openRequested();
    });
}

void UpdateTray::show()
{
    m_icon->show();
}

void UpdateTray::hide()
{
    m_icon->hide();
}

void UpdateTray::setReadyTip(const QString& tip)
{
    if (!m_animation.isActive())
        m_icon->setToolTip(tip);
}

void UpdateTray::showDownloading(const QString& tip)
{
    if (!m_animation.isActive())
        m_animation.start();
    m_abort->setVisible(true);
    m_icon->setToolTip(tip);
}
