#pragma once

#include "hudgen/Canvas.h"

// sprites/sniper_scope.spr: one quarter of the sniper scope, its centre at the lower right
// corner; the game mirrors it into the other three.
namespace ScopeArt {

enum class Shape { Circle, Rounded, Octagon };
enum class Reticle { Thin, Duplex, MilDots, Ticks, Gap };

struct Look {
    Canvas::Rgb main;   // the reticle
    Canvas::Rgb second; // the rim and the centre dot
    Shape shape;
    Reticle reticle;
    int rim; // width of a coloured rim inside the edge, in pixels (0: none)
    bool centreDot;
    bool dithered; // a darkening band inside the rim
};

SpriteFile sprite(const Look& look);
// The whole scope (four mirrored quarters) over a plain landscape, scaled into the preview.
RgbImage preview(const SpriteFile& sprite);

} // namespace ScopeArt
