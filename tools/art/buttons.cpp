// Every button in every state: raised, pressed (sunk and darker) and
// unavailable (flat grey).
#include <cmath>

#include "art/art.h"
#include "display/display_state.h"

namespace art {

namespace {

struct Shade {
    Rgb top;
    Rgb bottom;
    Rgb border;
    Rgb label;
};

Shade shadeFor(int32_t style, int32_t state)
{
    if (state == STATE_OFF) {
        return {kAsh, kAshDeep, kOffButtonEdge, kOffButtonLabel};
    }
    Shade shade = {kWineButtonTop, kWineDeep, kGold, kCream};
    if (style == BUTTON_STYLE_GOLD) {
        shade = {kGoldButtonTop, kGoldButtonBottom, kGoldDeep, kWineDeep};
    } else if (style == BUTTON_STYLE_NIGHT) {
        shade = {kNightButtonTop, kNightDeep, kNightButtonEdge, kCream};
    }
    if (state == STATE_PRESSED) {
        // Pressed: darker, lit from below as if sunk into the panel.
        const Rgb top = mix(shade.bottom, kInk, 0.35);
        shade.bottom = mix(shade.top, kInk, 0.4);
        shade.top = top;
        shade.border = mix(shade.border, kInk, 0.3);
        shade.label = style == BUTTON_STYLE_GOLD ? kInk : kGold;
    }
    return shade;
}

void paintLabel(cairo_t* cr, const Fonts* fonts, Size size, const char* text, Rgb color, double drop,
                bool embossed)
{
    double points = size.h * 0.44;
    setFont(cr, fonts, FONT_SANS_BOLD, points);
    const double room = size.w - 14;
    if (textWidth(cr, text) > room) {
        points *= room / textWidth(cr, text);
        setFont(cr, fonts, FONT_SANS_BOLD, points);
    }
    const double baseline = (size.h - 2) / 2.0 + points * 0.36 + drop;
    if (embossed) {
        showEmbossed(cr, text, size.w / 2.0, baseline, color);
    } else {
        setColor(cr, color);
        showText(cr, text, size.w / 2.0, baseline, ALIGN_CENTER);
    }
}

// Every button picture: its label and style, and the background it stands on.
struct ButtonFile {
    const char* path;
    Size size;
    ButtonLook look;
    int32_t screen;  // a background the button stands on
    ScreenPos pos;
};
constexpr std::array<ButtonFile, 22> kButtonFiles = {{
    {imageFor(kAideButtonImages, BUTTON_UP), kSmallButtonSize, {"AIDE", BUTTON_STYLE_WINE, STATE_RAISED},
     SCREEN_START, kAideButtonPos},
    {imageFor(kAideButtonImages, BUTTON_DOWN), kSmallButtonSize, {"AIDE", BUTTON_STYLE_WINE, STATE_PRESSED},
     SCREEN_START, kAideButtonPos},
    {imageFor(kAproposButtonImages, BUTTON_UP), kSmallButtonSize, {"À PROPOS", BUTTON_STYLE_WINE, STATE_RAISED},
     SCREEN_START, kAproposButtonPos},
    {imageFor(kAproposButtonImages, BUTTON_DOWN), kSmallButtonSize,
     {"À PROPOS", BUTTON_STYLE_WINE, STATE_PRESSED}, SCREEN_START, kAproposButtonPos},
    {imageFor(kRetourButtonImages, BUTTON_UP), kSmallButtonSize, {"RETOUR", BUTTON_STYLE_WINE, STATE_RAISED},
     SCREEN_OPTION, kRetourButtonPos},
    {imageFor(kRetourButtonImages, BUTTON_DOWN), kSmallButtonSize, {"RETOUR", BUTTON_STYLE_WINE, STATE_PRESSED},
     SCREEN_OPTION, kRetourButtonPos},
    {imageFor(kContinuerButtonImages, BUTTON_UP), kSmallButtonSize,
     {"CONTINUER", BUTTON_STYLE_GOLD, STATE_RAISED}, SCREEN_GAMEOVER, kContinuerButtonPos},
    {imageFor(kContinuerButtonImages, BUTTON_DOWN), kSmallButtonSize,
     {"CONTINUER", BUTTON_STYLE_GOLD, STATE_PRESSED}, SCREEN_GAMEOVER, kContinuerButtonPos},
    {imageFor(kGarderButtonImages, BUTTON_UP), kGarderButtonSize, {"CHANGER", BUTTON_STYLE_NIGHT, STATE_RAISED},
     SCREEN_JEU, kGarderButtonPos[0]},
    {imageFor(kGarderButtonImages, BUTTON_DOWN), kGarderButtonSize,
     {"CHANGER", BUTTON_STYLE_NIGHT, STATE_PRESSED}, SCREEN_JEU, kGarderButtonPos[0]},
    {imageFor(kNewGameButtonImages, BUTTON_UP), kLargeButtonSize,
     {"NOUVELLE PARTIE", BUTTON_STYLE_GOLD, STATE_RAISED}, SCREEN_START, kNewGameButtonPos},
    {imageFor(kNewGameButtonImages, BUTTON_DOWN), kLargeButtonSize,
     {"NOUVELLE PARTIE", BUTTON_STYLE_GOLD, STATE_PRESSED}, SCREEN_START, kNewGameButtonPos},
    {imageFor(kOptionButtonImages, BUTTON_UP), kLargeButtonSize, {"OPTIONS", BUTTON_STYLE_WINE, STATE_RAISED},
     SCREEN_START, kOptionButtonPos},
    {imageFor(kOptionButtonImages, BUTTON_DOWN), kLargeButtonSize, {"OPTIONS", BUTTON_STYLE_WINE, STATE_PRESSED},
     SCREEN_START, kOptionButtonPos},
    {imageFor(kResumeButtonImages, BUTTON_UP), kLargeButtonSize, {"REPRENDRE", BUTTON_STYLE_WINE, STATE_RAISED},
     SCREEN_START, kResumeButtonPos},
    {imageFor(kResumeButtonImages, BUTTON_DOWN), kLargeButtonSize,
     {"REPRENDRE", BUTTON_STYLE_WINE, STATE_PRESSED}, SCREEN_START, kResumeButtonPos},
    {imageFor(kResumeButtonImages, RESUME_CLOSED), kLargeButtonSize,
     {"REPRENDRE", BUTTON_STYLE_WINE, STATE_OFF}, SCREEN_START, kResumeButtonPos},
    {imageFor(kCarteButtonImages, CARTE_UP), kCarteButtonSize, {"CARTE", BUTTON_STYLE_GOLD, STATE_RAISED},
     SCREEN_JEU, kCarteButtonPos},
    {imageFor(kCarteButtonImages, CARTE_DOWN), kCarteButtonSize, {"CARTE", BUTTON_STYLE_GOLD, STATE_PRESSED},
     SCREEN_JEU, kCarteButtonPos},
    {imageFor(kCarteButtonImages, CARTE_DISABLED), kCarteButtonSize, {"CARTE", BUTTON_STYLE_GOLD, STATE_OFF},
     SCREEN_JEU, kCarteButtonPos},
    {imageFor(kCarteButtonImages, REJOUER_UP), kCarteButtonSize, {"REJOUER", BUTTON_STYLE_GOLD, STATE_RAISED},
     SCREEN_JEU, kCarteButtonPos},
    {imageFor(kCarteButtonImages, REJOUER_DOWN), kCarteButtonSize,
     {"REJOUER", BUTTON_STYLE_GOLD, STATE_PRESSED}, SCREEN_JEU, kCarteButtonPos},
}};

}  // namespace

void paintButton(cairo_t* cr, const Fonts* fonts, Size size, ButtonLook look)
{
    const Shade shade = shadeFor(look.style, look.state);
    const double radius = size.h < 24 ? 4 : 6;
    const double w = size.w - 2;
    const double h = size.h - 2.5;
    const bool up = look.state == STATE_RAISED;
    const double drop = look.state == STATE_PRESSED ? 1.5 : 0;

    if (up) {
        // Raised: a soft shadow under it.
        roundedRect(cr, 1.5, 2, w - 1, h, radius);
        setColorAlpha(cr, kShadow, 0.5);
        cairo_fill(cr);
    }
    roundedRect(cr, 1, 0.5 + drop, w, h, radius);
    setVerticalGradient(cr, drop, shade.top, h + drop, shade.bottom);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.2);
    setColor(cr, shade.border);
    cairo_stroke(cr);

    if (up) {
        // A highlight along the top edge.
        roundedRect(cr, 3, 2.2, w - 4, h * 0.42, radius - 2);
        setColorAlpha(cr, kHighlight, look.style == BUTTON_STYLE_GOLD ? 0.28 : 0.14);
        cairo_fill(cr);
    } else if (look.state == STATE_PRESSED) {
        // The upper rim casts a shadow into the sunk button.
        cairo_pattern_t* shadow = cairo_pattern_create_linear(0, drop, 0, drop + 6);
        addStop(shadow, 0, kShadow, 0.5);
        addStop(shadow, 1, kShadow, 0);
        roundedRect(cr, 1.6, 1.1 + drop, w - 1.2, h - 1.2, radius);
        cairo_set_source(cr, shadow);
        cairo_fill(cr);
        cairo_pattern_destroy(shadow);
    }
    // Light lettering gets a shadow; the dark lettering of gold buttons does not.
    paintLabel(cr, fonts, size, look.label, shade.label, drop,
               look.style != BUTTON_STYLE_GOLD || look.state == STATE_OFF);
}

bool writeButtons(const Job* job, const std::array<cairo_surface_t*, 6>& screens)
{
    for (const ButtonFile& file : kButtonFiles) {
        if (file.path == nullptr) {
            return false;  // a state lost its picture in the layout tables
        }
        Element element =
            beginElement(screens[static_cast<size_t>(file.screen)], file.pos, file.size.w, file.size.h);
        paintButton(element.cr, job->fonts, file.size, file.look);
        if (!finishElement(job, &element, file.path)) {
            return false;
        }
    }
    return true;
}

}  // namespace art
