// Card fronts and the card back, 70 × 98, and the writer of the 53 card files.
#include <cmath>

#include "art/art.h"
#include "cards/card_list.h"

namespace art {

namespace {

constexpr double kCardW = kCardSize.w;
constexpr double kCardH = kCardSize.h;
constexpr double kCorner = 5;

// Pip places of a real card: column (-1 left, 0 middle, 1 right) and height
// from 0 (top row) to 1 (bottom row); pips below the middle stand upside down.
struct Pip {
    int8_t column;
    double row;
};
struct PipLayout {
    int count;
    std::array<Pip, 10> pips;
};
constexpr std::array<PipLayout, 9> kPipLayouts = {{
    {2, {{{0, 0}, {0, 1}}}},
    {3, {{{0, 0}, {0, 0.5}, {0, 1}}}},
    {4, {{{-1, 0}, {1, 0}, {-1, 1}, {1, 1}}}},
    {5, {{{-1, 0}, {1, 0}, {0, 0.5}, {-1, 1}, {1, 1}}}},
    {6, {{{-1, 0}, {1, 0}, {-1, 0.5}, {1, 0.5}, {-1, 1}, {1, 1}}}},
    {7, {{{-1, 0}, {1, 0}, {0, 0.25}, {-1, 0.5}, {1, 0.5}, {-1, 1}, {1, 1}}}},
    {8, {{{-1, 0}, {1, 0}, {0, 0.25}, {-1, 0.5}, {1, 0.5}, {0, 0.75}, {-1, 1}, {1, 1}}}},
    {9, {{{-1, 0}, {1, 0}, {-1, 1.0 / 3}, {1, 1.0 / 3}, {0, 0.5}, {-1, 2.0 / 3}, {1, 2.0 / 3}, {-1, 1}, {1, 1}}}},
    {10,
     {{{-1, 0},
       {1, 0},
       {0, 1.0 / 6},
       {-1, 1.0 / 3},
       {1, 1.0 / 3},
       {-1, 2.0 / 3},
       {1, 2.0 / 3},
       {0, 5.0 / 6},
       {-1, 1},
       {1, 1}}}},
}};

constexpr std::array<const char*, 13> kIndexTexts = {"2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K", "A"};

void paintBlank(cairo_t* cr)
{
    roundedRect(cr, 0.5, 0.5, kCardW - 1, kCardH - 1, kCorner);
    setColor(cr, kPaper);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1);
    setColor(cr, kCardEdge);
    cairo_stroke(cr);
}

void fillSuit(cairo_t* cr, int32_t suit, double cx, double cy, double size, bool upsideDown)
{
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    if (upsideDown) {
        cairo_rotate(cr, kPi);
    }
    suitPath(cr, suit, 0, 0, size);
    setColor(cr, suitColor(suit));
    cairo_fill(cr);
    cairo_restore(cr);
}

// Rank and suit in the top-left corner, and again turned round at the
// bottom right, as on a real card.
void paintIndices(cairo_t* cr, const Fonts* fonts, int32_t rank, int32_t suit)
{
    const char* text = kIndexTexts[static_cast<size_t>(rank - kRankTwo)];
    for (int turn = 0; turn < 2; ++turn) {
        cairo_save(cr);
        if (turn == 1) {
            cairo_translate(cr, kCardW, kCardH);
            cairo_rotate(cr, kPi);
        }
        setFont(cr, fonts, kFontNarrowBold, rank == 10 ? 14 : 15);
        setColor(cr, suitColor(suit));
        cairo_save(cr);
        if (rank == 10) {
            cairo_translate(cr, 8, 0);
            cairo_scale(cr, 0.86, 1);
            showText(cr, text, 0, 15, kAlignCenter);
        } else {
            showText(cr, text, 8, 15, kAlignCenter);
        }
        cairo_restore(cr);
        fillSuit(cr, suit, 8, 23, 9, false);
        cairo_restore(cr);
    }
}

void paintPips(cairo_t* cr, int32_t rank, int32_t suit)
{
    constexpr double kTop = 18;
    constexpr double kBottom = 80;
    constexpr double kColumnStep = 13;
    const PipLayout& layout = kPipLayouts[static_cast<size_t>(rank - kRankTwo)];
    const double size = rank >= 9 ? 13 : 14;
    for (int i = 0; i < layout.count; ++i) {
        const Pip& pip = layout.pips[static_cast<size_t>(i)];
        const double cx = kCardW / 2 + pip.column * kColumnStep;
        const double cy = kTop + (kBottom - kTop) * pip.row;
        fillSuit(cr, suit, cx, cy, size, pip.row > 0.5);
    }
}

void paintAce(cairo_t* cr, int32_t suit)
{
    if (suit == kSuitPique) {
        // The ace of spades carries the traditional ornament round its pip.
        cairo_save(cr);
        cairo_translate(cr, kCardW / 2, kCardH / 2);
        cairo_scale(cr, 1, 1.3);
        cairo_arc(cr, 0, 0, 24, 0, 2 * kPi);
        cairo_restore(cr);
        cairo_set_line_width(cr, 1.2);
        setColor(cr, kGoldDeep);
        cairo_stroke(cr);
        fillSuit(cr, suit, kCardW / 2, kCardH / 2, 36, false);
        return;
    }
    fillSuit(cr, suit, kCardW / 2, kCardH / 2, 40, false);
}

// ---- court cards: a bust in each half of a framed panel ----
//
// Each of the twelve is its own figure: a two-coloured dress (the halves of
// the bodice differ, as on old cards), its hair and, for kings, beard, the
// headwear of its rank, and an attribute held at its side.

constexpr double kFrameX = 15;
constexpr double kFrameY = 9;
constexpr double kFrameW = 40;
constexpr double kFrameH = 80;
constexpr double kMiddle = kFrameY + kFrameH / 2;
constexpr double kSide = kFrameX + kFrameW - 6;  // where the attribute is held

constexpr int32_t kFigureJack = 0;
constexpr int32_t kFigureQueen = 1;
constexpr int32_t kFigureKing = 2;

enum class Attribute { Halberd, Shield, Torch, Bow, Flower, Fan, Mirror, Sceptre, Orb, Axe, Sword, Harp };

struct CourtLook {
    Rgb dress;   // the left half of the bodice, and the headwear of jacks
    Rgb second;  // the right half
    Rgb hair;    // and beard
    Attribute attribute;
};
// [figure][suit]: suits in card order, trèfle, carreau, cœur, pique.
constexpr std::array<std::array<CourtLook, 4>, 3> kCourtLooks = {{
    {{
        {kDressGreen, kGold, kHairBrown, Attribute::Halberd},
        {kDressOrange, kDressBlue, kHairRed, Attribute::Shield},
        {kDressRed, kDressGreen, kHairBlond, Attribute::Torch},
        {kDressBlack, kDressRed, kHairBlack, Attribute::Bow},
    }},
    {{
        {kDressPurple, kGold, kHairBrown, Attribute::Flower},
        {kDressTeal, kDressRose, kHairBlack, Attribute::Fan},
        {kDressRose, kDressBlue, kHairBlond, Attribute::Mirror},
        {kDressBlue, kDressBlack, kHairRed, Attribute::Sceptre},
    }},
    {{
        {kDressBlue, kDressRed, kHairBrown, Attribute::Orb},
        {kDressGreen, kDressOrange, kHairGrey, Attribute::Axe},
        {kDressRed, kGold, kHairWhite, Attribute::Sword},
        {kDressPurple, kDressBlack, kHairBlack, Attribute::Harp},
    }},
}};

void paintCrown(cairo_t* cr, double cx, double top, int points, double width, double height)
{
    const double left = cx - width / 2;
    cairo_move_to(cr, left, top + height);
    for (int i = 0; i <= points * 2; ++i) {
        const double x = left + width * i / (points * 2);
        const double y = i % 2 == 0 ? top : top + height * 0.55;
        cairo_line_to(cr, x, y);
    }
    cairo_line_to(cr, left + width, top + height);
    cairo_close_path(cr);
    setColor(cr, kGold);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 0.6);
    setColor(cr, kGoldDeep);
    cairo_stroke(cr);
}

void line(cairo_t* cr, double width, Rgb color, double x0, double y0, double x1, double y1)
{
    cairo_set_line_width(cr, width);
    setColor(cr, color);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    cairo_stroke(cr);
}

void disc(cairo_t* cr, double cx, double cy, double radius, Rgb color)
{
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, radius, 0, 2 * kPi);
    setColor(cr, color);
    cairo_fill(cr);
}

void paintDress(cairo_t* cr, const CourtLook& look, double cx)
{
    // Square shoulders down to the middle line, in two halves.
    for (int half = 0; half < 2; ++half) {
        const double outer = half == 0 ? kFrameX + 1 : kFrameX + kFrameW - 1;
        const double bend = half == 0 ? -1 : 1;
        cairo_move_to(cr, cx, kMiddle);
        cairo_line_to(cr, outer, kMiddle);
        cairo_line_to(cr, outer, 42);
        cairo_curve_to(cr, outer, 37, cx + 9 * bend, 35, cx + 5 * bend, 35);
        cairo_line_to(cr, cx, 35);
        cairo_close_path(cr);
        setColor(cr, half == 0 ? look.dress : look.second);
        cairo_fill(cr);
    }
    // V collar, gold placket and belt.
    cairo_move_to(cr, cx - 5, 35);
    cairo_line_to(cr, cx, 42);
    cairo_line_to(cr, cx + 5, 35);
    cairo_close_path(cr);
    setColor(cr, kCream);
    cairo_fill(cr);
    line(cr, 1.6, kGold, cx, 42, cx, kMiddle);
    line(cr, 1, kGold, kFrameX + 1, 44, kFrameX + kFrameW - 1, 44);
}

void paintHead(cairo_t* cr, const CourtLook& look, int32_t figure, double cx, double headY)
{
    // Hair behind the head: long for queens, short for the others.
    setColor(cr, look.hair);
    if (figure == kFigureQueen) {
        roundedRect(cr, cx - 8.5, headY - 6, 17, 16, 6);
    } else {
        cairo_new_path(cr);
        cairo_arc(cr, cx, headY - 1, 7.4, kPi, 2 * kPi);
    }
    cairo_fill(cr);
    cairo_save(cr);
    cairo_translate(cr, cx, headY);
    cairo_scale(cr, 1, 1.12);
    cairo_arc(cr, 0, 0, 6.2, 0, 2 * kPi);
    cairo_restore(cr);
    setColor(cr, kSkin);
    cairo_fill(cr);
    if (figure == kFigureKing) {
        cairo_move_to(cr, cx - 6, headY + 1);
        cairo_curve_to(cr, cx - 5.5, headY + 10, cx + 5.5, headY + 10, cx + 6, headY + 1);
        cairo_curve_to(cr, cx + 3, headY + 4.5, cx - 3, headY + 4.5, cx - 6, headY + 1);
        setColor(cr, look.hair);
        cairo_fill(cr);
    } else if (figure == kFigureJack) {
        line(cr, 1, look.hair, cx - 2.8, headY + 2.4, cx + 2.8, headY + 2.4);  // moustache
    }
    disc(cr, cx - 2.3, headY - 0.6, 0.8, kPipBlack);
    disc(cr, cx + 2.3, headY - 0.6, 0.8, kPipBlack);
    line(cr, 0.9, kLips, cx - 1.6, headY + 3.6, cx + 1.6, headY + 3.6);
}

// Crown for kings, diadem for queens, a feathered cap for jacks.
void paintHeadwear(cairo_t* cr, const CourtLook& look, int32_t figure, double cx, double headY)
{
    if (figure == kFigureKing) {
        paintCrown(cr, cx, headY - 16, 3, 15, 10);
        disc(cr, cx, headY - 9, 1.2, look.second);
    } else if (figure == kFigureQueen) {
        paintCrown(cr, cx, headY - 12.5, 4, 13, 6);
        disc(cr, cx, headY - 9.5, 1.1, look.second);
    } else {
        cairo_move_to(cr, cx - 8.5, headY - 4.5);
        cairo_curve_to(cr, cx - 7.5, headY - 13, cx + 7.5, headY - 13, cx + 8.5, headY - 4.5);
        cairo_close_path(cr);
        setColor(cr, look.dress);
        cairo_fill(cr);
        cairo_move_to(cr, cx + 2, headY - 10);
        cairo_curve_to(cr, cx + 4, headY - 15, cx + 7, headY - 16, cx + 9, headY - 19);
        cairo_set_line_width(cr, 1.8);
        setColor(cr, look.second);
        cairo_stroke(cr);
    }
}

void paintAttribute(cairo_t* cr, const CourtLook& look, int32_t suit)
{
    constexpr double kTop = kFrameY + 2;
    switch (look.attribute) {
    case Attribute::Halberd:
        line(cr, 1.4, kWood, kSide, kTop + 4, kSide, 42);
        cairo_move_to(cr, kSide, kTop + 6);
        cairo_curve_to(cr, kSide + 5, kTop + 7, kSide + 5, kTop + 13, kSide, kTop + 14);
        cairo_close_path(cr);
        cairo_move_to(cr, kSide, kTop);
        cairo_line_to(cr, kSide + 1.2, kTop + 5);
        cairo_line_to(cr, kSide - 1.2, kTop + 5);
        cairo_close_path(cr);
        setColor(cr, kSteel);
        cairo_fill(cr);
        break;
    case Attribute::Shield:
        cairo_move_to(cr, kSide - 5, 30);
        cairo_line_to(cr, kSide + 5, 30);
        cairo_curve_to(cr, kSide + 5, 38, kSide + 2, 41, kSide, 43);
        cairo_curve_to(cr, kSide - 2, 41, kSide - 5, 38, kSide - 5, 30);
        cairo_close_path(cr);
        setColor(cr, kSteel);
        cairo_fill_preserve(cr);
        cairo_set_line_width(cr, 0.8);
        setColor(cr, kGoldDeep);
        cairo_stroke(cr);
        suitPath(cr, suit, kSide, 35, 6);
        setColor(cr, suitColor(suit));
        cairo_fill(cr);
        break;
    case Attribute::Torch:
        line(cr, 1.8, kWood, kSide, 24, kSide, 42);
        cairo_move_to(cr, kSide, kTop + 2);
        cairo_curve_to(cr, kSide + 5, kTop + 8, kSide + 3, 24, kSide, 24);
        cairo_curve_to(cr, kSide - 3, 24, kSide - 5, kTop + 8, kSide, kTop + 2);
        setColor(cr, kDressOrange);
        cairo_fill(cr);
        disc(cr, kSide, 20.5, 1.6, kGoldPale);
        break;
    case Attribute::Bow:
        cairo_new_path(cr);
        cairo_arc(cr, kSide - 8, 27, 12, -1.0, 1.0);
        cairo_set_line_width(cr, 1.8);
        setColor(cr, kWood);
        cairo_stroke(cr);
        line(cr, 0.7, kSteel, kSide - 8 + 12 * std::cos(1.0), 27 - 12 * std::sin(1.0), kSide - 8 + 12 * std::cos(1.0),
             27 + 12 * std::sin(1.0));
        break;
    case Attribute::Flower:
        cairo_set_line_width(cr, 1.2);
        setColor(cr, kLeaf);
        cairo_move_to(cr, kSide, 40);
        cairo_curve_to(cr, kSide + 1, 32, kSide - 1, 26, kSide, 20);
        cairo_stroke(cr);
        for (int petal = 0; petal < 5; ++petal) {
            const double a = petal * 2 * kPi / 5;
            disc(cr, kSide + 2.4 * std::cos(a), 18 + 2.4 * std::sin(a), 1.8, kPipRed);
        }
        disc(cr, kSide, 18, 1.3, kGold);
        break;
    case Attribute::Fan:
        cairo_move_to(cr, kSide, 36);
        cairo_arc(cr, kSide, 36, 10, -kPi * 0.85, -kPi * 0.15);
        cairo_close_path(cr);
        setColor(cr, look.second);
        cairo_fill(cr);
        for (int rib = 0; rib < 5; ++rib) {
            const double a = -kPi * (0.85 - 0.175 * rib);
            line(cr, 0.5, kCream, kSide, 36, kSide + 10 * std::cos(a), 36 + 10 * std::sin(a));
        }
        break;
    case Attribute::Mirror:
        line(cr, 1.8, kGoldDeep, kSide, 30, kSide, 41);
        cairo_save(cr);
        cairo_translate(cr, kSide, 24);
        cairo_scale(cr, 1, 1.3);
        cairo_arc(cr, 0, 0, 4.5, 0, 2 * kPi);
        cairo_restore(cr);
        setColor(cr, kSteel);
        cairo_fill_preserve(cr);
        cairo_set_line_width(cr, 1.2);
        setColor(cr, kGold);
        cairo_stroke(cr);
        break;
    case Attribute::Sceptre:
        line(cr, 1.6, kGold, kSide, kTop + 6, kSide, 42);
        suitPath(cr, suit, kSide, kTop + 4, 7);
        setColor(cr, kGold);
        cairo_fill(cr);
        break;
    case Attribute::Orb:
        disc(cr, kSide - 1, 36, 4.5, kGold);
        line(cr, 1.2, kGoldDeep, kSide - 5.5, 36, kSide + 3.5, 36);
        line(cr, 1.2, kGoldDeep, kSide - 1, 28, kSide - 1, 31.5);
        line(cr, 1.2, kGoldDeep, kSide - 3, 29.5, kSide + 1, 29.5);
        break;
    case Attribute::Axe:
        line(cr, 1.6, kWood, kSide, kTop + 2, kSide, 42);
        cairo_move_to(cr, kSide, kTop + 4);
        cairo_curve_to(cr, kSide + 7, kTop + 2, kSide + 7, kTop + 14, kSide, kTop + 12);
        cairo_close_path(cr);
        setColor(cr, kSteel);
        cairo_fill(cr);
        break;
    case Attribute::Sword:
        line(cr, 2, kSteel, kSide, kFrameY + 3, kSide, 36);
        line(cr, 1.8, kGoldDeep, kSide - 3.5, 36, kSide + 3.5, 36);
        line(cr, 1.8, kGoldDeep, kSide, 36, kSide, 41);
        break;
    case Attribute::Harp:
        cairo_move_to(cr, kSide - 4, 42);
        cairo_line_to(cr, kSide - 4, 20);
        cairo_curve_to(cr, kSide + 2, 22, kSide + 5, 30, kSide + 4, 42);
        cairo_close_path(cr);
        cairo_set_line_width(cr, 1.4);
        setColor(cr, kGold);
        cairo_stroke(cr);
        for (int string = 1; string < 4; ++string) {
            line(cr, 0.5, kPearl, kSide - 4 + 2 * string, 22 + 2.2 * string, kSide - 4 + 2 * string, 42);
        }
        break;
    }
}

// One bust in the upper half of the panel.
void paintFigure(cairo_t* cr, int32_t figure, int32_t suit)
{
    const CourtLook& look = kCourtLooks[static_cast<size_t>(figure)][static_cast<size_t>(suit)];
    const double cx = kCardW / 2 - 2;
    const double headY = 27;
    paintDress(cr, look, cx);
    paintHead(cr, look, figure, cx, headY);
    paintHeadwear(cr, look, figure, cx, headY);
    paintAttribute(cr, look, suit);
    fillSuit(cr, suit, kFrameX + 6, kFrameY + 7, 8, false);
}

void paintCourt(cairo_t* cr, int32_t rank, int32_t suit)
{
    const int32_t figure = rank - 11;
    roundedRect(cr, kFrameX, kFrameY, kFrameW, kFrameH, 2);
    setColor(cr, kCourtPanel);
    cairo_fill(cr);
    for (int turn = 0; turn < 2; ++turn) {
        cairo_save(cr);
        if (turn == 1) {
            cairo_translate(cr, kCardW, kCardH);
            cairo_rotate(cr, kPi);
        }
        cairo_rectangle(cr, kFrameX, kFrameY, kFrameW, kFrameH / 2);
        cairo_clip(cr);
        paintFigure(cr, figure, suit);
        cairo_restore(cr);
    }
    roundedRect(cr, kFrameX, kFrameY, kFrameW, kFrameH, 2);
    cairo_set_line_width(cr, 1);
    setColor(cr, suitColor(suit));
    cairo_stroke(cr);
}

}  // namespace

void paintCardFront(cairo_t* cr, const Fonts* fonts, int32_t rank, int32_t suit)
{
    paintBlank(cr);
    if (rank == kRankAce) {
        paintAce(cr, suit);
    } else if (rank >= 11) {
        paintCourt(cr, rank, suit);
    } else {
        paintPips(cr, rank, suit);
    }
    paintIndices(cr, fonts, rank, suit);
}

void paintCardBack(cairo_t* cr)
{
    paintBlank(cr);
    constexpr double kInset = 4;
    const double w = kCardW - 2 * kInset;
    const double h = kCardH - 2 * kInset;
    cairo_save(cr);
    roundedRect(cr, kInset, kInset, w, h, 3);
    cairo_clip_preserve(cr);
    setColor(cr, kWine);
    cairo_fill(cr);
    // A lattice of gold lines both ways, with a dot at every crossing.
    constexpr double kStep = 8;
    cairo_set_line_width(cr, 0.8);
    setColorAlpha(cr, kGold, 0.55);
    for (double d = -kCardH; d < kCardW + kCardH; d += kStep) {
        cairo_move_to(cr, d, 0);
        cairo_line_to(cr, d + kCardH, kCardH);
        cairo_move_to(cr, d, 0);
        cairo_line_to(cr, d - kCardH, kCardH);
    }
    cairo_stroke(cr);
    setColorAlpha(cr, kGoldPale, 0.8);
    for (double y = kInset; y < kCardH; y += kStep) {
        for (double x = kInset + (static_cast<int>((y - kInset) / kStep) % 2 == 0 ? 0 : kStep / 2); x < kCardW;
             x += kStep) {
            // Crossings sit every half step along each row of the lattice.
            cairo_arc(cr, x - 0.5, y + kStep / 2 - 0.5, 0.9, 0, 2 * kPi);
            cairo_fill(cr);
        }
    }
    cairo_restore(cr);
    // Double gold frame and the medallion in the middle.
    roundedRect(cr, kInset + 2.5, kInset + 2.5, w - 5, h - 5, 2);
    cairo_set_line_width(cr, 1);
    setColor(cr, kGold);
    cairo_stroke(cr);
    cairo_save(cr);
    cairo_translate(cr, kCardW / 2, kCardH / 2);
    cairo_scale(cr, 1, 1.3);
    cairo_arc(cr, 0, 0, 14, 0, 2 * kPi);
    cairo_restore(cr);
    setColor(cr, kNightDeep);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.5);
    setColor(cr, kGold);
    cairo_stroke(cr);
    // A gold spade over a red heart in the medallion.
    suitPath(cr, kSuitPique, kCardW / 2, kCardH / 2 - 5, 13);
    setColor(cr, kGold);
    cairo_fill(cr);
    fillSuit(cr, kSuitCoeur, kCardW / 2, kCardH / 2 + 9, 11, false);
}

void paintCard(cairo_t* cr, const Fonts* fonts, int32_t cardId)
{
    if (cardId == 0) {
        paintCardBack(cr);
    } else {
        paintCardFront(cr, fonts, rankOfId(cardId), suitOfId(cardId));
    }
}

bool writeCards(const Job* job, cairo_surface_t* gameScreen)
{
    for (int32_t id = 0; id <= kDeckSize; ++id) {
        char path[kCardPathSize];
        if (!cardImagePath(id, path, sizeof path)) {
            return false;
        }
        // Round corners blend into the felt of the first card place; the
        // felt is even enough there for every place.
        Element element = beginElement(gameScreen, kCardPos[0], kCardSize.w, kCardSize.h);
        paintCard(element.cr, job->fonts, id);
        if (!finishElement(job, &element, path)) {
            return false;
        }
    }
    return true;
}

}  // namespace art
