#pragma once

#include <QRect>
#include <QString>

#include <array>
#include <optional>
#include <span>

// Where the game draws its crosshair on the screen: four lines one pixel thick around the centre,
// with a gap that follows the weapon's spread. The numbers are those of the game's client as its
// public reimplementation (the cs16-client project's cl_dll/hud/ammo.cpp, CHudAmmo::DrawCrosshair)
// gives them; nothing else of it is used here.
namespace CrosshairGeometry {

// cl_crosshair_size: the screen width the crosshair is drawn for (its scale base).
enum class Size { Auto, Small, Medium, Large };
// What the player is doing: the dynamic crosshair widens or narrows with it.
enum class Stance { Still, Moving, Crouched, Jumping };

// How a weapon's spread changes with the stance (the client's accuracy flags).
enum Accuracy { InAir = 1, AtSpeed = 2, Ducking = 4 };

struct Weapon {
    const char* name;
    int distance;      // the gap at rest
    int deltaDistance; // what each shot adds to it
    int accuracy;      // Accuracy flags; none: the gap never follows the stance
    bool scoped;       // the game draws no crosshair for it
};
// The weapons the preview offers, the first one the preview starts with.
std::span<const Weapon> weapons();

struct View {
    Size size = Size::Auto;
    int screenWidth = 800;
    int screenHeight = 600;
    const Weapon* weapon = nullptr;
    Stance stance = Stance::Still;
    int shots = 0; // fired one right after another
    bool dynamic = true;
};

struct Shape {
    bool drawn = false;
    int alpha = 255;              // the shots fade the lines; 255 at rest
    std::array<QRect, 4> lines{}; // west, east, north and south, in screen pixels
};

// The game's value of cl_crosshair_size ("auto", "small", "medium", "large" in any case, or
// "0" to "3"); nothing for a word it refuses, which leaves the size as it was.
std::optional<Size> sizeOf(const QString& value);
// The scale base of `size` on a screen `width` pixels wide.
int scaleBase(Size size, int width);
Shape shape(const View& view);

} // namespace CrosshairGeometry
