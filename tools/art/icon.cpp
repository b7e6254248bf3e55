// The game's icon: the window icon image/icon.png, the same design for the
// desktop at every size of the hicolor theme and as a scalable SVG, and for
// the browser build's web app manifest.
#include <cairo-svg.h>

#include <cstdio>

#include "art/art.h"
#include "cards/card_list.h"

namespace art {

namespace {

// The sizes desktops look up in the hicolor theme.
constexpr std::array<int, 8> kThemeSizes = {16, 22, 24, 32, 48, 64, 128, 256};
// The scalable icon's nominal size, as the largest bitmap.
constexpr int kSvgSize = 256;
// What phones and browsers ask a web app for: 192 and 512 pixels, and a
// maskable one that the launcher crops to its own shape.
constexpr std::array<int, 2> kWebSizes = {192, 512};
constexpr int kMaskableSize = 512;
// A launcher may cut a maskable icon down to the centred circle of 80 % of
// its side: the round design fits inside it on the theme colour.
constexpr double kMaskableSafeZone = 0.8;

// The design is made for kIconSize; other sizes scale it, so every size
// shows the same picture.
void paintIconAt(cairo_t* cr, int size)
{
    cairo_scale(cr, size / double(kIconSize), size / double(kIconSize));
    paintIcon(cr);
}

bool writeIconPng(const Job* job, const char* relPath, int size)
{
    cairo_surface_t* icon = newLayer(size, size);
    cairo_t* cr = beginDrawing(icon);
    paintIconAt(cr, size);
    cairo_destroy(cr);
    const bool ok = writePng(job, relPath, icon);
    cairo_surface_destroy(icon);
    return ok;
}

bool writeIconSvg(const char* path)
{
    if (!makeParentDirs(path)) {
        return false;
    }
    cairo_surface_t* svg = cairo_svg_surface_create(path, kSvgSize, kSvgSize);
    cairo_svg_surface_set_document_unit(svg, CAIRO_SVG_UNIT_PX);
    cairo_t* cr = beginDrawing(svg);
    paintIconAt(cr, kSvgSize);
    cairo_destroy(cr);
    cairo_surface_finish(svg);
    const bool ok = cairo_surface_status(svg) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(svg);
    if (!ok) {
        std::fprintf(stderr, "vantrel_art: cannot write %s\n", path);
    }
    return ok;
}

}  // namespace

void paintIcon(cairo_t* cr)
{
    constexpr double c = kIconSize / 2.0;
    cairo_arc(cr, c, c, c - 0.5, 0, 2 * kPi);
    setColor(cr, kGold);
    cairo_fill(cr);
    cairo_arc(cr, c, c, c - 3, 0, 2 * kPi);
    setColor(cr, kWine);
    cairo_fill(cr);
    setColor(cr, kCream);
    for (int i = 0; i < 6; ++i) {
        const double a = i * kPi / 3;
        cairo_new_path(cr);
        cairo_arc(cr, c, c, c - 3, a - 0.2, a + 0.2);
        cairo_arc_negative(cr, c, c, c - 7, a + 0.24, a - 0.24);
        cairo_close_path(cr);
        cairo_fill(cr);
    }
    suitPath(cr, kSuitPique, c, c + 0.5, 15);
    setColor(cr, kGold);
    cairo_fill(cr);
}

bool writeMaskableIcon(const Job* job, const char* relPath)
{
    cairo_surface_t* icon = newImage(kMaskableSize, kMaskableSize);
    cairo_t* cr = beginDrawing(icon);
    setColor(cr, kWebTheme);
    cairo_paint(cr);
    const double margin = kMaskableSize * (1 - kMaskableSafeZone) / 2;
    cairo_translate(cr, margin, margin);
    paintIconAt(cr, static_cast<int>(kMaskableSize * kMaskableSafeZone));
    cairo_destroy(cr);
    const bool ok = writePng(job, relPath, icon);
    cairo_surface_destroy(icon);
    return ok;
}

bool writeIcon(const Job* job) { return writeIconPng(job, kIconFile, kIconSize); }

bool writeThemeIcons(const char* themeDir)
{
    const Job theme = {themeDir, nullptr};
    char path[512];
    for (int size : kThemeSizes) {
        std::snprintf(path, sizeof path, "hicolor/%dx%d/apps/vantrel.png", size, size);
        if (!writeIconPng(&theme, path, size)) {
            return false;
        }
    }
    const int written = std::snprintf(path, sizeof path, "%s/hicolor/scalable/apps/vantrel.svg", themeDir);
    return written > 0 && static_cast<size_t>(written) < sizeof path && writeIconSvg(path);
}

// `name` under `webDir` opened for writing, or null after saying why.
std::FILE* openWebFile(const char* webDir, const char* name)
{
    char path[512];
    const int written = std::snprintf(path, sizeof path, "%s/%s", webDir, name);
    std::FILE* out = written > 0 && static_cast<size_t>(written) < sizeof path ? std::fopen(path, "w") : nullptr;
    if (out == nullptr) {
        std::fprintf(stderr, "vantrel_art: cannot write %s/%s\n", webDir, name);
    }
    return out;
}

bool writeWebIcons(const char* webDir)
{
    const Job web = {webDir, nullptr};
    char name[64];
    for (int size : kWebSizes) {
        std::snprintf(name, sizeof name, "icon-%d.png", size);
        if (!writeIconPng(&web, name, size)) {
            return false;
        }
    }
    if (!writeMaskableIcon(&web, "icon-maskable.png")) {
        return false;
    }
    // The page's and the manifest's colours, taken from the palette.
    std::FILE* colors = openWebFile(webDir, "colors.json");
    if (colors == nullptr) {
        return false;
    }
    bool ok =
        std::fprintf(colors, "{\"theme_color\": \"#%02x%02x%02x\", \"background_color\": \"#%02x%02x%02x\"}\n",
                     kWebTheme.r, kWebTheme.g, kWebTheme.b, kWebBackground.r, kWebBackground.g, kWebBackground.b) > 0;
    ok = std::fclose(colors) == 0 && ok;
    // Every character the game draws with arial.ttf: the numbers of the score
    // panel (signed integers) and the texts of the pages. The page's copy of
    // the font keeps only these.
    std::FILE* text = ok ? openWebFile(webDir, "font-text.txt") : nullptr;
    if (text == nullptr) {
        return false;
    }
    ok = std::fprintf(text, "0123456789-%s%s\n", kWebAddress, kVersionText) > 0;
    return std::fclose(text) == 0 && ok;
}

}  // namespace art
