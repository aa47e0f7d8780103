// hudgen: draws the HUD library of the HUDs page and the demo game folder's sprites.
//
//   cmake --build build/t --target hudgen && build/t/tools/hudgen data
//
// writes data/huds/<entry>.spr and <entry>.jpg for the 25 entries of the page's three lists, and
// data/demo/cstrike/sprites/{640hud7,radar640,sniper_scope}.spr. The output is the same bytes on
// every run (integer drawing, fixed JPEG quality); a test regenerates it and compares it with the
// files in the repository, so change the drawing here, never the files.
//
// Sprite sizes (one frame each; the reasoning is in HudSizes.h):
//   640hud7.spr 256 x 128, radar640.spr 128 x 128, sniper_scope.spr 256 x 256 (a quarter).
// Previews are 256 x 115 JPEG pictures at quality 85, rendered from the sprites' own pixels.

#include "hudgen/HudLibrary.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: hudgen <data folder>\n");
        return 2;
    }
    QString error;
    if (!HudLibrary::writeAll(args.at(1), &error)) {
        std::fprintf(stderr, "hudgen: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
