// The ten chips (up and down) with their colour key, and the window icon.
#include <cmath>
#include <cstring>

#include "art/art.h"
#include "cards/card_list.h"
#include "cards/display_state.h"

namespace art {

namespace {

struct ChipLook {
    const char* text;
    Rgb body;
    Rgb spots;  // the edge inserts, the inner ring and the lettering
};
// In button order: 1, 2, 5, 10, 20, 50, 100, 200, all-in, reset.
constexpr std::array<ChipLook, 10> kChipLooks = {{
    {"1", {232, 230, 222}, {30, 60, 140}},
    {"2", {196, 58, 138}, kCream},
    {"5", {192, 26, 38}, kCream},
    {"10", {32, 82, 170}, kCream},
    {"20", {28, 128, 112}, kCream},
    {"50", {226, 118, 24}, kCream},
    {"100", {34, 34, 40}, kGold},
    {"200", {98, 44, 150}, kCream},
    {"TAPIS", kGold, kWine},
    {"ANNULER", {168, 172, 182}, kNight},
}};

constexpr double kCentre = kArtChipSize / 2.0;

void discPath(cairo_t* cr, double radius)
{
    cairo_new_path(cr);
    cairo_arc(cr, kCentre, kCentre, radius, 0, 2 * kPi);
}

}  // namespace

void paintChip(cairo_t* cr, const Fonts* fonts, int32_t chip, int32_t face)
{
    const ChipLook& look = kChipLooks[static_cast<size_t>(chip)];
    const bool down = face == FACE_DOWN;
    constexpr double kR = kArtChipRadius;

    // A dark rim closes the disc, so its soft edge meets the felt, never the key.
    discPath(cr, kR);
    setColor(cr, mix(look.body, kInk, 0.65));
    cairo_fill(cr);

    // A pressed chip sinks: everything inside the rim shifts down a little.
    cairo_save(cr);
    if (down) {
        cairo_translate(cr, 0.5, 1.2);
    }
    discPath(cr, kR - 2);
    setColor(cr, look.body);
    cairo_fill(cr);

    // Eight inserts round the edge.
    setColor(cr, look.spots);
    for (int i = 0; i < 8; ++i) {
        const double a = i * kPi / 4 + kPi / 8;
        cairo_new_path(cr);
        cairo_arc(cr, kCentre, kCentre, kR - 3, a - 0.16, a + 0.16);
        cairo_arc_negative(cr, kCentre, kCentre, kR - 10, a + 0.2, a - 0.2);
        cairo_close_path(cr);
        cairo_fill(cr);
    }
    // Dashed inner ring and the inlay that carries the value; words (all-in,
    // reset) get a wider inlay instead of the ring.
    const bool word = std::strlen(look.text) > 3;
    const double inlay = word ? kR - 12 : kR - 16;
    if (!word) {
        cairo_set_line_width(cr, 1.4);
        const double dashes[] = {3.0, 2.2};
        cairo_set_dash(cr, dashes, 2, 0);
        discPath(cr, kR - 13);
        cairo_stroke(cr);
        cairo_set_dash(cr, nullptr, 0, 0);
    }
    discPath(cr, inlay);
    setColor(cr, mix(look.body, kCream, 0.82));
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.2);
    setColor(cr, mix(look.body, kInk, 0.3));
    cairo_stroke(cr);

    // Numbers in the chip's own colour, words in the inserts' colour, shrunk
    // to fit the inlay.
    setFont(cr, fonts, word ? FONT_NARROW_BOLD : FONT_SANS_BOLD, word ? 13 : 16);
    const double room = 2 * inlay - 6;
    if (textWidth(cr, look.text) > room) {
        setFont(cr, fonts, word ? FONT_NARROW_BOLD : FONT_SANS_BOLD,
                (word ? 13 : 16) * room / textWidth(cr, look.text));
    }
    const Rgb ink = chip == 0 || word ? look.spots : mix(look.body, kInk, 0.25);
    setColor(cr, ink);
    showText(cr, look.text, kCentre, kCentre + (word ? 4 : 5.5), ALIGN_CENTER);
    cairo_restore(cr);

    if (down) {
        // Shade it as if pushed below the light: darker, with the upper rim
        // casting a shadow inside.
        discPath(cr, kR - 1.5);
        setColorAlpha(cr, kInk, 0.32);
        cairo_fill(cr);
        cairo_pattern_t* shadow = cairo_pattern_create_linear(0, kCentre - kR, 0, kCentre);
        cairo_pattern_add_color_stop_rgba(shadow, 0, 0, 0, 0, 0.45);
        cairo_pattern_add_color_stop_rgba(shadow, 1, 0, 0, 0, 0);
        discPath(cr, kR - 1.5);
        cairo_set_source(cr, shadow);
        cairo_fill(cr);
        cairo_pattern_destroy(shadow);
    } else {
        // Light from the top left.
        cairo_pattern_t* light = cairo_pattern_create_radial(kCentre - 12, kCentre - 14, 2, kCentre, kCentre, kR);
        cairo_pattern_add_color_stop_rgba(light, 0, 1, 1, 1, 0.35);
        cairo_pattern_add_color_stop_rgba(light, 0.6, 1, 1, 1, 0.06);
        cairo_pattern_add_color_stop_rgba(light, 1, 0, 0, 0, 0.12);
        discPath(cr, kR - 1.5);
        cairo_set_source(cr, light);
        cairo_fill(cr);
        cairo_pattern_destroy(light);
    }
}

bool writeChips(const Job* job, cairo_surface_t* gameScreen)
{
    // The disc's coverage decides the key: a pixel the disc does not touch at
    // all becomes the key colour, every other pixel is the chip blended over
    // the felt that lies under this chip's place.
    cairo_surface_t* coverage = cairo_image_surface_create(CAIRO_FORMAT_A8, kArtChipSize, kArtChipSize);
    cairo_t* mask = cairo_create(coverage);
    discPath(mask, kArtChipRadius);
    cairo_fill(mask);
    cairo_destroy(mask);
    cairo_surface_flush(coverage);
    const unsigned char* alpha = cairo_image_surface_get_data(coverage);
    const int alphaStride = cairo_image_surface_get_stride(coverage);

    bool ok = true;
    for (size_t chip = 0; chip < kChipImages.size() && ok; ++chip) {
        for (int32_t face = kButtonUp; face <= kButtonDown && ok; ++face) {
            cairo_surface_t* layer = newLayer(kArtChipSize, kArtChipSize);
            cairo_t* cr = beginDrawing(layer);
            paintChip(cr, job->fonts, static_cast<int32_t>(chip), face == kButtonUp ? FACE_UP : FACE_DOWN);
            cairo_destroy(cr);

            cairo_surface_t* image = cropImage(gameScreen, kChipPos[chip], kArtChipSize, kArtChipSize);
            cr = cairo_create(image);
            cairo_set_source_surface(cr, layer, 0, 0);
            cairo_paint(cr);
            cairo_destroy(cr);
            cairo_surface_destroy(layer);

            cairo_surface_flush(image);
            unsigned char* pixels = cairo_image_surface_get_data(image);
            const int stride = cairo_image_surface_get_stride(image);
            const uint32_t key = (static_cast<uint32_t>(kChipColorKey.r) << 16) |
                                 (static_cast<uint32_t>(kChipColorKey.g) << 8) | kChipColorKey.b;
            for (int y = 0; y < kArtChipSize; ++y) {
                uint32_t* row = reinterpret_cast<uint32_t*>(pixels + y * stride);
                for (int x = 0; x < kArtChipSize; ++x) {
                    if (alpha[y * alphaStride + x] == 0) {
                        row[x] = key;
                    }
                }
            }
            cairo_surface_mark_dirty(image);
            ok = writeBmp(job, imageFor(kChipImages[chip], face), image);
            cairo_surface_destroy(image);
        }
    }
    cairo_surface_destroy(coverage);
    return ok;
}

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

bool writeIcon(const Job* job)
{
    cairo_surface_t* icon = newLayer(kIconSize, kIconSize);
    cairo_t* cr = beginDrawing(icon);
    paintIcon(cr);
    cairo_destroy(cr);
    const bool ok = writePng(job, kIconFile, icon);
    cairo_surface_destroy(icon);
    return ok;
}

}  // namespace art
