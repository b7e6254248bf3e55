// The four suit symbols as paths, drawn in a unit box and scaled.
#include "art/art.h"
#include "cards/card_list.h"

namespace art {

namespace {

// Control points of the symbols in a 1 × 1 box centred on the origin, y down.
void heartPath(cairo_t* cr)
{
    cairo_move_to(cr, 0, 0.5);
    cairo_curve_to(cr, -0.08, 0.38, -0.5, 0.12, -0.5, -0.16);
    cairo_curve_to(cr, -0.5, -0.38, -0.36, -0.5, -0.25, -0.5);
    cairo_curve_to(cr, -0.12, -0.5, -0.03, -0.42, 0, -0.3);
    cairo_curve_to(cr, 0.03, -0.42, 0.12, -0.5, 0.25, -0.5);
    cairo_curve_to(cr, 0.36, -0.5, 0.5, -0.38, 0.5, -0.16);
    cairo_curve_to(cr, 0.5, 0.12, 0.08, 0.38, 0, 0.5);
    cairo_close_path(cr);
}

void diamondPath(cairo_t* cr)
{
    cairo_move_to(cr, 0, -0.5);
    cairo_curve_to(cr, 0.12, -0.3, 0.26, -0.14, 0.4, 0);
    cairo_curve_to(cr, 0.26, 0.14, 0.12, 0.3, 0, 0.5);
    cairo_curve_to(cr, -0.12, 0.3, -0.26, 0.14, -0.4, 0);
    cairo_curve_to(cr, -0.26, -0.14, -0.12, -0.3, 0, -0.5);
    cairo_close_path(cr);
}

// The flared foot shared by spades and clubs, from the body down to y 0.5.
void stemPath(cairo_t* cr, double top)
{
    cairo_move_to(cr, 0.035, top);
    cairo_curve_to(cr, 0.05, 0.36, 0.12, 0.46, 0.22, 0.5);
    cairo_line_to(cr, -0.22, 0.5);
    cairo_curve_to(cr, -0.12, 0.46, -0.05, 0.36, -0.035, top);
    cairo_close_path(cr);
}

void spadePath(cairo_t* cr)
{
    cairo_move_to(cr, 0, -0.5);
    cairo_curve_to(cr, 0.1, -0.34, 0.5, -0.1, 0.5, 0.12);
    cairo_curve_to(cr, 0.5, 0.3, 0.36, 0.38, 0.25, 0.38);
    cairo_curve_to(cr, 0.12, 0.38, 0.04, 0.31, 0, 0.22);
    cairo_curve_to(cr, -0.04, 0.31, -0.12, 0.38, -0.25, 0.38);
    cairo_curve_to(cr, -0.36, 0.38, -0.5, 0.3, -0.5, 0.12);
    cairo_curve_to(cr, -0.5, -0.1, -0.1, -0.34, 0, -0.5);
    cairo_close_path(cr);
    stemPath(cr, 0.1);
}

void clubPath(cairo_t* cr)
{
    constexpr double kLobe = 0.215;
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, -0.27, kLobe, 0, 2 * kPi);
    cairo_new_sub_path(cr);
    cairo_arc(cr, -0.26, 0.1, kLobe, 0, 2 * kPi);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0.26, 0.1, kLobe, 0, 2 * kPi);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0.02, 0.13, 0, 2 * kPi);
    stemPath(cr, 0.05);
}

}  // namespace

void suitPath(cairo_t* cr, int32_t suit, double cx, double cy, double size)
{
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, size, size);
    if (suit == kSuitCoeur) {
        heartPath(cr);
    } else if (suit == kSuitCarreau) {
        diamondPath(cr);
    } else if (suit == kSuitPique) {
        spadePath(cr);
    } else {
        clubPath(cr);
    }
    cairo_restore(cr);
}

bool isRedSuit(int32_t suit) { return suit == kSuitCoeur || suit == kSuitCarreau; }

Rgb suitColor(int32_t suit) { return isRedSuit(suit) ? kPipRed : kPipBlack; }

}  // namespace art
