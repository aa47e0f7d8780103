#pragma once

#include <QString>

class AppState;
class QWidget;
struct LaterSetting;

// How the option pages show that a file the game runs after the working file sets a setting
// again: a line under the caption of the setting's box names that file ("Set again in
// userconfig.cfg"), and its tip the line and the value that wins.
namespace OptionsLaterMark {

// Shows the mark of `later` (setting `name`) on the box around `control`, or takes it away when
// `later` is null.
void update(QWidget* control, const char* name, const LaterSetting* later, const AppState& state);

// The mark's tip: "userconfig.cfg, line 12: cl_righthand "0". The game runs it after
// config.cfg, so this value wins."
QString tip(const AppState& state, const char* name, const LaterSetting& later);

} // namespace OptionsLaterMark
