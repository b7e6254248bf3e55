// Every button in every state: raised, pressed (sunk and darker) and
// unavailable (flat grey).
#include <cmath>

#include "art/art.h"
#include "cards/display_state.h"

namespace art {

namespace {

struct Shade {
    Rgb top;
    Rgb bottom;
    Rgb border;
    Rgb label;
};

Shade shadeFor(int32_t style, int32_t face)
{
    if (face == FACE_OFF) {
        return {kAsh, kAshDeep, {128, 130, 138}, {160, 162, 170}};
    }
    Shade shade = {{176, 42, 62}, kWineDeep, kGold, kCream};
    if (style == BUTTON_STYLE_GOLD) {
        shade = {{255, 226, 96}, {206, 150, 8}, kGoldDeep, kWineDeep};
    } else if (style == BUTTON_STYLE_NIGHT) {
        shade = {{58, 82, 150}, kNightDeep, {150, 170, 220}, kCream};
    }
    if (face == FACE_DOWN) {
        // Pressed: darker, lit from below as if sunk into the panel.
        const Rgb top = mix(shade.bottom, kInk, 0.35);
        shade.bottom = mix(shade.top, kInk, 0.4);
        shade.top = top;
        shade.border = mix(shade.border, kInk, 0.3);
        shade.label = style == BUTTON_STYLE_GOLD ? kInk : kGold;
    }
    return shade;
}

void paintLabel(cairo_t* cr, const Fonts* fonts, Size size, const char* text, Rgb color, double drop, bool embossed)
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

}  // namespace

void paintButton(cairo_t* cr, const Fonts* fonts, Size size, ButtonLook look)
{
    const Shade shade = shadeFor(look.style, look.face);
    const double radius = size.h < 24 ? 4 : 6;
    const double w = size.w - 2;
    const double h = size.h - 2.5;
    const bool up = look.face == FACE_UP;
    const double drop = look.face == FACE_DOWN ? 1.5 : 0;

    if (up) {
        // Raised: a soft shadow under it.
        roundedRect(cr, 1.5, 2, w - 1, h, radius);
        setColorAlpha(cr, {0, 0, 0}, 0.5);
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
        setColorAlpha(cr, {255, 255, 255}, look.style == BUTTON_STYLE_GOLD ? 0.28 : 0.14);
        cairo_fill(cr);
    } else if (look.face == FACE_DOWN) {
        // The upper rim casts a shadow into the sunk button.
        cairo_pattern_t* shadow = cairo_pattern_create_linear(0, drop, 0, drop + 6);
        cairo_pattern_add_color_stop_rgba(shadow, 0, 0, 0, 0, 0.5);
        cairo_pattern_add_color_stop_rgba(shadow, 1, 0, 0, 0, 0);
        roundedRect(cr, 1.6, 1.1 + drop, w - 1.2, h - 1.2, radius);
        cairo_set_source(cr, shadow);
        cairo_fill(cr);
        cairo_pattern_destroy(shadow);
    }
    // Light lettering gets a shadow; the dark lettering of gold buttons does not.
    paintLabel(cr, fonts, size, look.label, shade.label, drop,
               look.style != BUTTON_STYLE_GOLD || look.face == FACE_OFF);
}

bool writeButtons(const Job* job, const std::array<cairo_surface_t*, 6>& screens)
{
    struct ButtonFile {
        const char* path;
        Size size;
        ButtonLook look;
        int32_t screen;  // a background the button stands on
        ScreenPos pos;
    };
    const std::array<ButtonFile, 22> files = {{
        {imageFor(kAideButtonImages, kButtonUp),
         kSmallButtonSize,
         {"AIDE", BUTTON_STYLE_WINE, FACE_UP},
         kScreenStart,
         kAideButtonPos},
        {imageFor(kAideButtonImages, kButtonDown),
         kSmallButtonSize,
         {"AIDE", BUTTON_STYLE_WINE, FACE_DOWN},
         kScreenStart,
         kAideButtonPos},
        {imageFor(kAproposButtonImages, kButtonUp),
         kSmallButtonSize,
         {"À PROPOS", BUTTON_STYLE_WINE, FACE_UP},
         kScreenStart,
         kAproposButtonPos},
        {imageFor(kAproposButtonImages, kButtonDown),
         kSmallButtonSize,
         {"À PROPOS", BUTTON_STYLE_WINE, FACE_DOWN},
         kScreenStart,
         kAproposButtonPos},
        {imageFor(kRetourButtonImages, kButtonUp),
         kSmallButtonSize,
         {"RETOUR", BUTTON_STYLE_WINE, FACE_UP},
         kScreenOption,
         kRetourButtonPos},
        {imageFor(kRetourButtonImages, kButtonDown),
         kSmallButtonSize,
         {"RETOUR", BUTTON_STYLE_WINE, FACE_DOWN},
         kScreenOption,
         kRetourButtonPos},
        {imageFor(kContinuerButtonImages, kButtonUp),
         kSmallButtonSize,
         {"CONTINUER", BUTTON_STYLE_GOLD, FACE_UP},
         kScreenGameover,
         kContinuerButtonPos},
        {imageFor(kContinuerButtonImages, kButtonDown),
         kSmallButtonSize,
         {"CONTINUER", BUTTON_STYLE_GOLD, FACE_DOWN},
         kScreenGameover,
         kContinuerButtonPos},
        {imageFor(kGarderButtonImages, kButtonUp),
         kGarderButtonSize,
         {"CHANGER", BUTTON_STYLE_NIGHT, FACE_UP},
         kScreenJeu,
         kGarderButtonPos[0]},
        {imageFor(kGarderButtonImages, kButtonDown),
         kGarderButtonSize,
         {"CHANGER", BUTTON_STYLE_NIGHT, FACE_DOWN},
         kScreenJeu,
         kGarderButtonPos[0]},
        {imageFor(kNewGameButtonImages, kButtonUp),
         kLargeButtonSize,
         {"NOUVELLE PARTIE", BUTTON_STYLE_GOLD, FACE_UP},
         kScreenStart,
         kNewGameButtonPos},
        {imageFor(kNewGameButtonImages, kButtonDown),
         kLargeButtonSize,
         {"NOUVELLE PARTIE", BUTTON_STYLE_GOLD, FACE_DOWN},
         kScreenStart,
         kNewGameButtonPos},
        {imageFor(kOptionButtonImages, kButtonUp),
         kLargeButtonSize,
         {"OPTIONS", BUTTON_STYLE_WINE, FACE_UP},
         kScreenStart,
         kOptionButtonPos},
        {imageFor(kOptionButtonImages, kButtonDown),
         kLargeButtonSize,
         {"OPTIONS", BUTTON_STYLE_WINE, FACE_DOWN},
         kScreenStart,
         kOptionButtonPos},
        {imageFor(kResumeButtonImages, kButtonUp),
         kLargeButtonSize,
         {"REPRENDRE", BUTTON_STYLE_WINE, FACE_UP},
         kScreenStart,
         kResumeButtonPos},
        {imageFor(kResumeButtonImages, kButtonDown),
         kLargeButtonSize,
         {"REPRENDRE", BUTTON_STYLE_WINE, FACE_DOWN},
         kScreenStart,
         kResumeButtonPos},
        {imageFor(kResumeButtonImages, kResumeClosed),
         kLargeButtonSize,
         {"REPRENDRE", BUTTON_STYLE_WINE, FACE_OFF},
         kScreenStart,
         kResumeButtonPos},
        {imageFor(kCarteButtonImages, kCarteUp),
         kCarteButtonSize,
         {"CARTE", BUTTON_STYLE_GOLD, FACE_UP},
         kScreenJeu,
         kCarteButtonPos},
        {imageFor(kCarteButtonImages, kCarteDown),
         kCarteButtonSize,
         {"CARTE", BUTTON_STYLE_GOLD, FACE_DOWN},
         kScreenJeu,
         kCarteButtonPos},
        {imageFor(kCarteButtonImages, kCarteDisabled),
         kCarteButtonSize,
         {"CARTE", BUTTON_STYLE_GOLD, FACE_OFF},
         kScreenJeu,
         kCarteButtonPos},
        {imageFor(kCarteButtonImages, kRejouerUp),
         kCarteButtonSize,
         {"REJOUER", BUTTON_STYLE_GOLD, FACE_UP},
         kScreenJeu,
         kCarteButtonPos},
        {imageFor(kCarteButtonImages, kRejouerDown),
         kCarteButtonSize,
         {"REJOUER", BUTTON_STYLE_GOLD, FACE_DOWN},
         kScreenJeu,
         kCarteButtonPos},
    }};
    for (const ButtonFile& file : files) {
        if (file.path == nullptr) {
            return false;  // a state lost its picture in the layout tables
        }
        Element element = beginElement(screens[static_cast<size_t>(file.screen)], file.pos, file.size.w, file.size.h);
        paintButton(element.cr, job->fonts, file.size, file.look);
        if (!finishElement(job, &element, file.path)) {
            return false;
        }
    }
    return true;
}

}  // namespace art
