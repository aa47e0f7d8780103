#include "hudgen/DigitSheet.h"

#include "hudgen/HudSizes.h"

namespace DigitSheet {

namespace {

using Canvas::Mask;

// Layout of the sheet, rows from the top:
//   y 0..23   the digits 0-9 in cells of 20 x 24 from x 0, then a divider 2 pixels wide at x 240
//   y 24..47  ten status icons of 24 x 24: armour, health, money, timer, bomb, defuse kit,
//             buy zone, VIP, escape zone, hostage
//   y 48..71  five weapon slot boxes of 20 x 20, 24 apart
//   y 74..81  a bar 200 wide (health and armour levels)
//   y 88..113 a selection frame 170 x 26
constexpr int DigitWidth = 20;
constexpr int DigitHeight = 24;
constexpr int Icon = 24;

// Segments a-g of a seven-segment digit in a 20 x 24 cell.
Mask digit(int value)
{
    static const char* const lit[10] = {"abcdef", "bc",     "abged", "abgcd",   "fgbc",
                                        "afgcd",  "afgedc", "abc",   "abcdefg", "abcdfg"};
    Mask m(DigitWidth, DigitHeight);
    for (const char* s = lit[value]; *s; ++s) {
        switch (*s) {
        case 'a':
            m.rect(6, 2, 8, 3);
            break;
        case 'b':
            m.rect(14, 3, 3, 9);
            break;
        case 'c':
            m.rect(14, 13, 3, 9);
            break;
        case 'd':
            m.rect(6, 20, 8, 3);
            break;
        case 'e':
            m.rect(3, 13, 3, 9);
            break;
        case 'f':
            m.rect(3, 3, 3, 9);
            break;
        case 'g':
            m.rect(6, 11, 8, 3);
            break;
        }
    }
    return m;
}

Mask icon(int which)
{
    Mask m(Icon, Icon);
    switch (which) {
    case 0: // armour: a shield
        m.rect(5, 3, 14, 10);
        for (int y = 13; y <= 21; ++y) {
            const int half = (21 - y) * 7 / 8 + 1;
            m.rect(12 - half, y, 2 * half, 1);
        }
        break;
    case 1: // health: a cross
        m.rect(9, 3, 6, 18);
        m.rect(3, 9, 18, 6);
        break;
    case 2: // money: a dollar sign
        m.rect(6, 4, 12, 3);
        m.rect(6, 4, 3, 8);
        m.rect(6, 10, 12, 3);
        m.rect(15, 10, 3, 8);
        m.rect(6, 16, 12, 3);
        m.rect(11, 1, 3, 22);
        break;
    case 3: // timer: a stopwatch
        m.ring(12, 13, 9, 2);
        m.line(12, 13, 12, 7, 2);
        m.line(12, 13, 16, 13, 2);
        m.rect(10, 1, 5, 3);
        break;
    case 4: // bomb with its fuse
        m.disc(11, 14, 8);
        m.line(16, 7, 20, 3, 2);
        break;
    case 5: // defuse kit: pliers
        m.line(5, 21, 17, 5, 3);
        m.line(7, 5, 19, 21, 3);
        m.ring(5, 20, 3, 2);
        m.ring(19, 20, 3, 2);
        break;
    case 6: // buy zone: a cart
        m.rect(5, 6, 15, 9);
        m.line(1, 3, 5, 6, 2);
        m.disc(8, 19, 2);
        m.disc(17, 19, 2);
        break;
    case 7: // VIP: a figure
        m.disc(12, 6, 4);
        m.rect(6, 12, 12, 10);
        break;
    case 8: // escape zone: an arrow
        m.rect(3, 10, 11, 4);
        for (int x = 14; x <= 21; ++x)
            m.rect(x, 12 - (21 - x), 1, 2 * (21 - x) + 1);
        break;
    default: // hostage: two figures
        m.disc(8, 7, 3);
        m.rect(5, 11, 7, 10);
        m.disc(17, 7, 3);
        m.rect(14, 11, 7, 10);
        break;
    }
    return m;
}

Mask frameOutline(int w, int h, int thickness)
{
    Mask m(w, h);
    m.rect(0, 0, w, thickness);
    m.rect(0, h - thickness, w, thickness);
    m.rect(0, 0, thickness, h);
    m.rect(w - thickness, 0, thickness, h);
    return m;
}

} // namespace

SpriteFile sprite(const Look& look)
{
    Canvas::Frame frame(HudSizes::DigitsWidth, HudSizes::DigitsHeight, Canvas::Black);
    const auto put = [&](const Mask& m, int x, int y) {
        frame.stamp(look.slanted ? m.slanted(6) : m, x, y, look.outline);
    };
    for (int d = 0; d < 10; ++d)
        put(digit(d), d * DigitWidth, 0);
    for (int y = 1; y < DigitHeight - 1; ++y) {
        frame.set(240, y, Canvas::tone(100));
        frame.set(241, y, Canvas::tone(100));
    }
    for (int i = 0; i < 10; ++i)
        put(icon(i), i * Icon, DigitHeight);
    for (int slot = 0; slot < 5; ++slot) {
        Mask box = frameOutline(20, 20, 2);
        for (int dot = 0; dot <= slot; ++dot)
            box.rect(4 + (dot % 3) * 5, 5 + (dot / 3) * 6, 3, 3);
        put(box, slot * 24 + 2, 50);
    }
    Mask bar(200, 8);
    bar.rect(0, 0, 200, 8);
    frame.stamp(bar, 0, 74, Canvas::Outline::Hollow);
    for (int x = 20; x < 200; x += 20)
        for (int y = 75; y < 81; ++y)
            frame.set(x, y, Canvas::tone(110));
    frame.stamp(frameOutline(170, 26, 2), 0, 88, look.outline);

    SpriteFile s;
    s.type = SpriteFile::Parallel;
    s.textureFormat = SpriteFile::Additive; // black adds nothing: the sheet's background is not drawn
    s.palette = Canvas::Palette::ramps(look.main, look.second).rgb;
    s.frames.append(frame.toSpriteFrame());
    return s;
}

RgbImage preview(const SpriteFile& sprite)
{
    const RgbImage sheet = Canvas::render(sprite, 0, {});
    RgbImage out = Canvas::blank(HudSizes::PreviewWidth, HudSizes::PreviewHeight, {});
    Canvas::paste(out, sheet, (HudSizes::PreviewWidth - sheet.width) / 2, 0);
    return out;
}

} // namespace DigitSheet
