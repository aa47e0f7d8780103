#include "platform/QtShell.h"

#include "platform/FileCopy.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

bool QtShell::open(const QString& fileOrUrl)
{
    const bool isUrl =
        fileOrUrl.startsWith(QLatin1String("http://")) || fileOrUrl.startsWith(QLatin1String("https://"));
    return QDesktopServices::openUrl(isUrl ? QUrl(fileOrUrl) : QUrl::fromLocalFile(fileOrUrl));
}

bool QtShell::CopyFileToFolder(const QString& source, const QString& folder)
{
    return FileCopy::copyIntoFolder(source, folder);
}
