#pragma once

class AppState;
class ClientOptionsPage;
class ServerOptionsPage;

// Fills both options pages from the working file. It loads the file itself first, so the
// pages show what is on disk now and never an edit left unsaved in the store; a load error is
// shown through the dialogs and changes nothing. Every setting the file holds is read: a value
// that does not fit its control is shown as the file has it, marked, and kept; one message
// names them all, shown once the event loop runs again (after the pages show). Controls whose
// settings the file lacks keep what they showed. What the pages then show is what Apply
// compares against.
void ReadOptionPages(AppState& state, ClientOptionsPage& client, ServerOptionsPage& server);
