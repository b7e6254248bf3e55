// Every button in every state: raised, pressed (sunk and darker) and
// unavailable (flat grey).
#include <cmath>
#include <cstring>

#include "art/art.h"
#include "state/display_state.h"

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
    if (state == kStateOff) {
        return {kAsh, kAshDeep, kOffButtonEdge, kOffButtonLabel};
    }
    Shade shade = {kWineButtonTop, kWineDeep, kGold, kCream};
    if (style == kButtonStyleGold) {
        shade = {kGoldButtonTop, kGoldButtonBottom, kGoldDeep, kWineDeep};
    } else if (style == kButtonStyleNight) {
        shade = {kNightButtonTop, kNightDeep, kNightButtonEdge, kCream};
    }
    if (state == kStatePressed) {
        // Pressed: darker, lit from below as if sunk into the panel.
        const Rgb top = mix(shade.bottom, kInk, 0.35);
        shade.bottom = mix(shade.top, kInk, 0.4);
        shade.top = top;
        shade.border = mix(shade.border, kInk, 0.3);
        shade.label = style == kButtonStyleGold ? kInk : kGold;
    }
    return shade;
}

// `indent` keeps room on the left for a mark.
void paintLabel(cairo_t* cr, const Fonts* fonts, Size size, const char* text, Rgb color, double drop, bool embossed,
                double indent)
{
    double points = size.h * 0.44;
    setFont(cr, fonts, kFontSansBold, points);
    const double room = size.w - 14 - indent;
    if (textWidth(cr, text) > room) {
        points *= room / textWidth(cr, text);
        setFont(cr, fonts, kFontSansBold, points);
    }
    const double baseline = (size.h - 2) / 2.0 + points * 0.36 + drop;
    const double centre = (size.w + indent) / 2.0;
    if (embossed) {
        showEmbossed(cr, text, centre, baseline, color);
    } else {
        setColor(cr, color);
        showText(cr, text, centre, baseline, kAlignCenter);
    }
}

// A tick before the label of a card marked for exchange: the mark must read
// by its shape too, not only by the label's colour.
constexpr double kTickRoom = 12;
void paintTick(cairo_t* cr, Size size, Rgb color, double drop)
{
    const double mid = (size.h - 2) / 2.0 + drop;
    cairo_new_path(cr);
    cairo_move_to(cr, 7, mid);
    cairo_line_to(cr, 10, mid + 3.5);
    cairo_line_to(cr, 16, mid - 4);
    cairo_set_line_width(cr, 2.2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    setColor(cr, color);
    cairo_stroke(cr);
}

// Every button: its label and style, the background it stands on, and its
// picture for each state (raised, pressed, greyed out; null where the game
// has no such state).
struct ButtonArt {
    const char* label;
    int32_t style;
    Size size;
    int32_t screen;
    ScreenPos pos;
    std::array<const char*, 3> paths;  // by kState*
};
template <size_t N>
constexpr std::array<const char*, 3> statePaths(const ImageTable<N>& table, int32_t raised, int32_t pressed,
                                                int32_t off = -1)
{
    return {imageFor(table, raised), imageFor(table, pressed), imageFor(table, off)};
}
constexpr std::array<ButtonArt, 10> kButtons = {{
    {"AIDE", kButtonStyleWine, kSmallButtonSize, kScreenStart, kAideButtonPos,
     statePaths(kAideButtonImages, kButtonUp, kButtonDown)},
    {"À PROPOS", kButtonStyleWine, kSmallButtonSize, kScreenStart, kAproposButtonPos,
     statePaths(kAproposButtonImages, kButtonUp, kButtonDown)},
    {"RETOUR", kButtonStyleWine, kSmallButtonSize, kScreenOption, kRetourButtonPos,
     statePaths(kRetourButtonImages, kButtonUp, kButtonDown)},
    {"CONTINUER", kButtonStyleGold, kSmallButtonSize, kScreenGameover, kContinuerButtonPos,
     statePaths(kContinuerButtonImages, kButtonUp, kButtonDown)},
    {"CHANGER", kButtonStyleNight, kGarderButtonSize, kScreenJeu, kGarderButtonPos[0],
     statePaths(kGarderButtonImages, kButtonUp, kButtonDown)},
    {"NOUVELLE PARTIE", kButtonStyleGold, kLargeButtonSize, kScreenStart, kNewGameButtonPos,
     statePaths(kNewGameButtonImages, kButtonUp, kButtonDown)},
    {"OPTIONS", kButtonStyleWine, kLargeButtonSize, kScreenStart, kOptionButtonPos,
     statePaths(kOptionButtonImages, kButtonUp, kButtonDown)},
    {"REPRENDRE", kButtonStyleWine, kLargeButtonSize, kScreenStart, kResumeButtonPos,
     statePaths(kResumeButtonImages, kButtonUp, kButtonDown, kResumeClosed)},
    {"CARTE", kButtonStyleGold, kCarteButtonSize, kScreenJeu, kCarteButtonPos,
     statePaths(kCarteButtonImages, kCarteUp, kCarteDown, kCarteDisabled)},
    {"REJOUER", kButtonStyleGold, kCarteButtonSize, kScreenJeu, kCarteButtonPos,
     statePaths(kCarteButtonImages, kRejouerUp, kRejouerDown)},
}};

}  // namespace

const char* buttonLabel(const char* path)
{
    for (const ButtonArt& button : kButtons) {
        for (const char* own : button.paths) {
            if (own != nullptr && std::strcmp(own, path) == 0) {
                return button.label;
            }
        }
    }
    return nullptr;
}

void paintButton(cairo_t* cr, const Fonts* fonts, Size size, ButtonLook look)
{
    const Shade shade = shadeFor(look.style, look.state);
    const double radius = size.h < 24 ? 4 : 6;
    const double w = size.w - 2;
    const double h = size.h - 2.5;
    const bool up = look.state == kStateRaised;
    const double drop = look.state == kStatePressed ? 1.5 : 0;

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
        setColorAlpha(cr, kHighlight, look.style == kButtonStyleGold ? 0.28 : 0.14);
        cairo_fill(cr);
    } else if (look.state == kStatePressed) {
        // The upper rim casts a shadow into the sunk button.
        cairo_pattern_t* shadow = cairo_pattern_create_linear(0, drop, 0, drop + 6);
        addStop(shadow, 0, kShadow, 0.5);
        addStop(shadow, 1, kShadow, 0);
        roundedRect(cr, 1.6, 1.1 + drop, w - 1.2, h - 1.2, radius);
        cairo_set_source(cr, shadow);
        cairo_fill(cr);
        cairo_pattern_destroy(shadow);
    }
    // A pressed card-exchange button is a mark that stays: it wears a tick.
    const bool ticked = look.style == kButtonStyleNight && look.state == kStatePressed;
    if (ticked) {
        paintTick(cr, size, shade.label, drop);
    }
    // Light lettering gets a shadow; the dark lettering of gold buttons does not.
    paintLabel(cr, fonts, size, look.label, shade.label, drop,
               look.style != kButtonStyleGold || look.state == kStateOff, ticked ? kTickRoom : 0);
}

bool writeButtons(const Job* job, const std::array<cairo_surface_t*, 6>& screens)
{
    for (const ButtonArt& button : kButtons) {
        if (button.paths[kStateRaised] == nullptr || button.paths[kStatePressed] == nullptr) {
            return false;  // a state lost its picture in the layout tables
        }
        for (int32_t state = kStateRaised; state <= kStateOff; ++state) {
            const char* path = button.paths[static_cast<size_t>(state)];
            if (path == nullptr) {
                continue;
            }
            Element element =
                beginElement(screens[static_cast<size_t>(button.screen)], button.pos, button.size.w, button.size.h);
            paintButton(element.cr, job->fonts, button.size, {button.label, button.style, state});
            if (!finishElement(job, &element, path)) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace art
