#include "hudgen/ScopeArt.h"

#include "hudgen/HudSizes.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace ScopeArt {

namespace {

using Canvas::Black;
using Canvas::Clear;

// Distances are in half pixels from the scope's centre (odd numbers), so a quarter of 256
// spans 1..511.
constexpr int Radius = 480;

// The whole square root of n; the correction steps make it exact whatever the rounding.
std::int64_t isqrt(std::int64_t n)
{
    auto r = std::int64_t(std::sqrt(double(n)));
    while (r * r > n)
        --r;
    while ((r + 1) * (r + 1) <= n)
        ++r;
    return r;
}

// How far (u, v) lies from the centre in the shape's own measure: the edge is at Radius.
int measure(Shape shape, int u, int v)
{
    switch (shape) {
    case Shape::Circle:
        break;
    case Shape::Rounded: {
        // A superellipse |u|^4 + |v|^4 = r^4: a square with round corners.
        const std::int64_t u2 = std::int64_t(u) * u;
        const std::int64_t v2 = std::int64_t(v) * v;
        const std::int64_t sum = u2 * u2 + v2 * v2;
        return int(isqrt(isqrt(sum)) * Radius / 440);
    }
    case Shape::Octagon:
        return std::max({u, v, (u + v) * 70 / 99}) * Radius / 470;
    }
    return int(isqrt(std::int64_t(u) * u + std::int64_t(v) * v));
}

bool onReticle(Reticle reticle, int u, int v)
{
    const int along = std::max(u, v); // distance along the line the pixel is nearest
    const int across = std::min(u, v);
    switch (reticle) {
    case Reticle::Thin:
        return across <= 1;
    case Reticle::Duplex:
        return across <= 1 || (across <= 9 && along > Radius / 2);
    case Reticle::MilDots:
        if (across <= 1)
            return true;
        for (int k = 1; k <= 5; ++k) {
            const int d = along - k * 80;
            if (d * d + across * across <= 12 * 12)
                return true;
        }
        return false;
    case Reticle::Ticks:
        if (across <= 1)
            return true;
        for (int k = 1; k <= 5; ++k) {
            if (std::abs(along - k * 80) <= 1 && across <= (k % 2 ? 12 : 24))
                return true;
        }
        return false;
    case Reticle::Gap:
        return across <= 3 && along > 60;
    }
    return false;
}

} // namespace

SpriteFile sprite(const Look& look)
{
    constexpr int side = HudSizes::ScopeQuarter;
    Canvas::Frame frame(side, side, Clear);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const int u = 2 * (side - 1 - x) + 1;
            const int v = 2 * (side - 1 - y) + 1;
            const int m = measure(look.shape, u, v);
            std::uint8_t index = Clear;
            if (m > Radius)
                index = Black;
            else if (look.rim > 0 && m > Radius - 2 * look.rim)
                index = Canvas::accent(62 - (Radius - m) * 30 / (2 * look.rim));
            else if (look.centreDot && u * u + v * v <= 9 * 9)
                index = Canvas::accent(62);
            else if (onReticle(look.reticle, u, v))
                index = Canvas::tone(127);
            else if (look.dithered && m > Radius - 64 && (x + y) % 2 == 0 && (m > Radius - 32 || x % 2 == 0))
                index = Black;
            frame.set(x, y, index);
        }
    }
    SpriteFile s;
    s.type = SpriteFile::Parallel;
    s.textureFormat = SpriteFile::AlphaTest; // the last palette index is see-through
    s.palette = Canvas::Palette::ramps(look.main, look.second).rgb;
    s.frames.append(frame.toSpriteFrame());
    return s;
}

RgbImage preview(const SpriteFile& sprite)
{
    // Magenta is no colour of the palettes' ramps: it marks where the landscape shows through.
    constexpr Canvas::Rgb key{255, 0, 255};
    const RgbImage quarter = Canvas::render(sprite, 0, key);
    const int side = quarter.width * 2;
    RgbImage whole = Canvas::blank(side, side, {});
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const int qx = x < quarter.width ? x : side - 1 - x;
            const int qy = y < quarter.height ? y : side - 1 - y;
            int rgb[3] = {quarter.sample(qx, qy, 0), quarter.sample(qx, qy, 1), quarter.sample(qx, qy, 2)};
            if (rgb[0] == key.r && rgb[1] == key.g && rgb[2] == key.b) {
                // Sky fading towards the horizon at 60 %, sand below it.
                const int horizon = side * 3 / 5;
                if (y < horizon) {
                    rgb[0] = 110 + 80 * y / horizon;
                    rgb[1] = 150 + 60 * y / horizon;
                    rgb[2] = 200 + 30 * y / horizon;
                } else {
                    rgb[0] = 190 - 50 * (y - horizon) / (side - horizon);
                    rgb[1] = 160 - 50 * (y - horizon) / (side - horizon);
                    rgb[2] = 110 - 40 * (y - horizon) / (side - horizon);
                }
            }
            for (int c = 0; c < 3; ++c)
                whole.pixels[(qsizetype(y) * side + x) * 3 + c] = char(rgb[c]);
        }
    }
    const RgbImage scope = Canvas::scaled(whole, HudSizes::PreviewHeight, HudSizes::PreviewHeight);
    RgbImage out = Canvas::blank(HudSizes::PreviewWidth, HudSizes::PreviewHeight, {});
    Canvas::paste(out, scope, (HudSizes::PreviewWidth - scope.width) / 2, 0);
    return out;
}

} // namespace ScopeArt
