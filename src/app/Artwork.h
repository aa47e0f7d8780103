#pragma once

#include <QIcon>
#include <QPixmap>

// The program's pictures, drawn at run time in one look: a dark steel background, an amber
// crosshair mark and the product's name.
namespace Artwork {

// 498 x 101, the top of the main window, with `subtitle` (in the interface language) under the name.
QPixmap header(const QString& subtitle);
QPixmap splash(); // 388 x 138, the start-up window
QIcon windowIcon();

} // namespace Artwork
