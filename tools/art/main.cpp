// vantrel_art OUTDIR [--icons DIR] [--web-icons DIR]
//
// Draws every runtime file of the game into OUTDIR: the bitmaps under image/,
// the window icon and the font. The same inputs give the same bytes on every
// run. (The page showing them all is vantrel_contact_sheet's.) With
// --icons, the desktop icons in the hicolor theme layout under DIR; with
// --web-icons, the browser build's manifest icons and colours, and the
// game's tables for the page (tables.json), in DIR.
#include <sys/stat.h>

#include <cstdio>
#include <cstring>

#include "art/art.h"
#include "state/display_state.h"

// Every file the game's tables name must have been drawn: an entry whose
// painter is missing stops the build here, by name.
static bool everyPictureWritten(const char* outDir)
{
    bool ok = true;
    for (const ImageElement& element : kImageElements) {
        for (size_t value = 0; value < element.imageCount; ++value) {
            const char* file = element.images[value];
            char path[512];
            struct stat info {};
            if (file != nullptr && !(std::snprintf(path, sizeof path, "%s/%s", outDir, file) < int{sizeof path} &&
                                     stat(path, &info) == 0 && S_ISREG(info.st_mode))) {
                std::fprintf(stderr, "vantrel_art: nothing drew %s (%s)\n", file, element.name);
                ok = false;
            }
        }
    }
    return ok;
}

int main(int argc, char** argv)
{
    const char* outDir = nullptr;
    const char* icons = nullptr;
    const char* webIcons = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--icons") == 0 && i + 1 < argc) {
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
        std::fprintf(stderr, "usage: vantrel_art OUTDIR [--icons DIR] [--web-icons DIR]\n");
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
                    everyPictureWritten(outDir) && (icons == nullptr || art::writeThemeIcons(icons)) &&
                    (webIcons == nullptr || (art::writeWebIcons(webIcons) && art::writeWebTables(webIcons)));
    for (cairo_surface_t* screen : screens) {
        if (screen != nullptr) {
            cairo_surface_destroy(screen);
        }
    }
    art::freeFonts(&fonts);
    return ok ? 0 : 1;
}
