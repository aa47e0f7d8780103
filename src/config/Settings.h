#pragma once

#include "platform/SettingsStore.h"

// Every setting of the program that is not part of a table of its own (the HUD slots keep their
// settings in theirs), declared once.
namespace Setting {

using namespace Qt::StringLiterals;

inline constexpr TextSetting ProgramFolder{"qvl_path"_L1};
inline constexpr TextSetting GameFolder{"cfg_dir"_L1};
inline constexpr TextSetting WorkingFile{"cfg_file"_L1};
// The update and news site, when the user names a mirror.
inline constexpr TextSetting Site{"site"_L1};
inline constexpr SwitchSetting ShowServerPage{"show_server"_L1, true, "yes"_L1, "no"_L1};
inline constexpr NumberSetting MouseButtons{"mouse_btns"_L1, 3};
// On: writes are made without showing them first ("Don't ask again" in the review window).
inline constexpr SwitchSetting SkipReview{"skip_review"_L1, false, "yes"_L1, "no"_L1};

} // namespace Setting
