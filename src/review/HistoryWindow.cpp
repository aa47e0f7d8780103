#include "review/HistoryWindow.h"

#include "config/AppState.h"
#include "history/History.h"
#include "platform/Dialogs.h"
#include "review/DiffView.h"
#include "review/VersionText.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString versionText(AppState& state, const HistoryVersion& v)
{
    return QStringLiteral("%1   %2").arg(VersionText::time(v.time), VersionText::action(state, v.action));
}

} // namespace

HistoryWindow::HistoryWindow(AppState& state, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_state(state)
{
    setObjectName(QStringLiteral("HistoryForm"));
    resize(860, 520);

    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("Note"));
    m_note->setWordWrap(true);
    m_versions = new QListWidget(this);
    m_versions->setObjectName(QStringLiteral("Versions"));
    m_versions->setMaximumWidth(280);
    auto* compareLabel = new QLabel(state.message(Msg::HistoryCompareWith), this);
    compareLabel->setObjectName(QStringLiteral("CompareLabel"));
    m_compareWith = new QComboBox(this);
    m_compareWith->setObjectName(QStringLiteral("CompareWith"));
    m_diff = new DiffView(state.message(Msg::NoLineEnd), this);
    m_diff->setObjectName(QStringLiteral("Diff"));
    m_restoreButton = new QPushButton(state.message(Msg::HistoryRestore), this);
    m_restoreButton->setObjectName(QStringLiteral("RestoreVersion"));
    auto* closeButton = new QPushButton(state.message(Msg::HistoryClose), this);
    closeButton->setObjectName(QStringLiteral("Close"));

    auto* compareRow = new QHBoxLayout;
    compareRow->addWidget(compareLabel);
    compareRow->addWidget(m_compareWith, 1);
    auto* right = new QVBoxLayout;
    right->addLayout(compareRow);
    right->addWidget(m_diff, 1);
    auto* middle = new QHBoxLayout;
    middle->addWidget(m_versions);
    middle->addLayout(right, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_restoreButton);
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_note);
    layout->addLayout(middle, 1);
    layout->addLayout(buttons);

    connect(m_versions, &QListWidget::currentRowChanged, this, &HistoryWindow::showDiff);
    connect(m_compareWith, &QComboBox::currentIndexChanged, this, &HistoryWindow::showDiff);
    connect(m_restoreButton, &QPushButton::clicked, this, &HistoryWindow::restoreSelected);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(&state.working, &WorkingConfig::fileWritten, this, [this](const QString& path) {
        if (path == m_state.working.path())
            refresh();
    });
    connect(&state.working, &WorkingConfig::changedOutside, this, &HistoryWindow::refresh);
    connect(&state.working, &WorkingConfig::workingFileChanged, this, &HistoryWindow::refresh);
    refresh();
}

void HistoryWindow::refresh()
{
    const QString path = m_state.working.path();
    const QString file = QFileInfo(path).fileName();
    setWindowTitle(m_state.message(Msg::HistoryTitle).arg(file));
    const History* history = m_state.working.history();
    const QList<HistoryVersion> versions = history ? history->versions(path) : QList<HistoryVersion>();

    const int row = m_versions->currentRow();
    const int compare = m_compareWith->currentIndex();
    const QSignalBlocker listQuiet(m_versions);
    const QSignalBlocker boxQuiet(m_compareWith);
    m_versions->clear();
    m_compareWith->clear();
    m_compareWith->addItem(m_state.message(Msg::HistoryCurrentFile));
    for (const HistoryVersion& v : versions) {
        m_versions->addItem(versionText(m_state, v));
        m_versions->item(m_versions->count() - 1)->setData(Qt::UserRole, VersionText::time(v.time));
        m_compareWith->addItem(versionText(m_state, v));
    }
    const bool any = !versions.isEmpty();
    m_note->setText(any ? QDir::toNativeSeparators(path) : m_state.message(Msg::HistoryEmpty).arg(file));
    m_versions->setCurrentRow(any ? qBound(0, row, int(versions.size()) - 1) : -1);
    m_compareWith->setCurrentIndex(compare > 0 && compare <= versions.size() ? compare : 0);
    m_compareWith->setEnabled(any);
    m_restoreButton->setEnabled(any);
    showDiff();
}

QByteArray HistoryWindow::currentBytes() const
{
    QFile file(m_state.working.path());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray HistoryWindow::versionBytes(int n) const
{
    const History* history = m_state.working.history();
    return history ? history->bytes(m_state.working.path(), n).value_or(QByteArray()) : QByteArray();
}

void HistoryWindow::showDiff()
{
    m_diff->clear();
    const int selected = m_versions->currentRow() + 1;
    if (selected < 1)
        return;
    const int compare = m_compareWith->currentIndex();
    const QByteArray to = compare > 0 ? versionBytes(compare) : currentBytes();
    m_diff->addHeader(
        QStringLiteral("%1 \u2192 %2").arg(m_versions->currentItem()->text(), m_compareWith->currentText()));
    m_diff->addDiff(versionBytes(selected), to, m_state.message(Msg::HistorySame));
    m_diff->moveCursor(QTextCursor::Start);
}

void HistoryWindow::restoreSelected()
{
    const int n = m_versions->currentRow() + 1;
    if (n < 1)
        return;
    const QString when = m_versions->currentItem()->data(Qt::UserRole).toString();
    const QString path = m_state.working.path();
    const PendingWrite write{path, currentBytes(), versionBytes(n)};
    if (!write.changes()) {
        m_note->setText(m_state.message(Msg::HistorySame));
        return;
    }
    if (!m_state.reviewWrites({write}))
        return;
    QString error;
    if (!m_state.working.restoreVersion(n, &error)) {
        m_state.dialogs.error(error);
        refresh();
        return;
    }
    refresh();
    m_note->setText(m_state.message(Msg::HistoryRestored).arg(QFileInfo(path).fileName(), when));
    Q_EMIT restored();
}
