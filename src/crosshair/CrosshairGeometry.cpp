#include "crosshair/CrosshairGeometry.h"

#include <algorithm>

namespace CrosshairGeometry {

namespace {

// The gap never widens past this by firing.
constexpr float MaxShotDistance = 15.0F;

// The silencer and burst modes of the M4A1, USP, Glock and FAMAS widen their gap by 1.4 more;
// the preview shows those weapons in their plain mode, where it does not.
constexpr std::array<Weapon, 8> Weapons = {{
    {"AK-47", 4, 4, InAir | AtSpeed, false},
    {"M4A1", 4, 3, InAir | AtSpeed, false},
    {"Desert Eagle", 8, 3, InAir | AtSpeed | Ducking, false},
    {"MP5", 6, 3, InAir, false},
    {"AWP", 8, 3, 0, true},
    {"Scout", 5, 3, 0, true},
    {"SG-550", 5, 3, 0, true},
    {"G3/SG-1", 6, 4, 0, true},
}};

// The gap at rest after the stance, as the game computes it in whole pixels.
int restingDistance(const View& view)
{
    const Weapon& w = *view.weapon;
    int distance = w.distance;
    if (!view.dynamic || w.accuracy == 0)
        return distance;
    if (view.stance == Stance::Jumping && (w.accuracy & InAir))
        return distance * 2;
    if (view.stance == Stance::Crouched && (w.accuracy & Ducking))
        return static_cast<int>(distance * 0.5);
    if (view.stance == Stance::Moving && (w.accuracy & AtSpeed))
        return static_cast<int>(distance * 1.5);
    return distance;
}

} // namespace

std::span<const Weapon> weapons()
{
    return Weapons;
}

std::optional<Size> sizeOf(const QString& value)
{
    static const std::array<QString, 4> words = {QStringLiteral("auto"), QStringLiteral("small"),
                                                 QStringLiteral("medium"), QStringLiteral("large")};
    for (size_t i = 0; i < words.size(); ++i) {
        if (value.compare(words[i], Qt::CaseInsensitive) == 0 || value == QString::number(i))
            return static_cast<Size>(i);
    }
    return std::nullopt;
}

int scaleBase(Size size, int width)
{
    switch (size) {
    case Size::Small:
        return 1024;
    case Size::Medium:
        return 800;
    case Size::Large:
        return 640;
    case Size::Auto:
        break;
    }
    return width < 640 ? 1024 : width < 1024 ? 800 : 640;
}

Shape shape(const View& view)
{
    Shape s;
    if (!view.weapon || view.weapon->scoped)
        return s;
    s.drawn = true;
    const int resting = restingDistance(view);
    float distance = static_cast<float>(resting);
    if (view.shots > 0)
        distance = std::min(distance + static_cast<float>(view.shots * view.weapon->deltaDistance), MaxShotDistance);
    distance = std::max(distance, static_cast<float>(resting));
    s.alpha = std::max(255 - 40 * view.shots, 120);

    int length = static_cast<int>((distance - static_cast<float>(resting)) * 0.5F + 5.0F);
    const int base = scaleBase(view.size, view.screenWidth);
    if (base != view.screenWidth) {
        distance = static_cast<float>(view.screenWidth) * distance / static_cast<float>(base);
        length = view.screenWidth * length / base;
    }
    const int cx = view.screenWidth / 2;
    const int cy = view.screenHeight / 2;
    const auto at = [](float position) { return static_cast<int>(position); };
    s.lines = {QRect(at(static_cast<float>(cx) - distance - static_cast<float>(length) + 1), cy, length, 1),
               QRect(at(distance + static_cast<float>(cx)), cy, length, 1),
               QRect(cx, at(static_cast<float>(cy) - distance - static_cast<float>(length) + 1), 1, length),
               QRect(cx, at(distance + static_cast<float>(cy)), 1, length)};
    return s;
}

} // namespace CrosshairGeometry
