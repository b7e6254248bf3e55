// The ten chips (up and down) with their colour key.
#include <cmath>
#include <cstring>

#include "art/art.h"
#include "cards/card_list.h"
#include "state/display_state.h"

namespace art {

namespace {

struct ChipLook {
    const char* text;
    Rgb body;
    Rgb spots;  // the edge inserts, the inner ring and the lettering
};
// In button order: 1, 2, 5, 10, 20, 50, 100, 200, all-in, reset.
constexpr std::array<ChipLook, 10> kChipLooks = {{
    {"1", kChipIvory, kChipNavy},
    {"2", kChipMagenta, kCream},
    {"5", kChipRed, kCream},
    {"10", kChipBlue, kCream},
    {"20", kChipTeal, kCream},
    {"50", kChipOrange, kCream},
    {"100", kChipBlack, kGold},
    {"200", kChipPurple, kCream},
    {"TAPIS", kGold, kWine},
    {"ANNULER", kChipSilver, kNight},
}};

constexpr double kCentre = kArtChipSize / 2.0;
constexpr double kR = kArtChipRadius;

void discPath(cairo_t* cr, double radius)
{
    cairo_new_path(cr);
    cairo_arc(cr, kCentre, kCentre, radius, 0, 2 * kPi);
}

// Words (all-in, reset) get a wider inlay and no dashed ring.
bool isWord(const ChipLook& look) { return std::strlen(look.text) > 3; }

// A dark rim closes the disc, so its soft edge meets the felt, never the key.
void paintChipRim(cairo_t* cr, const ChipLook& look)
{
    discPath(cr, kR);
    setColor(cr, mix(look.body, kInk, 0.65));
    cairo_fill(cr);
}

// The body inside the rim, eight inserts round its edge and, on numbered
// chips, a dashed inner ring.
void paintChipBody(cairo_t* cr, const ChipLook& look)
{
    discPath(cr, kR - 2);
    setColor(cr, look.body);
    cairo_fill(cr);
    setColor(cr, look.spots);
    for (int i = 0; i < 8; ++i) {
        const double a = i * kPi / 4 + kPi / 8;
        cairo_new_path(cr);
        cairo_arc(cr, kCentre, kCentre, kR - 3, a - 0.16, a + 0.16);
        cairo_arc_negative(cr, kCentre, kCentre, kR - 10, a + 0.2, a - 0.2);
        cairo_close_path(cr);
        cairo_fill(cr);
    }
    if (!isWord(look)) {
        cairo_set_line_width(cr, 1.4);
        const double dashes[] = {3.0, 2.2};
        cairo_set_dash(cr, dashes, 2, 0);
        discPath(cr, kR - 13);
        cairo_stroke(cr);
        cairo_set_dash(cr, nullptr, 0, 0);
    }
}

// The pale inlay and the value on it: numbers in the chip's own colour,
// words in the inserts' colour, shrunk to fit the inlay.
void paintChipInlay(cairo_t* cr, const Fonts* fonts, const ChipLook& look, bool ivory)
{
    const bool word = isWord(look);
    const double inlay = word ? kR - 12 : kR - 16;
    discPath(cr, inlay);
    setColor(cr, mix(look.body, kCream, 0.82));
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.2);
    setColor(cr, mix(look.body, kInk, 0.3));
    cairo_stroke(cr);

    const int32_t font = word ? kFontNarrowBold : kFontSansBold;
    const double points = word ? 13 : 16;
    setFont(cr, fonts, font, points);
    const double room = 2 * inlay - 6;
    if (textWidth(cr, look.text) > room) {
        setFont(cr, fonts, font, points * room / textWidth(cr, look.text));
    }
    // Numbers darker than the body: 4.5:1 against the pale inlay.
    setColor(cr, ivory || word ? look.spots : mix(look.body, kInk, 0.6));
    showText(cr, look.text, kCentre, kCentre + (word ? 4 : 5.5), kAlignCenter);
}

// Raised: light from the top left. Pressed: darker, as if pushed below the
// light, with the upper rim casting a shadow inside.
void paintChipLight(cairo_t* cr, bool pressed)
{
    cairo_pattern_t* light = nullptr;
    if (pressed) {
        discPath(cr, kR - 1.5);
        setColorAlpha(cr, kInk, 0.32);
        cairo_fill(cr);
        light = cairo_pattern_create_linear(0, kCentre - kR, 0, kCentre);
        addStop(light, 0, kShadow, 0.45);
        addStop(light, 1, kShadow, 0);
    } else {
        light = cairo_pattern_create_radial(kCentre - 12, kCentre - 14, 2, kCentre, kCentre, kR);
        addStop(light, 0, kHighlight, 0.35);
        addStop(light, 0.6, kHighlight, 0.06);
        addStop(light, 1, kShadow, 0.12);
    }
    discPath(cr, kR - 1.5);
    cairo_set_source(cr, light);
    cairo_fill(cr);
    cairo_pattern_destroy(light);
}

}  // namespace

// A chip is painted in four parts, bottom to top: rim, body with its inserts,
// inlay with the value, light.
void paintChip(cairo_t* cr, const Fonts* fonts, int32_t chip, int32_t state)
{
    const ChipLook& look = kChipLooks[static_cast<size_t>(chip)];
    const bool pressed = state == kStatePressed;
    paintChipRim(cr, look);
    // A pressed chip sinks: everything inside the rim shifts down a little.
    cairo_save(cr);
    if (pressed) {
        cairo_translate(cr, 0.5, 1.2);
    }
    paintChipBody(cr, look);
    paintChipInlay(cr, fonts, look, chip == 0);
    cairo_restore(cr);
    paintChipLight(cr, pressed);
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
        for (int32_t button = kButtonUp; button <= kButtonDown && ok; ++button) {
            cairo_surface_t* layer = newLayer(kArtChipSize, kArtChipSize);
            cairo_t* cr = beginDrawing(layer);
            paintChip(cr, job->fonts, static_cast<int32_t>(chip), button == kButtonUp ? kStateRaised : kStatePressed);
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
            ok = writeBmp(job, imageFor(kChipImages[chip], button), image);
            cairo_surface_destroy(image);
        }
    }
    cairo_surface_destroy(coverage);
    return ok;
}

}  // namespace art
