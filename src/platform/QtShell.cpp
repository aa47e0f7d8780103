#include "platform/QtShell.h"

#include "platform/FileCopy.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace {

#if !defined(Q_OS_WIN) && !defined(Q_OS_MACOS)
// QDesktopServices only starts xdg-open and reports success even when xdg-open then finds no
// program for the file, so xdg-open is run here and its exit code read. The process runs
// beside the event loop and is deleted once it has ended.
void openWithXdgOpen(const QString& file, const std::function<void()>& failed)
{
    auto* process = new QProcess(QCoreApplication::instance());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::finished, process, [process, failed](int code, QProcess::ExitStatus status) {
        process->deleteLater();
        if ((status != QProcess::NormalExit || code != 0) && failed)
            failed();
    });
    QObject::connect(process, &QProcess::errorOccurred, process, [process, failed](QProcess::ProcessError what) {
        // Only a process that never started sends no finished().
        if (what != QProcess::FailedToStart)
            return;
        process->deleteLater();
        if (failed)
            failed();
    });
    process->start(QStringLiteral("xdg-open"), {file});
}
#endif

} // namespace

void QtShell::open(const QString& fileOrUrl, std::function<void()> failed)
{
    const bool isUrl =
        fileOrUrl.startsWith(QLatin1String("http://")) || fileOrUrl.startsWith(QLatin1String("https://"));
#if !defined(Q_OS_WIN) && !defined(Q_OS_MACOS)
    if (!isUrl) {
        openWithXdgOpen(fileOrUrl, failed);
        return;
    }
#endif
    if (!QDesktopServices::openUrl(isUrl ? QUrl(fileOrUrl) : QUrl::fromLocalFile(fileOrUrl)) && failed)
        failed();
}

bool QtShell::start(const QString& path)
{
    return QProcess::startDetached(path, {});
}

bool QtShell::CopyFileToFolder(const QString& source, const QString& folder, QString* error)
{
    return FileCopy::copyIntoFolder(source, folder, error, m_texts);
}
