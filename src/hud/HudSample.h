#pragma once

#include <QIcon>
#include <QPixmap>

// The HUDs page's own pictures, drawn at run time: the sample HUD the preview shows before the
// first pick, and the glyph of "Apply HUDs".
namespace HudSample {

QPixmap picture(); // 256 x 115
QIcon applyGlyph();

} // namespace HudSample
