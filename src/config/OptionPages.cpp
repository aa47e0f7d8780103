#include "config/OptionPages.h"

#include "config/AppState.h"
#include "config/ClientOptionsPage.h"
#include "config/ServerOptionsPage.h"

void ReadOptionPages(AppState& state, ClientOptionsPage& client, ServerOptionsPage& server)
{
    if (!state.LoadCfg())
        return;
    if (!client.readClientPart())
        return;
    if (!server.readServerPart())
        return;
    client.readPlayerName();
}
