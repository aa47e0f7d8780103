#include "hudgen/RadarArt.h"

#include "hudgen/HudSizes.h"

#include <algorithm>
#include <cstdlib>

namespace RadarArt {

namespace {

// The pixel's index at (u, v): twice its distance from the centre in each direction, odd
// numbers, so that the picture is symmetric about a centre between pixels.
std::uint8_t pixel(Shape shape, int u, int v)
{
    using namespace Canvas;
    const int au = std::abs(u);
    const int av = std::abs(v);
    const int d2 = u * u + v * v;
    const auto near = [d2](int r, int width) { return d2 >= (r - width) * (r - width) && d2 <= r * r; };
    switch (shape) {
    case Shape::Rings:
        if (d2 > 124 * 124)
            return Black;
        if (near(124, 10))
            return tone(115);
        if (near(84, 3) || near(44, 3) || au <= 1 || av <= 1)
            return tone(75);
        return tone(28);
    case Shape::Grid: {
        if (au > 122 || av > 122)
            return Black;
        if (au > 112 || av > 112)
            return tone(120);
        if (((au + 1) / 2) % 16 == 0 || ((av + 1) / 2) % 16 == 0)
            return tone(70);
        if (au <= 6 && av <= 6)
            return accent(62);
        return tone(22);
    }
    case Shape::Hollow:
        if (near(124, 8))
            return tone(127);
        if (near(90, 2) || near(56, 2))
            return tone(80);
        // Compass ticks on the outer ring, and the centre.
        if ((au <= 2 && av > 100 && av < 124) || (av <= 2 && au > 100 && au < 124))
            return glint(40);
        if (d2 <= 8 * 8)
            return accent(62);
        return Black;
    case Shape::Octagon: {
        const int m = std::max({au, av, (au + av) * 70 / 99});
        if (m > 124)
            return Black;
        if (m > 114)
            return tone(118);
        // The sweep: a wedge up and right, brighter towards the rim.
        if (u > 0 && v < 0 && u < -v)
            return accent(20 + m * 42 / 124);
        if (au <= 1 || av <= 1)
            return tone(70);
        return tone(20);
    }
    }
    return Black;
}

} // namespace

SpriteFile sprite(const Look& look)
{
    constexpr int side = HudSizes::RadarSide;
    Canvas::Frame frame(side, side, Canvas::Black);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            frame.set(x, y, pixel(look.shape, 2 * x + 1 - side, 2 * y + 1 - side));
    SpriteFile s;
    s.type = SpriteFile::Parallel;
    s.textureFormat = SpriteFile::Additive;
    s.palette = Canvas::Palette::ramps(look.main, look.second).rgb;
    s.frames.append(frame.toSpriteFrame());
    return s;
}

RgbImage preview(const SpriteFile& sprite)
{
    const RgbImage radar =
        Canvas::scaled(Canvas::render(sprite, 0, {}), HudSizes::PreviewHeight, HudSizes::PreviewHeight);
    RgbImage out = Canvas::blank(HudSizes::PreviewWidth, HudSizes::PreviewHeight, {});
    Canvas::paste(out, radar, (HudSizes::PreviewWidth - radar.width) / 2, 0);
    return out;
}

} // namespace RadarArt
