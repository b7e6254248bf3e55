// vantrel_contact_sheet GAME_DIR FILE.png
//
// One PNG page for the reviewer: every picture of a folder the art tool has
// drawn (GAME_DIR, such as build/game) and the screens the game composes
// from it. Not needed to play, so not part of the game's build.
#include <cstdio>

#include "art/art.h"

int main(int argc, char** argv)
{
    if (argc != 3 || argv[1][0] == '-' || argv[2][0] == '-') {
        std::fprintf(stderr, "usage: vantrel_contact_sheet GAME_DIR FILE.png\n");
        return 2;
    }
    art::Fonts fonts;
    if (!art::loadFonts(&fonts)) {
        art::freeFonts(&fonts);
        return 1;
    }
    const art::Job job = {argv[1], &fonts};
    const bool ok = art::writeContactSheet(&job, argv[2]);
    art::freeFonts(&fonts);
    return ok ? 0 : 1;
}
