#pragma once

#include <QIcon>
#include <QList>
#include <QPixmap>

// The update window's and the news box's pictures, drawn at run time: a globe with a downward
// arrow in the program's amber on dark steel.
namespace UpdateArtwork {

QPixmap picture(int width, int height); // the framed picture of the update window and group
QIcon windowIcon();
QIcon idleGlyph();         // "Start!"
QIcon busyGlyph();         // "Abort"
QIcon newsGlyph();         // "GetNews!"
QList<QIcon> trayFrames(); // the tray icon's animation, one frame every 300 ms

} // namespace UpdateArtwork
