#pragma once

#include <QIcon>
#include <QPixmap>

// The program's pictures, drawn at run time in one look: a dark steel background, an amber
// crosshair mark and the product's name.
namespace Artwork {

// 498 x 101, the top of the main window, with `subtitle` (in the interface language) under the name.
QPixmap header(const QString& subtitle);
QPixmap splash(); // 388 x 138, the start-up window

// The same pictures kept in `cacheDir` once drawn, so that later starts load them instead of
// laying out their text again (which costs more than the rest of the first show). A picture that
// cannot be read or kept there is drawn as above; the cache changes nothing that is shown.
QPixmap header(const QString& subtitle, const QString& cacheDir);
QPixmap splash(const QString& cacheDir);
QIcon windowIcon();

} // namespace Artwork
