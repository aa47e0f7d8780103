#include "review/ReviewWindow.h"

#include "config/AppState.h"
#include "config/Settings.h"
#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"
#include "review/DiffView.h"

#include <QCheckBox>
#include <QDir>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

ReviewWindow::ReviewWindow(AppState& state, const QList<PendingWrite>& writes, QWidget* parent)
    : QDialog(parent)
    , m_state(state)
{
    setObjectName(QStringLiteral("ReviewForm"));
    setWindowTitle(state.message(Msg::ReviewTitle));
    resize(760, 480);

    auto* intro = new QLabel(state.message(Msg::ReviewIntro), this);
    intro->setObjectName(QStringLiteral("Intro"));
    intro->setWordWrap(true);
    auto* diff = new DiffView(state.message(Msg::NoLineEnd), this);
    diff->setObjectName(QStringLiteral("Diff"));
    for (const PendingWrite& w : writes) {
        diff->addHeader(QDir::toNativeSeparators(w.path));
        diff->addDiff(w.before, w.after, state.message(Msg::HistorySame));
    }
    diff->moveCursor(QTextCursor::Start);

    m_dontAsk = new QCheckBox(state.message(Msg::ReviewDontAsk), this);
    m_dontAsk->setObjectName(QStringLiteral("DontAsk"));
    auto* writeButton = new QPushButton(state.message(Msg::ReviewWrite), this);
    writeButton->setObjectName(QStringLiteral("Write"));
    writeButton->setDefault(true);
    auto* cancelButton = new QPushButton(state.message(Msg::ReviewCancel), this);
    cancelButton->setObjectName(QStringLiteral("Cancel"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_dontAsk);
    buttons->addStretch(1);
    buttons->addWidget(writeButton);
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(diff, 1);
    layout->addLayout(buttons);

    connect(writeButton, &QPushButton::clicked, this, &ReviewWindow::write);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void ReviewWindow::write()
{
    QString error;
    if (m_dontAsk->isChecked() && !m_state.settings.write(Setting::SkipReview, true, &error))
        m_state.dialogs.error(error); // the writes still go ahead: the user asked for them
    accept();
}

bool ReviewWindow::ask(AppState& state, const QList<PendingWrite>& writes, QWidget* parent)
{
    if (state.settings.read(Setting::SkipReview))
        return true;
    QPointer<ReviewWindow> window = new ReviewWindow(state, writes, parent);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    connect(window, &QDialog::finished, &loop, &QEventLoop::quit);
    window->open();
    loop.exec();
    const bool accepted = window && window->result() == QDialog::Accepted;
    delete window;
    return accepted;
}
