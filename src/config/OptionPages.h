#pragma once

class AppState;
class ClientOptionsPage;
class ServerOptionsPage;

// Fills both options pages from the working file. It loads the file itself first, so the
// pages show what is on disk now and never an edit left unsaved in the store. Then the client
// part, the server part and the player name last. Controls whose variables the file lacks (or
// holds with a value they do not recognise) keep what they showed. A load error, or a value
// that must be an integer and is not, is shown through the dialogs and stops the reading
// there; the controls already read keep their new values.
void ReadOptionPages(AppState& state, ClientOptionsPage& client, ServerOptionsPage& server);
