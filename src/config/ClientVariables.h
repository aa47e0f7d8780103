#pragma once

#include "config/MessageKeys.h"

#include <QByteArray>

#include <array>
#include <optional>

// The console variables of the Client options page as today's game reads them, and the values
// its list and colour slider stand for. The wizard writes its answers under the same names.
// A name is given as the store matches it: `setinfo "_ah"` matches `setinfo _ah` lines too, and
// a new line is written as `setinfo "_ah" "1"`, the form the game writes.
namespace ClientVariables {

inline constexpr char Name[] = "name";
inline constexpr char WeaponHand[] = "cl_righthand"; // "1" right hand, "0" left
inline constexpr char Briefings[] = "dm";
inline constexpr char AutoHelp[] = "setinfo \"_ah\"";
inline constexpr char Ghosts[] = "ghosts";
inline constexpr char Menus[] = "setinfo \"_vgui_menus\""; // "1" graphic menus, "0" text menus
inline constexpr char CrosshairChange[] = "adjust_crosshair";
inline constexpr char HideFrags[] = "cl_hidefrags";
inline constexpr char ObserverCrosshair[] = "cl_observercrosshair";
inline constexpr char CenterId[] = "hud_centerid";
inline constexpr char DrawRadar[] = "drawradar";
inline constexpr char HideRadar[] = "hideradar";
inline constexpr char SpriteBlend[] = "gl_spriteblend"; // "0" bold crosshair, "1" normal
inline constexpr char ViewModel[] = "r_drawviewmodel";
inline constexpr char SmokeSprites[] = "fastsprites";
inline constexpr char Shells[] = "max_shells";
inline constexpr char Decals[] = "r_decals";
inline constexpr int MaxDecals = 4096;
inline constexpr char SmokePuffs[] = "max_smokepuffs";
inline constexpr char Rate[] = "rate";
inline constexpr char ConsoleColor[] = "con_color";
inline constexpr char CrosshairColor[] = "cl_crosshair_color";
inline constexpr char CrosshairSize[] = "cl_crosshair_size"; // auto, small, medium, large
inline constexpr char CrosshairTranslucent[] = "cl_crosshair_translucent";
inline constexpr char DynamicCrosshair[] = "cl_dynamiccrosshair";

// The connection list: an entry's own text, or (with `key`) the message of a word in the
// interface language that the text begins with, and the `rate` it stands for.
struct Connection {
    const char* text;
    std::optional<MessageKey> key;
    const char* rate;
};
inline constexpr std::array<Connection, 9> Connections = {{
    {"14.4 connection => 1500", std::nullopt, "1500"},
    {"33.6 connection => 3000", std::nullopt, "3000"},
    {"56k modem        => 3500 ", std::nullopt, "3500"},
    {"ISDN                  => 5000 ", std::nullopt, "5000"},
    {"Faster                 => 8000 ", std::nullopt, "8000"},
    {"FASTEST           => 9999", std::nullopt, "9999"},
    {nullptr, Msg::Broadband, "25000"},
    {nullptr, Msg::FastBroadband, "50000"},
    {nullptr, Msg::Unlimited, "100000"},
}};

// The `rate` of the connection entry `index`; nothing for no entry.
std::optional<QByteArray> connectionRate(int index);

// `con_color` for the positions 1 to 10 of the colour slider: red, green and blue.
inline constexpr std::array<const char*, 10> ConsoleColors = {
    "0 0 0",   "255 255 255", "191 191 191", "127 0 0", "0 127 0",
    "0 0 127", "255 255 223", "225 225 0",   "0 0 255", "0 127 127",
};

// The game's own crosshair colours, green (its default), red, blue, yellow and cyan.
inline constexpr std::array<const char*, 5> CrosshairColors = {
    "50 250 50", "250 50 50", "50 50 250", "250 250 50", "50 250 250",
};

// cl_crosshair_size in the game's words, from the smallest scale up.
inline constexpr std::array<const char*, 4> CrosshairSizes = {"auto", "small", "medium", "large"};

} // namespace ClientVariables
