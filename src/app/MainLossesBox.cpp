#include "app/MainLossesBox.h"

#include "app/ProgramFolder.h"
#include "config/AppState.h"
#include "platform/Dialogs.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

MessageKey reasonKey(ConfigLosses::Reason reason)
{
    switch (reason) {
    case ConfigLosses::Reason::Alias:
        return Msg::LossAlias;
    case ConfigLosses::Reason::Comment:
        return Msg::LossComment;
    case ConfigLosses::Reason::Exec:
        return Msg::LossExec;
    case ConfigLosses::Reason::NotArchived:
        return Msg::LossNotArchived;
    case ConfigLosses::Reason::UnknownKey:
        break;
    }
    return Msg::LossUnknownKey;
}

} // namespace

MainLossesBox::MainLossesBox(AppState& state, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
{
    setObjectName(QStringLiteral("LossesBox"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("LossesCount"));
    m_count->setWordWrap(true);
    // Two lines of small type: the file group's list gives up the room, and no language needs more.
    QFont small = m_count->font();
    small.setPointSizeF(small.pointSizeF() - 1);
    m_count->setFont(small);
    m_count->setMinimumHeight(2 * QFontMetrics(small).lineSpacing());
    m_showButton = new QPushButton(QStringLiteral("Show lines..."), this);
    m_showButton->setObjectName(QStringLiteral("LossesButton"));
    layout->addWidget(m_count);
    layout->addWidget(m_showButton, 0, Qt::AlignRight);
    hide();

    connect(m_showButton, &QPushButton::clicked, this, &MainLossesBox::showLines);
    // Any write may change them: userconfig.cfg's aliases and settings count too.
    connect(&m_state.working, &WorkingConfig::workingFileChanged, this, &MainLossesBox::refresh);
    connect(&m_state.working, &WorkingConfig::loaded, this, &MainLossesBox::refresh);
    connect(&m_state.working, &WorkingConfig::fileWritten, this, &MainLossesBox::refresh);
}

void MainLossesBox::useArchived(const ArchivedCvars& archived)
{
    m_archived = archived;
    m_archivedTried = true;
    refresh();
}

bool MainLossesBox::isConfigWorking() const
{
    return !m_state.working.folder().isEmpty() &&
           m_state.working.file().compare(QStringLiteral("config.cfg"), Qt::CaseInsensitive) == 0;
}

void MainLossesBox::refresh()
{
    if (!m_archivedTried) {
        m_archivedTried = true;
        ArchivedCvars archived;
        if (ProgramFolder::loadArchivedCvars(QCoreApplication::applicationDirPath(), &archived, nullptr))
            m_archived = archived;
    }
    QString error;
    m_plan = UserconfigMove::Plan();
    if (!m_archived || !isConfigWorking() ||
        !UserconfigMove::plan(m_state.working.folder(), *m_archived, &m_plan, &error))
        m_plan = UserconfigMove::Plan();
    const qsizetype lost = static_cast<qsizetype>(m_plan.lines.size());
    m_count->setText(lost == 1 ? m_state.message(Msg::LossOne) : m_state.message(Msg::LossCount).arg(lost));
    setVisible(lost > 0);
    if (m_window) {
        fillLines();
        if (lost == 0)
            m_window->close();
    }
}

void MainLossesBox::showLines()
{
    if (!m_window) {
        m_window = new QDialog(this);
        m_window->setObjectName(QStringLiteral("LossesWindow"));
        m_window->resize(900, 400);
        auto* layout = new QVBoxLayout(m_window);
        m_intro = new QLabel(m_window);
        m_intro->setObjectName(QStringLiteral("LossesIntro"));
        m_intro->setWordWrap(true);
        m_table = new QTableWidget(0, 4, m_window);
        m_table->setObjectName(QStringLiteral("LossesTable"));
        m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
        m_table->verticalHeader()->hide();
        m_table->setWordWrap(false);
        m_table->horizontalHeader()->setStretchLastSection(false);
        m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
        m_table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, m_window);
        buttons->setObjectName(QStringLiteral("LossesButtons"));
        m_moveButton = buttons->addButton(QString(), QDialogButtonBox::ActionRole);
        m_moveButton->setObjectName(QStringLiteral("LossesMove"));
        layout->addWidget(m_intro);
        layout->addWidget(m_table, 1);
        layout->addWidget(buttons);
        connect(buttons, &QDialogButtonBox::rejected, m_window, &QDialog::reject);
        connect(m_moveButton, &QPushButton::clicked, this, &MainLossesBox::moveLines);
    }
    // In the language chosen now, which may have changed since the window was built.
    m_window->setWindowTitle(m_state.message(Msg::LossTitle));
    m_intro->setText(m_state.message(Msg::LossIntro));
    m_moveButton->setText(m_state.message(Msg::LossMove));
    fillLines();
    m_window->open();
}

void MainLossesBox::fillLines()
{
    m_table->setHorizontalHeaderLabels({m_state.message(Msg::LossColumnLine), m_state.message(Msg::LossColumnText),
                                        m_state.message(Msg::LossColumnReason), m_state.message(Msg::LossColumnMove)});
    m_table->setRowCount(static_cast<int>(m_plan.lines.size()));
    int row = 0;
    for (const UserconfigMove::LostLine& l : m_plan.lines) {
        QStringList reasons;
        for (const ConfigLosses::Reason r : l.reasons)
            reasons << m_state.message(reasonKey(r));
        const QString cells[] = {QString::number(l.line), QString::fromLocal8Bit(l.text),
                                 reasons.join(QStringLiteral(", ")), stayText(l.stay)};
        for (int column = 0; column < 4; ++column)
            m_table->setItem(row, column, new QTableWidgetItem(cells[column]));
        ++row;
    }
    m_moveButton->setEnabled(m_plan.movesAny());
}

QString MainLossesBox::stayText(UserconfigMove::Stay stay) const
{
    switch (stay) {
    case UserconfigMove::Stay::Moves:
        return m_state.message(Msg::LossMoves);
    case UserconfigMove::Stay::KeptInPart:
        return m_state.message(Msg::LossStayKept);
    case UserconfigMove::Stay::UnknownKey:
        return m_state.message(Msg::LossStayUnknownKey);
    case UserconfigMove::Stay::RunsUserconfig:
        return m_state.message(Msg::LossStayUserconfig);
    case UserconfigMove::Stay::SetAgainLater:
        break;
    }
    return m_state.message(Msg::LossStayAgain);
}

void MainLossesBox::moveLines()
{
    // The files as they are now, not as they were when the list was shown.
    UserconfigMove::Plan plan;
    QString error;
    if (!m_archived || !UserconfigMove::plan(m_state.working.folder(), *m_archived, &plan, &error)) {
        m_state.dialogs.error(error);
        return;
    }
    switch (UserconfigMove::write(m_state, plan, &error)) {
    case UserconfigMove::Outcome::Failed:
        m_state.dialogs.error(error);
        return;
    case UserconfigMove::Outcome::Cancelled:
        return;
    case UserconfigMove::Outcome::NothingToMove:
        refresh(); // the files changed since the list was shown
        return;
    case UserconfigMove::Outcome::Moved:
        break;
    }
    QString text = m_state.message(Msg::LossMoved).arg(plan.movedLines());
    if (plan.addsExec)
        text += QStringLiteral("\r\n") + m_state.message(Msg::LossExecAdded);
    refresh();
    m_window->close();
    m_state.dialogs.info(text);
}
