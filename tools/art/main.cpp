// vantrel_art OUTDIR [--contact-sheet FILE] [--icons DIR] [--web-icons DIR]
//
// Draws every runtime file of the game into OUTDIR: the bitmaps under image/,
// the window icon and the font. The same inputs give the same bytes on every
// run. With --contact-sheet it also writes one PNG page showing them all; with
// --icons, the desktop icons in the hicolor theme layout under DIR; with
// --web-icons, the browser build's manifest icons and colours in DIR.
#include <cstdio>
#include <cstring>

#include "art/art.h"
#include "cards/display_state.h"

int main(int argc, char** argv)
{
    const char* outDir = nullptr;
    const char* sheet = nullptr;
    const char* icons = nullptr;
    const char* webIcons = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--contact-sheet") == 0 && i + 1 < argc) {
            sheet = argv[++i];
        } else if (std::strcmp(argv[i], "--icons") == 0 && i + 1 < argc) {
            icons = argv[++i];
        } else if (std::strcmp(argv[i], "--web-icons") == 0 && i + 1 < argc) {
            webIcons = argv[++i];
        } else if (outDir == nullptr && argv[i][0] != '-') {
            outDir = argv[i];
        } else {
            outDir = nullptr;
            break;
        }
    }
    if (outDir == nullptr) {
        std::fprintf(stderr, "usage: vantrel_art OUTDIR [--contact-sheet FILE.png] [--icons DIR] [--web-icons DIR]\n");
        return 2;
    }

    art::Fonts fonts;
    if (!art::loadFonts(&fonts)) {
        art::freeFonts(&fonts);
        return 1;
    }
    const art::Job job = {outDir, &fonts};
    std::array<cairo_surface_t*, 6> screens{};
    const bool ok = art::writeBackgrounds(&job, &screens) && art::writeButtons(&job, screens) &&
                    art::writeChips(&job, screens[kScreenJeu]) && art::writeCards(&job, screens[kScreenJeu]) &&
                    art::writeTexts(&job, screens[kScreenJeu]) && art::writeIcon(&job) && art::copyFont(&job) &&
                    (sheet == nullptr || art::writeContactSheet(&job, sheet)) &&
                    (icons == nullptr || art::writeThemeIcons(icons)) &&
                    (webIcons == nullptr || art::writeWebIcons(webIcons));
    for (cairo_surface_t* screen : screens) {
        if (screen != nullptr) {
            cairo_surface_destroy(screen);
        }
    }
    art::freeFonts(&fonts);
    return ok ? 0 : 1;
}
