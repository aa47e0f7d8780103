// The Main page's actions on the selected configuration file: open, back up, restore, delete.
#include "app/MainForm.h"

#include "config/AppState.h"
#include "platform/Dialogs.h"
#include "platform/FileError.h"
#include "platform/Shell.h"

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
    QString error;
    if (m_shell.CopyFileToFolder(QDir::fromNativeSeparators(m_state.working.path()), m_state.ProgramDir, &error)) {
        m_state.dialogs.info(m_state.working.file() + QLatin1Char(' ') + m_state.message(Msg::BackedUp) +
                             QLatin1Char('\n') +
                             QDir::toNativeSeparators(m_state.ProgramDir + QLatin1Char('/') + m_state.working.file()));
    } else {
        m_state.dialogs.error(m_state.message(Msg::BackupFailed) + QLatin1Char('\n') + error);
    }
}

void TMainForm::restoreSelectedConfig()
{
    if (!selectedEntry())
        return;
    const QString backup = m_state.ProgramDir + QLatin1Char('/') + m_state.working.file();
    if (!QFileInfo(backup).isFile()) {
        // A language file cannot keep the blank that ends this text (its reader trims texts).
        QString text = m_state.message(Msg::RestoreFailed);
        if (!text.isEmpty() && !text.back().isSpace())
            text += QLatin1Char(' ');
        m_state.dialogs.error(text + m_state.working.file() + QLatin1Char('?'));
        return;
    }
    QString error;
    const QString target = m_state.working.path();
    if (!m_state.working.keepVersion(target, QStringLiteral("Restore CFG"), &error) ||
        !m_shell.CopyFileToFolder(backup, QDir::fromNativeSeparators(m_state.working.folder()), &error)) {
        m_state.dialogs.error(error);
        return;
    }
    m_state.working.wroteFile(target);
    m_state.dialogs.info(m_state.working.file() + QLatin1Char(' ') + m_state.message(Msg::Restored) +
                         QLatin1Char('\n') + m_state.working.path());
    // The working file was replaced: the pages show what it holds now, so that Apply never writes
    // the values of the file as it was before.
    readOptionPages();
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
