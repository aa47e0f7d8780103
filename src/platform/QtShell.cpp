#include "platform/QtShell.h"

#include "platform/FileCopy.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

void QtShell::open(const QString& fileOrUrl, std::function<void()> failed)
{
    const bool isUrl =
        fileOrUrl.startsWith(QLatin1String("http://")) || fileOrUrl.startsWith(QLatin1String("https://"));
    if (!QDesktopServices::openUrl(isUrl ? QUrl(fileOrUrl) : QUrl::fromLocalFile(fileOrUrl)) && failed)
        failed();
}

bool QtShell::CopyFileToFolder(const QString& source, const QString& folder, QString* error)
{
    return FileCopy::copyIntoFolder(source, folder, error);
}
