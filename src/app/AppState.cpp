#include "app/AppState.h"

#include "platform/Dialogs.h"

bool AppState::LoadCfg()
{
    QString error;
    if (store.LoadCfg(workingPath(), &error))
        return true;
    dialogs.error(error);
    return false;
}

bool AppState::SaveCfg()
{
    QString error;
    if (store.SaveCfg(workingPath(), &error))
        return true;
    dialogs.error(error);
    return false;
}
