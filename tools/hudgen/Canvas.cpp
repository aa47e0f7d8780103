#include "hudgen/Canvas.h"

#include <algorithm>
#include <cstdlib>

namespace Canvas {

namespace {

int mix(int from, int to, int step, int steps)
{
    return from + (to - from) * step / steps;
}

} // namespace

Palette Palette::ramps(Rgb main, Rgb second)
{
    Palette p;
    const auto put = [&p](int index, int r, int g, int b) {
        p.rgb[index * 3] = std::uint8_t(r);
        p.rgb[index * 3 + 1] = std::uint8_t(g);
        p.rgb[index * 3 + 2] = std::uint8_t(b);
    };
    for (int i = 0; i < 128; ++i)
        put(i, mix(0, main.r, i, 127), mix(0, main.g, i, 127), mix(0, main.b, i, 127));
    for (int i = 0; i < 64; ++i)
        put(128 + i, mix(main.r, 255, i, 63), mix(main.g, 255, i, 63), mix(main.b, 255, i, 63));
    for (int i = 0; i < 63; ++i)
        put(192 + i, mix(0, second.r, i, 62), mix(0, second.g, i, 62), mix(0, second.b, i, 62));
    put(Clear, 0, 0, 255); // the colour tools expect for the see-through index
    return p;
}

Mask::Mask(int width, int height)
    : m_width(width)
    , m_height(height)
    , m_bits(std::size_t(width) * std::size_t(height), 0)
{}

bool Mask::at(int x, int y) const
{
    return x >= 0 && y >= 0 && x < m_width && y < m_height && m_bits[std::size_t(y) * m_width + x];
}

void Mask::set(int x, int y)
{
    if (x >= 0 && y >= 0 && x < m_width && y < m_height)
        m_bits[std::size_t(y) * m_width + x] = 1;
}

void Mask::rect(int x, int y, int w, int h)
{
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i)
            set(i, j);
}

void Mask::disc(int cx, int cy, int r)
{
    ring(cx, cy, r, r + 1);
}

void Mask::ring(int cx, int cy, int r, int thickness)
{
    const int inner = r - thickness;
    for (int y = cy - r; y <= cy + r; ++y) {
        for (int x = cx - r; x <= cx + r; ++x) {
            const int d = (x - cx) * (x - cx) + (y - cy) * (y - cy);
            if (d <= r * r + r && (inner < 0 || d > inner * inner + inner))
                set(x, y);
        }
    }
}

void Mask::line(int x0, int y0, int x1, int y1, int thickness)
{
    // Bresenham's walk, a square brush at each step.
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    const int before = (thickness - 1) / 2;
    for (;;) {
        rect(x0 - before, y0 - before, thickness, thickness);
        if (x0 == x1 && y0 == y1)
            break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

Mask Mask::slanted(int per) const
{
    Mask out(m_width, m_height);
    for (int y = 0; y < m_height; ++y) {
        const int shift = (m_height - 1 - y) / per;
        for (int x = 0; x < m_width; ++x) {
            if (at(x, y))
                out.set(x + shift, y);
        }
    }
    return out;
}

Frame::Frame(int width, int height, std::uint8_t background)
    : m_width(width)
    , m_height(height)
    , m_indices(std::size_t(width) * std::size_t(height), background)
{}

std::uint8_t Frame::at(int x, int y) const
{
    return m_indices[std::size_t(y) * m_width + x];
}

void Frame::set(int x, int y, std::uint8_t index)
{
    if (x >= 0 && y >= 0 && x < m_width && y < m_height)
        m_indices[std::size_t(y) * m_width + x] = index;
}

void Frame::stamp(const Mask& mask, int x, int y, Outline outline)
{
    for (int j = -1; j <= mask.height(); ++j) {
        for (int i = -1; i <= mask.width(); ++i) {
            const bool in = mask.at(i, j);
            const bool edge = in && !(mask.at(i - 1, j) && mask.at(i + 1, j) && mask.at(i, j - 1) && mask.at(i, j + 1));
            bool near = false;
            for (int v = -1; v <= 1 && !near; ++v)
                for (int u = -1; u <= 1 && !near; ++u)
                    near = mask.at(i + u, j + v);
            switch (outline) {
            case Outline::Solid:
                if (in)
                    set(x + i, y + j, edge ? tone(100) : tone(127));
                break;
            case Outline::Hollow:
                if (in)
                    set(x + i, y + j, edge ? glint(24) : tone(40));
                break;
            case Outline::Glow:
                if (in)
                    set(x + i, y + j, edge ? tone(127) : glint(40));
                else if (near)
                    set(x + i, y + j, tone(45));
                break;
            case Outline::Shadow:
                if (in)
                    set(x + i, y + j, tone(127));
                else if (mask.at(i - 1, j - 1))
                    set(x + i, y + j, accent(62));
                break;
            }
        }
    }
}

SpriteFile::Frame Frame::toSpriteFrame() const
{
    SpriteFile::Frame f;
    f.width = m_width;
    f.height = m_height;
    // The game places a sprite by its origin: the top left corner is up and left of the centre.
    f.originX = -m_width / 2;
    f.originY = m_height / 2;
    f.indices = QByteArray(reinterpret_cast<const char*>(m_indices.data()), qsizetype(m_indices.size()));
    return f;
}

RgbImage blank(int width, int height, Rgb fill)
{
    RgbImage image;
    image.width = width;
    image.height = height;
    image.pixels.resize(qsizetype(width) * height * 3);
    for (qsizetype i = 0; i < qsizetype(width) * height; ++i) {
        image.pixels[i * 3] = char(fill.r);
        image.pixels[i * 3 + 1] = char(fill.g);
        image.pixels[i * 3 + 2] = char(fill.b);
    }
    return image;
}

RgbImage render(const SpriteFile& sprite, int frame, Rgb clear)
{
    const SpriteFile::Frame& f = sprite.frames.at(frame);
    const bool alphaTest = sprite.textureFormat == SpriteFile::AlphaTest;
    RgbImage image = blank(f.width, f.height, clear);
    for (qsizetype i = 0; i < qsizetype(f.width) * f.height; ++i) {
        const int index = static_cast<unsigned char>(f.indices.at(i));
        if (alphaTest && index == Clear)
            continue;
        for (int c = 0; c < 3; ++c)
            image.pixels[i * 3 + c] = char(sprite.palette[std::size_t(index) * 3 + c]);
    }
    return image;
}

RgbImage scaled(const RgbImage& source, int width, int height)
{
    RgbImage out = blank(width, height, {});
    for (int ty = 0; ty < height; ++ty) {
        const int y0 = ty * source.height / height;
        const int y1 = std::max(y0 + 1, (ty + 1) * source.height / height);
        for (int tx = 0; tx < width; ++tx) {
            const int x0 = tx * source.width / width;
            const int x1 = std::max(x0 + 1, (tx + 1) * source.width / width);
            int sum[3] = {0, 0, 0};
            for (int y = y0; y < y1; ++y)
                for (int x = x0; x < x1; ++x)
                    for (int c = 0; c < 3; ++c)
                        sum[c] += source.sample(x, y, c);
            const int n = (y1 - y0) * (x1 - x0);
            for (int c = 0; c < 3; ++c)
                out.pixels[(qsizetype(ty) * width + tx) * 3 + c] = char((sum[c] + n / 2) / n);
        }
    }
    return out;
}

void paste(RgbImage& target, const RgbImage& source, int x, int y)
{
    for (int j = 0; j < source.height; ++j) {
        for (int i = 0; i < source.width; ++i) {
            const int tx = x + i;
            const int ty = y + j;
            if (tx < 0 || ty < 0 || tx >= target.width || ty >= target.height)
                continue;
            for (int c = 0; c < 3; ++c)
                target.pixels[(qsizetype(ty) * target.width + tx) * 3 + c] = char(source.sample(i, j, c));
        }
    }
}

} // namespace Canvas
