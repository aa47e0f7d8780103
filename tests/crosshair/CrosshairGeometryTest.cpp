#include "crosshair/CrosshairGeometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>

#include <ostream>

using namespace CrosshairGeometry;

QT_BEGIN_NAMESPACE
inline void PrintTo(const QRect& r, std::ostream* os)
{
    *os << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
}
QT_END_NAMESPACE

namespace {

const Weapon* weapon(std::string_view name)
{
    const auto all = weapons();
    const auto found = std::find_if(all.begin(), all.end(), [&](const Weapon& w) { return w.name == name; });
    return found == all.end() ? nullptr : &*found;
}

// The west line's left end and length, and the east line's left end: the rest follows from them.
struct Row {
    const char* weapon;
    Size size;
    int width, height;
    Stance stance;
    int shots;
    bool dynamic;
    int westX, length, eastX;
};

TEST(CrosshairGeometry, TheLinesStandWhereTheGameDrawsThem)
{
    // Worked by hand from the game's rules: gap d (whole pixels at rest, +delta a shot up to 15),
    // length (d - rest) * 0.5 + 5, both times width / base (the length in whole pixels), west
    // starting at width/2 - d - length + 1, east at width/2 + d.
    // clang-format off
    const Row rows[] = {
        {"AK-47", Size::Auto, 800, 600, Stance::Still, 0, true, 392, 5, 404},          // base 800: as is
        {"AK-47", Size::Auto, 1023, 768, Stance::Still, 0, true, 500, 6, 516},        // base 800: d 5.115, length 6
        {"AK-47", Size::Auto, 1024, 768, Stance::Still, 0, true, 498, 8, 518},        // base 640: d 6.4, length 8
        {"AK-47", Size::Small, 1024, 768, Stance::Still, 0, true, 504, 5, 516},       // base 1024: as is
        {"AK-47", Size::Medium, 1920, 1080, Stance::Still, 0, true, 939, 12, 969},    // d 9.6, length 12
        {"AK-47", Size::Large, 1920, 1080, Stance::Still, 0, true, 934, 15, 972},     // d 12, length 15
        {"AK-47", Size::Large, 800, 600, Stance::Moving, 0, true, 387, 6, 407},       // rest 6: d 7.5, length 6
        {"AK-47", Size::Medium, 800, 600, Stance::Crouched, 0, true, 392, 5, 404},    // a rifle does not duck
        {"AK-47", Size::Medium, 800, 600, Stance::Jumping, 0, true, 388, 5, 408},     // rest 8
        {"AK-47", Size::Medium, 800, 600, Stance::Jumping, 0, false, 392, 5, 404},    // not dynamic
        {"Desert Eagle", Size::Medium, 800, 600, Stance::Crouched, 0, true, 392, 5, 404},  // rest 4
        {"Desert Eagle", Size::Medium, 800, 600, Stance::Moving, 0, true, 384, 5, 412},    // rest 12
        {"MP5", Size::Medium, 800, 600, Stance::Moving, 0, true, 390, 5, 406},        // moving leaves it
        {"M4A1", Size::Medium, 800, 600, Stance::Still, 3, true, 379, 9, 413},        // 4 + 9 = 13: length 9 / 2 + 5
        {"M4A1", Size::Medium, 800, 600, Stance::Still, 3, false, 379, 9, 413},       // shots widen it all the same
        {"AK-47", Size::Medium, 800, 600, Stance::Still, 2, true, 380, 9, 412},       // 4 + 8 = 12
        {"Desert Eagle", Size::Medium, 800, 600, Stance::Jumping, 1, true, 380, 5, 416},   // rest 16 is past 15
    };
    // clang-format on
    for (const Row& r : rows) {
        View v{r.size, r.width, r.height, weapon(r.weapon), r.stance, r.shots, r.dynamic};
        const Shape s = shape(v);
        const std::string at = std::string(r.weapon) + " " + std::to_string(r.width) + " stance " +
                               std::to_string(int(r.stance)) + " shots " + std::to_string(r.shots);
        ASSERT_TRUE(s.drawn) << at;
        EXPECT_EQ(s.lines[0], QRect(r.westX, r.height / 2, r.length, 1)) << at;
        EXPECT_EQ(s.lines[1], QRect(r.eastX, r.height / 2, r.length, 1)) << at;
        // North and south mirror west and east on the vertical through the centre.
        const int gapNorth = r.width / 2 - r.westX, gapSouth = r.eastX - r.width / 2;
        EXPECT_EQ(s.lines[2], QRect(r.width / 2, r.height / 2 - gapNorth, 1, r.length)) << at;
        EXPECT_EQ(s.lines[3], QRect(r.width / 2, r.height / 2 + gapSouth, 1, r.length)) << at;
    }
}

// The AK-47 adds 4 a shot from 4: three shots reach 16 and stop at 15, the length with them.
TEST(CrosshairGeometry, ShotsWidenTheGapUpToFifteenAndFadeTheLines)
{
    const struct {
        int shots, eastX, length, alpha;
    } rows[] = {{0, 404, 5, 255}, {2, 412, 9, 175}, {3, 415, 10, 135}, {4, 415, 10, 120}, {10, 415, 10, 120}};
    for (const auto& r : rows) {
        const Shape s = shape({Size::Medium, 800, 600, weapon("AK-47"), Stance::Still, r.shots, true});
        EXPECT_EQ(s.lines[1], QRect(r.eastX, 300, r.length, 1)) << r.shots;
        EXPECT_EQ(s.alpha, r.alpha) << r.shots;
    }
    // 15 exactly: the M4A1 from 6 (moving) by 3 a shot, 3 shots.
    const Shape fifteen = shape({Size::Medium, 800, 600, weapon("M4A1"), Stance::Moving, 3, true});
    EXPECT_EQ(fifteen.lines[1], QRect(415, 300, 9, 1));
}

TEST(CrosshairGeometry, TheScaleBaseFollowsTheSizeAndTheScreen)
{
    EXPECT_EQ(scaleBase(Size::Auto, 639), 1024);
    EXPECT_EQ(scaleBase(Size::Auto, 640), 800);
    EXPECT_EQ(scaleBase(Size::Auto, 1023), 800);
    EXPECT_EQ(scaleBase(Size::Auto, 1024), 640);
    EXPECT_EQ(scaleBase(Size::Small, 1920), 1024);
    EXPECT_EQ(scaleBase(Size::Medium, 640), 800);
    EXPECT_EQ(scaleBase(Size::Large, 1024), 640);
    // The words in any case and their numbers; anything else the game refuses.
    for (const auto& [text, size] : {std::pair{"auto", Size::Auto},
                                     {"SMALL", Size::Small},
                                     {"Medium", Size::Medium},
                                     {"large", Size::Large},
                                     {"0", Size::Auto},
                                     {"3", Size::Large}})
        EXPECT_EQ(sizeOf(QString::fromLatin1(text)), size) << text;
    for (const char* refused : {"4", "", "big", " small", "-1"})
        EXPECT_EQ(sizeOf(QString::fromLatin1(refused)), std::nullopt) << refused;
}

TEST(CrosshairGeometry, TheScopedRiflesHaveNoCrosshair)
{
    for (const char* name : {"AWP", "Scout", "SG-550", "G3/SG-1"})
        EXPECT_FALSE(shape({Size::Auto, 800, 600, weapon(name), Stance::Still, 0, true}).drawn) << name;
    EXPECT_TRUE(shape({Size::Auto, 800, 600, weapon("MP5"), Stance::Still, 0, true}).drawn);
    EXPECT_FALSE(shape({}).drawn) << "no weapon";
}

} // namespace
