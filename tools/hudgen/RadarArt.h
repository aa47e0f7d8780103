#pragma once

#include "hudgen/Canvas.h"

// sprites/radar640.spr: the radar's background.
namespace RadarArt {

enum class Shape { Rings, Grid, Hollow, Octagon };

struct Look {
    Canvas::Rgb main;
    Canvas::Rgb second;
    Shape shape;
};

SpriteFile sprite(const Look& look);
// The radar scaled into the preview's height, centred.
RgbImage preview(const SpriteFile& sprite);

} // namespace RadarArt
