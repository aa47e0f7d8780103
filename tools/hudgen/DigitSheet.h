#pragma once

#include "hudgen/Canvas.h"

// sprites/640hud7.spr: the sheet of the HUD's digits and status icons. The game cuts its pieces
// out by rectangle, so the sheet keeps a fixed layout (see DigitSheet.cpp).
namespace DigitSheet {

struct Look {
    Canvas::Rgb main;
    Canvas::Rgb second;
    Canvas::Outline outline;
    bool slanted;
};

SpriteFile sprite(const Look& look);
// The top of the sheet at its own size: the digits and icons as drawn.
RgbImage preview(const SpriteFile& sprite);

} // namespace DigitSheet
