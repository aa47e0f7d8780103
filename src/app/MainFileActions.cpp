// The Main page's actions on the selected configuration file: open, back up, restore, delete.
// A backup is kept as a named version in the history and as the one backup file in the program
// folder; Restore offers both and the other versions.
#include "app/MainForm.h"

#include "app/RestoreChooser.h"
#include "app/RestoreSources.h"
#include "config/AppState.h"
#include "history/History.h"
#include "platform/Dialogs.h"
#include "platform/FileError.h"
#include "platform/Shell.h"
#include "platform/WriteCheck.h"
#include "review/VersionText.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>

#include <algorithm>

void TMainForm::editSelectedConfig()
{
    if (!selectedEntry())
        return;
    const QString path = QDir::fromNativeSeparators(m_state.working.path());
    m_shell.open(path, [this, path] {
        m_state.dialogs.error(m_state.message(Msg::NoEditor).arg(QDir::toNativeSeparators(path)));
    });
}

void TMainForm::backupSelectedConfig()
{
    if (!selectedEntry())
        return;
    // Named by its time unless the user names it; Cancel makes no backup at all.
    const QString now = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    QString name = now;
    if (!m_state.dialogs.inputText(m_state.working.file(), m_state.message(Msg::BackupName), name))
        return;
    if (name.trimmed().isEmpty())
        name = now;
    QString error;
    const QString path = QDir::fromNativeSeparators(m_state.working.path());
    // The backup is a version of the file in the history, and the one backup file beside the
    // program that every earlier version of the program wrote and restores from.
    if (History::in(m_state.ProgramDir).keepBackup(path, name, &error) &&
        m_shell.CopyFileToFolder(path, m_state.ProgramDir, &error)) {
        m_state.dialogs.info(m_state.working.file() + QLatin1Char(' ') + m_state.message(Msg::BackedUp) +
                             QLatin1Char('\n') +
                             QDir::toNativeSeparators(m_state.ProgramDir + QLatin1Char('/') + m_state.working.file()));
    } else {
        m_state.dialogs.error(m_state.message(Msg::BackupFailed) + QLatin1Char('\n') + error);
    }
}

namespace {

QString label(const AppState& state, const RestoreSource& source)
{
    switch (source.kind) {
    case RestoreSource::Kind::BackupFile:
        return state.message(Msg::RestoreBackupFile).arg(VersionText::time(source.time));
    case RestoreSource::Kind::Backup:
        return state.message(Msg::RestoreNamedBackup).arg(source.name, VersionText::time(source.time));
    case RestoreSource::Kind::Version:
        break;
    }
    return state.message(Msg::RestoreVersion)
        .arg(VersionText::time(source.time), VersionText::action(state, source.name));
}

// Puts `after` into the working file `target` once the review allows it: its bytes now kept as a
// version first, the write whole or not at all. False when the review cancelled it or an error
// was shown; true also when the file holds those bytes already and nothing was written.
bool writeRestored(AppState& state, const QString& target, const QByteArray& after)
{
    QFile file(target);
    const QByteArray before = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    file.close();
    if (!state.reviewWrites({PendingWrite{target, before, after}}))
        return false;
    if (before == after && QFileInfo::exists(target))
        return true; // the file holds those bytes: nothing to write
    // Refused before anything is kept: a version of a file that cannot be written is no use.
    QString error = WriteCheck::refusal(target, state.texts());
    if (!error.isEmpty() ||
        !state.working.writeFile(target, after, QStringLiteral("Restore CFG"), &error, state.texts())) {
        state.dialogs.error(error);
        return false;
    }
    return true;
}

} // namespace

void TMainForm::restoreSelectedConfig()
{
    if (!selectedEntry())
        return;
    const QString backup = m_state.ProgramDir + QLatin1Char('/') + m_state.working.file();
    const QString target = QDir::fromNativeSeparators(m_state.working.path());
    const History history = History::in(m_state.ProgramDir);
    const QList<RestoreSource> sources = RestoreSources::list(backup, history, target);
    if (sources.isEmpty()) {
        // A language file cannot keep the blank that ends this text (its reader trims texts).
        QString text = m_state.message(Msg::RestoreFailed);
        if (!text.isEmpty() && !text.back().isSpace())
            text += QLatin1Char(' ');
        m_state.dialogs.error(text + m_state.working.file() + QLatin1Char('?'));
        return;
    }
    QStringList labels;
    for (const RestoreSource& source : sources)
        labels << label(m_state, source);
    auto* chooser =
        new RestoreChooser(m_state.working.file(), m_state.message(Msg::RestoreChoose).arg(m_state.working.file()),
                           labels, m_state.message(Msg::RestoreButton), this);
    connect(chooser, &RestoreChooser::chosen, this, [this, sources, backup, target, history](int row) {
        QString error;
        const std::optional<QByteArray> bytes = RestoreSources::bytes(sources.at(row), backup, history, target, &error);
        if (!bytes) {
            m_state.dialogs.error(error);
            return;
        }
        if (!writeRestored(m_state, target, *bytes))
            return;
        m_state.dialogs.info(m_state.working.file() + QLatin1Char(' ') + m_state.message(Msg::Restored) +
                             QLatin1Char('\n') + m_state.working.path());
        // The working file was replaced: the pages show what it holds now, so that Apply never
        // writes the values of the file as it was before.
        readOptionPages();
    });
    chooser->open();
}

void TMainForm::deleteSelectedConfig()
{
    if (!selectedEntry())
        return;
    const QString path = QDir::fromNativeSeparators(m_state.working.path());
    // No is the default: Return pressed by habit must not delete a file for good.
    if (!m_state.dialogs.question(m_state.message(Msg::DeleteConfigQuestion).arg(QDir::toNativeSeparators(path)),
                                  Dialogs::Default::No))
        return;
    const int row = m_configList->currentRow();
    QFile file(path);
    if (!file.remove()) {
        m_state.dialogs.error(FileError::text(m_state.texts(), "cannotdelete", path, file.errorString()));
        return;
    }
    scanConfigList();
    // The entry that took the deleted one's place is the working file now, for every page: the
    // options show its values, so that Apply never writes the deleted file's values into it.
    // Without any file left the pages stay disabled and nothing is read.
    if (m_configList->count() == 0)
        return;
    useConfigEntry(m_configList->item(std::min(row, m_configList->count() - 1))->text());
}
