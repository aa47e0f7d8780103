#include "config/AppState.h"

#include "platform/Dialogs.h"

QString AppState::message(const QString& key) const
{
    return messageSource ? messageSource(key) : messages.text(key);
}

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
