#pragma once

// The frame sizes of the three game sprites the HUD library replaces. A replacement must match
// the file it replaces: the game cuts the HUD's pieces out of a sheet by pixel rectangles and
// draws the radar and the scope at their file's size, so a sheet of another size shows the wrong
// pieces. Each of the three files holds one frame.
//
// - sprites/640hud7.spr, 256 x 128, 1 frame: the 640-pixel HUD's sheet of digits and status
//   icons. The digits are 20 x 24 and ten of them stand in a row (200 pixels) with a divider,
//   so the sheet is 256 wide, the widest side the engine uploads for a HUD sprite without
//   rescaling; the rows of icons, slot boxes, bars and the selection frame below them fit in
//   128 rows, and sprite sides are powers of two.
// - sprites/radar640.spr, 128 x 128, 1 frame: the radar is a 128-pixel square in the screen's
//   corner at 640-pixel resolutions and is drawn one to one.
// - sprites/sniper_scope.spr, 256 x 256, 1 frame: one quarter of the scope, its centre at the
//   lower right corner; the game draws it four times, mirrored, and stretches it over the
//   screen, so a quarter of 256 (the largest power-of-two side) keeps the rim smooth.
//
// The previews in the library are 256 x 115, the size of the HUDs page's picture.
namespace HudSizes {

constexpr int DigitsWidth = 256;
constexpr int DigitsHeight = 128;
constexpr int RadarSide = 128;
constexpr int ScopeQuarter = 256;
constexpr int FramesPerSprite = 1;

constexpr int PreviewWidth = 256;
constexpr int PreviewHeight = 115;
constexpr int PreviewQuality = 85;

} // namespace HudSizes
