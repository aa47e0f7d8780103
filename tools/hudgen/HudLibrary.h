#pragma once

#include "hud/RgbImage.h"
#include "hud/SpriteFile.h"

#include <QList>
#include <QString>

// Everything the generator writes: the library's 25 entries (sprite and preview, in the order of
// the HUDs page's lists) and the demo game folder's stand-ins for the three game sprites.
namespace HudLibrary {

struct Entry {
    QString name; // the library's file name without extension
    SpriteFile sprite;
    RgbImage preview;
};

QList<Entry> entries();

struct GameSprite {
    QString path; // relative to the game's cstrike folder
    SpriteFile sprite;
};

QList<GameSprite> demoSprites();

// Writes huds/<name>.spr and .jpg and demo/cstrike/sprites/*.spr under `dataDir`.
bool writeAll(const QString& dataDir, QString* error);

} // namespace HudLibrary
