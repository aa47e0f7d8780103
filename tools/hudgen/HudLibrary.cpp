#include "hudgen/HudLibrary.h"

#include "hud/JpegEncoder.h"
#include "hudgen/DigitSheet.h"
#include "hudgen/HudSizes.h"
#include "hudgen/RadarArt.h"
#include "hudgen/ScopeArt.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace HudLibrary {

namespace {

using Canvas::Outline;
using Canvas::Rgb;

// Themes: a main colour and a second one for shadows, rims and marks.
constexpr Rgb Amber{255, 170, 40};
constexpr Rgb Green{70, 230, 90};
constexpr Rgb Cyan{60, 210, 240};
constexpr Rgb Red{240, 60, 50};
constexpr Rgb White{235, 235, 235};
constexpr Rgb Magenta{230, 80, 220};
constexpr Rgb Blue{80, 120, 255};
constexpr Rgb Yellow{250, 235, 60};
constexpr Rgb Orange{255, 120, 20};
constexpr Rgb Lime{180, 255, 60};
constexpr Rgb Violet{160, 100, 255};
constexpr Rgb Teal{40, 190, 170};
constexpr Rgb Grey{120, 120, 120};
constexpr Rgb Ink{20, 20, 20};
constexpr Rgb DarkRed{150, 20, 20};
constexpr Rgb Brass{200, 160, 60};

bool writeFile(const QString& path, const QByteArray& bytes, QString* error)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size()) {
        *error = QStringLiteral("Cannot write %1: %2").arg(QDir::toNativeSeparators(path), out.errorString());
        return false;
    }
    return true;
}

} // namespace

QList<Entry> entries()
{
    QList<Entry> all;
    // Digits and icons: twelve themes, four outline styles, half of them slanted.
    const DigitSheet::Look digits[12] = {
        {Amber, Red, Outline::Solid, false},      {Green, Ink, Outline::Hollow, false},
        {Cyan, Blue, Outline::Glow, false},       {Red, Amber, Outline::Shadow, false},
        {White, Grey, Outline::Solid, true},      {Magenta, Violet, Outline::Hollow, false},
        {Blue, Cyan, Outline::Glow, true},        {Yellow, Orange, Outline::Shadow, false},
        {Orange, Red, Outline::Hollow, true},     {Lime, Green, Outline::Glow, false},
        {Violet, Magenta, Outline::Solid, false}, {Teal, Blue, Outline::Shadow, true},
    };
    for (int i = 0; i < 12; ++i) {
        const SpriteFile s = DigitSheet::sprite(digits[i]);
        all.append({QString::number(i), s, DigitSheet::preview(s)});
    }
    const RadarArt::Look radars[4] = {
        {Green, Amber, RadarArt::Shape::Rings},
        {Blue, Red, RadarArt::Shape::Grid},
        {Amber, Red, RadarArt::Shape::Hollow},
        {Red, Lime, RadarArt::Shape::Octagon},
    };
    const char* const radarNames[4] = {"radar", "radar1", "radar2", "radar3"};
    for (int i = 0; i < 4; ++i) {
        const SpriteFile s = RadarArt::sprite(radars[i]);
        all.append({QString::fromLatin1(radarNames[i]), s, RadarArt::preview(s)});
    }
    using ScopeArt::Reticle;
    using ScopeArt::Shape;
    const ScopeArt::Look scopes[9] = {
        {Ink, DarkRed, Shape::Circle, Reticle::Thin, 0, false, false},
        {Ink, DarkRed, Shape::Circle, Reticle::Thin, 10, false, false},
        {Ink, Red, Shape::Circle, Reticle::Duplex, 0, false, true},
        {Ink, Red, Shape::Circle, Reticle::MilDots, 5, false, false},
        {Ink, Brass, Shape::Rounded, Reticle::Duplex, 6, false, false},
        {Ink, Grey, Shape::Octagon, Reticle::Ticks, 8, false, false},
        {Green, Red, Shape::Circle, Reticle::Thin, 0, true, false},
        {Ink, Brass, Shape::Circle, Reticle::Ticks, 14, false, true},
        {Red, Red, Shape::Circle, Reticle::Gap, 0, true, true},
    };
    // There is no sniper8: the lists skip it.
    const char* const scopeNames[9] = {"sniper0", "sniper1", "sniper2", "sniper3", "sniper4",
                                       "sniper5", "sniper6", "sniper7", "sniper9"};
    for (int i = 0; i < 9; ++i) {
        const SpriteFile s = ScopeArt::sprite(scopes[i]);
        all.append({QString::fromLatin1(scopeNames[i]), s, ScopeArt::preview(s)});
    }
    return all;
}

QList<GameSprite> demoSprites()
{
    // Plain grey stand-ins, unlike any library entry, so that an install shows on disk and on
    // screen.
    return {
        {QStringLiteral("sprites/640hud7.spr"), DigitSheet::sprite({Grey, Ink, Outline::Solid, false})},
        {QStringLiteral("sprites/radar640.spr"), RadarArt::sprite({Grey, White, RadarArt::Shape::Rings})},
        {QStringLiteral("sprites/sniper_scope.spr"),
         ScopeArt::sprite({Grey, Grey, ScopeArt::Shape::Circle, ScopeArt::Reticle::Thin, 0, false, false})},
    };
}

bool writeAll(const QString& dataDir, QString* error)
{
    const QDir data(dataDir);
    for (const Entry& e : entries()) {
        QByteArray jpeg;
        if (!JpegEncoder::encode(e.preview, HudSizes::PreviewQuality, &jpeg, error))
            return false;
        if (!writeFile(data.filePath(QStringLiteral("huds/") + e.name + QStringLiteral(".spr")), e.sprite.write(),
                       error) ||
            !writeFile(data.filePath(QStringLiteral("huds/") + e.name + QStringLiteral(".jpg")), jpeg, error))
            return false;
    }
    for (const GameSprite& g : demoSprites()) {
        if (!writeFile(data.filePath(QStringLiteral("demo/cstrike/") + g.path), g.sprite.write(), error))
            return false;
    }
    return true;
}

} // namespace HudLibrary
