#include "config/AppState.h"

#include "platform/Dialogs.h"

bool AppState::LoadCfg()
{
    QString error;
    if (working.load(&error))
        return true;
    dialogs.error(error);
    return false;
}

bool AppState::SaveCfg()
{
    QString error;
    if (working.save(&error))
        return true;
    dialogs.error(error);
    return false;
}

bool AppState::reviewWrites(const QList<PendingWrite>& writes) const
{
    QList<PendingWrite> changing;
    for (const PendingWrite& write : writes) {
        if (write.changes())
            changing.append(write);
    }
    return changing.isEmpty() || !reviewer || reviewer(changing);
}
