#include "app/MainHistoryControls.h"

#include "config/AppState.h"
#include "config/Settings.h"
#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"
#include "review/HistoryWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QMenu>
#include <QPushButton>
#include <QStyle>

MainHistoryControls::MainHistoryControls(AppState& state, QWidget* box, QMenu* listMenu, QWidget* window)
    : QObject(window)
    , m_state(state)
    , m_window(window)
{
    m_button = new QPushButton(box);
    m_button->setObjectName(QStringLiteral("HistoryButton"));
    m_button->setIcon(box->style()->standardIcon(QStyle::SP_FileDialogContentsView));
    m_button->setToolTip(QStringLiteral("History of the config: earlier versions, their changes, restore"));
    m_button->setFixedSize(30, 28);

    m_action = listMenu->addAction(QStringLiteral("History..."));
    m_action->setObjectName(QStringLiteral("History1"));

    m_switch = new QCheckBox(QStringLiteral("Review before writing"), box);
    m_switch->setObjectName(QStringLiteral("ReviewSwitch"));
    m_switch->setChecked(!state.settings.read(Setting::SkipReview));

    m_switch->installEventFilter(this);

    connect(m_button, &QPushButton::clicked, this, &MainHistoryControls::openHistory);
    connect(m_action, &QAction::triggered, this, &MainHistoryControls::openHistory);
    connect(m_switch, &QCheckBox::toggled, this, [this](bool review) {
        QString error;
        if (!m_state.settings.write(Setting::SkipReview, !review, &error))
            m_state.dialogs.error(error);
    });
}

bool MainHistoryControls::eventFilter(QObject* watched, QEvent* event)
{
    // The review window's "Don't ask again" may have changed the setting since it was last shown.
    if (watched == m_switch && event->type() == QEvent::Show) {
        const QSignalBlocker quiet(m_switch);
        m_switch->setChecked(!m_state.settings.read(Setting::SkipReview));
    }
    return QObject::eventFilter(watched, event);
}

void MainHistoryControls::setEnabled(bool enabled)
{
    m_button->setEnabled(enabled);
    m_action->setEnabled(enabled);
}

void MainHistoryControls::openHistory()
{
    if (!m_history) {
        m_history = new HistoryWindow(m_state, m_window);
        m_history->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_history, &HistoryWindow::restored, this, &MainHistoryControls::restored);
    }
    m_history->refresh();
    m_history->show();
    m_history->raise();
    m_history->activateWindow();
}
