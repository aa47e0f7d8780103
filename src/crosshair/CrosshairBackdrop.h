#pragma once

class QPainter;
class QSizeF;

// The grounds the preview draws the crosshair on, drawn here in code: a dark corridor, bright sand
// (where an additive green crosshair washes out) and open sky.
namespace CrosshairBackdrop {

enum class Kind { Corridor, Sand, Sky };

// Fills a screen of `size` (in screen pixels, the painter's coordinates) with the ground `kind`.
void paint(QPainter& painter, const QSizeF& size, Kind kind);

} // namespace CrosshairBackdrop
