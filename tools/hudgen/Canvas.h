#pragma once

#include "hud/RgbImage.h"
#include "hud/SpriteFile.h"

#include <array>
#include <cstdint>
#include <vector>

// What the generator draws with: a sprite frame of palette indices, a palette of ramps, and
// shapes as masks that a style turns into pixels. Integer arithmetic only, so that every
// machine draws the same bytes.
namespace Canvas {

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
};

// A palette of three ramps: 0..127 black to the main colour, 128..191 the main colour to white,
// 192..254 black to the second colour; 255 is the transparent index of alpha-tested sprites.
struct Palette {
    std::array<std::uint8_t, 256 * 3> rgb{};
    static Palette ramps(Rgb main, Rgb second);
    Rgb colour(int index) const { return {rgb[index * 3], rgb[index * 3 + 1], rgb[index * 3 + 2]}; }
};
// Indices into that palette: the main colour at `level` 0..127 of its strength (tone), its
// highlight towards white at 0..63 (glint), the second colour at 0..62 (accent).
constexpr std::uint8_t Black = 0;
constexpr std::uint8_t Clear = 255;
constexpr std::uint8_t tone(int level)
{
    return std::uint8_t(level < 0 ? 0 : level > 127 ? 127 : level);
}
constexpr std::uint8_t glint(int level)
{
    return std::uint8_t(128 + (level < 0 ? 0 : level > 63 ? 63 : level));
}
constexpr std::uint8_t accent(int level)
{
    return std::uint8_t(192 + (level < 0 ? 0 : level > 62 ? 62 : level));
}

// A shape: one flag per pixel.
class Mask final {
public:
    Mask(int width, int height);
    int width() const { return m_width; }
    int height() const { return m_height; }
    bool at(int x, int y) const;
    void set(int x, int y);
    void rect(int x, int y, int w, int h);
    // A disc or a ring (outer radius r, `thickness` pixels wide) around the pixel centre (cx, cy).
    void disc(int cx, int cy, int r);
    void ring(int cx, int cy, int r, int thickness);
    // A line `thickness` pixels wide from (x0, y0) to (x1, y1).
    void line(int x0, int y0, int x1, int y1, int thickness);
    // Shifts each row right by (height - 1 - y) / `per` pixels: a slanted copy.
    Mask slanted(int per) const;

private:
    int m_width;
    int m_height;
    std::vector<std::uint8_t> m_bits;
};

// How a mask becomes pixels.
enum class Outline {
    Solid,  // filled in the main colour
    Hollow, // a bright edge around a dim inside
    Glow,   // filled bright, with a dim halo one pixel wide
    Shadow  // filled, with the second colour one pixel down and right
};

// A sprite frame being drawn.
class Frame final {
public:
    Frame(int width, int height, std::uint8_t background);
    int width() const { return m_width; }
    int height() const { return m_height; }
    std::uint8_t at(int x, int y) const;
    void set(int x, int y, std::uint8_t index);
    // Draws `mask` with its top left at (x, y) in the given outline style.
    void stamp(const Mask& mask, int x, int y, Outline outline);
    SpriteFile::Frame toSpriteFrame() const;

private:
    int m_width;
    int m_height;
    std::vector<std::uint8_t> m_indices;
};

// A frame of a sprite in colour, through the sprite's own palette; `clear` stands for the
// transparent index of alpha-tested sprites.
RgbImage render(const SpriteFile& sprite, int frame, Rgb clear);
// A picture of `width` x `height`, filled with `fill`.
RgbImage blank(int width, int height, Rgb fill);
// `source` scaled to `width` x `height` by averaging the pixels each target pixel covers.
RgbImage scaled(const RgbImage& source, int width, int height);
// Copies `source` into `target` with its top left at (x, y), clipped.
void paste(RgbImage& target, const RgbImage& source, int x, int y);

} // namespace Canvas
