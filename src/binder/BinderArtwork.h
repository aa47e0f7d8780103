#pragma once

#include <QColor>
#include <QPixmap>
#include <QString>

// The Binder page's pictures, drawn at run time: the mouse in its variants, its buttons free and
// bound, the wheel, and one tile per item of the buy composer.
namespace BinderArtwork {

// The mouse's body for 2 to 5 buttons, 55 x 77.
QPixmap mouseBody(int buttons);
// The free middle button (17 x 25) and a free side button (7 x 16).
QPixmap middleButton();
QPixmap sideButton();
// A bound button, wheel arrow or side button, drawn in `fill` at the overlay's size; `struck`
// crosses it out, for a bind the game does not keep.
QPixmap overlay(const QString& name, int width, int height, const QColor& fill, bool struck);
// The wheel's track (20 x 60) and its two arrows (14 x 7).
QPixmap wheelTrack();
QPixmap wheelArrow(bool up);

// The number of item tiles and one of them, 100 x 75: 0 is the default picture (also for the
// vests, the goggles and the defuse kit), 1 to 16 the primary weapons, 17 to 22 the pistols,
// 23 the grenade, 24 the flashbang, 25 the smoke grenade, 26 the Galil, 27 the FAMAS, 28 the
// tactical shield.
constexpr int ItemFrames = 29;
QPixmap itemFrame(int frame);

} // namespace BinderArtwork
