#include "config/WorkingConfig.h"

void WorkingConfig::setFolder(const QString& folder)
{
    const QString before = path();
    m_folder = folder;
    announce(before);
}

void WorkingConfig::setWorkingFile(const QString& name)
{
    const QString before = path();
    m_file = name;
    announce(before);
}

void WorkingConfig::announce(const QString& before)
{
    if (path() != before)
        Q_EMIT workingFileChanged(path());
}
