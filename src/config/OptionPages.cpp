#include "config/OptionPages.h"

#include "config/AppState.h"
#include "config/ClientOptionsPage.h"
#include "config/OptionsSetting.h"
#include "config/ServerOptionsPage.h"
#include "platform/Dialogs.h"

#include <QDir>
#include <QMetaObject>

void ReadOptionPages(AppState& state, ClientOptionsPage& client, ServerOptionsPage& server)
{
    if (!state.LoadCfg())
        return;
    QStringList bad;
    OptionsRead read(state, &bad);
    client.read(read);
    server.read(read);
    if (bad.isEmpty())
        return;
    const QString text = state.message(Msg::BadValues).arg(QDir::toNativeSeparators(state.working.path())) +
                         QStringLiteral("\r\n") + bad.join(QStringLiteral("\r\n"));
    Dialogs* dialogs = &state.dialogs;
    QMetaObject::invokeMethod(
        &client, [dialogs, text] { dialogs->message(Dialogs::Kind::Warning, text); }, Qt::QueuedConnection);
}
