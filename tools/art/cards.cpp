// Card faces and the card back, 70 × 98, and the writer of the 53 card files.
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
    setColor(cr, {150, 150, 146});
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
        setFont(cr, fonts, FONT_NARROW_BOLD, rank == 10 ? 14 : 15);
        setColor(cr, suitColor(suit));
        cairo_save(cr);
        if (rank == 10) {
            cairo_translate(cr, 8, 0);
            cairo_scale(cr, 0.86, 1);
            showText(cr, text, 0, 15, ALIGN_CENTER);
        } else {
            showText(cr, text, 8, 15, ALIGN_CENTER);
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

constexpr double kFrameX = 15;
constexpr double kFrameY = 9;
constexpr double kFrameW = 40;
constexpr double kFrameH = 80;
constexpr double kMiddle = kFrameY + kFrameH / 2;
constexpr Rgb kSkin = {248, 214, 178};
constexpr Rgb kFrameFill = {252, 244, 218};
constexpr Rgb kSteel = {190, 196, 206};

struct CourtLook {
    Rgb robe;
    Rgb hair;
};
// Jack, queen, king.
constexpr std::array<CourtLook, 3> kCourtLooks = {{
    {{32, 112, 80}, {120, 70, 30}},
    {{36, 70, 150}, {224, 176, 60}},
    {{150, 26, 44}, {236, 236, 232}},
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

void paintRobe(cairo_t* cr, const CourtLook& look, double cx)
{
    // Square shoulders down to the middle line, a gold band and a V collar.
    cairo_move_to(cr, kFrameX + 1, kMiddle);
    cairo_line_to(cr, kFrameX + 1, 42);
    cairo_curve_to(cr, kFrameX + 1, 37, cx - 9, 35, cx - 5, 35);
    cairo_line_to(cr, cx + 5, 35);
    cairo_curve_to(cr, cx + 9, 35, kFrameX + kFrameW - 1, 37, kFrameX + kFrameW - 1, 42);
    cairo_line_to(cr, kFrameX + kFrameW - 1, kMiddle);
    cairo_close_path(cr);
    setColor(cr, look.robe);
    cairo_fill(cr);
    cairo_move_to(cr, cx - 5, 35);
    cairo_line_to(cr, cx, 42);
    cairo_line_to(cr, cx + 5, 35);
    cairo_close_path(cr);
    setColor(cr, kCream);
    cairo_fill(cr);
    cairo_set_line_width(cr, 1.6);
    setColor(cr, kGold);
    cairo_move_to(cr, cx, 42);
    cairo_line_to(cr, cx, kMiddle);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 1);
    cairo_move_to(cr, kFrameX + 1, 44);
    cairo_line_to(cr, kFrameX + kFrameW - 1, 44);
    cairo_stroke(cr);
}

void paintHead(cairo_t* cr, const CourtLook& look, int32_t face, double cx, double headY)
{
    // Hair behind the head: long for the queen, short for the others.
    setColor(cr, look.hair);
    if (face == 1) {
        roundedRect(cr, cx - 8.5, headY - 6, 17, 16, 6);
    } else {
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
    if (face == 2) {
        // The king's beard.
        cairo_move_to(cr, cx - 6, headY + 1);
        cairo_curve_to(cr, cx - 5.5, headY + 10, cx + 5.5, headY + 10, cx + 6, headY + 1);
        cairo_curve_to(cr, cx + 3, headY + 4.5, cx - 3, headY + 4.5, cx - 6, headY + 1);
        setColor(cr, look.hair);
        cairo_fill(cr);
    }
    setColor(cr, kPipBlack);
    cairo_arc(cr, cx - 2.3, headY - 0.6, 0.8, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_arc(cr, cx + 2.3, headY - 0.6, 0.8, 0, 2 * kPi);
    cairo_fill(cr);
    setColor(cr, {176, 44, 54});
    cairo_set_line_width(cr, 0.9);
    cairo_move_to(cr, cx - 1.6, headY + 3.2);
    cairo_line_to(cr, cx + 1.6, headY + 3.2);
    cairo_stroke(cr);
}

// Headwear and what each figure holds tell the three apart at a glance: the
// king's crown and sword, the queen's diadem and flower, the jack's feathered
// cap and halberd.
void paintAttributes(cairo_t* cr, const CourtLook& look, int32_t face, double cx, double headY)
{
    const double side = kFrameX + kFrameW - 6;
    if (face == 2) {
        paintCrown(cr, cx, headY - 16, 3, 15, 10);
        cairo_set_line_width(cr, 2);
        setColor(cr, kSteel);
        cairo_move_to(cr, side, kFrameY + 3);
        cairo_line_to(cr, side, 36);
        cairo_stroke(cr);
        cairo_set_line_width(cr, 1.8);
        setColor(cr, kGoldDeep);
        cairo_move_to(cr, side - 3.5, 36);
        cairo_line_to(cr, side + 3.5, 36);
        cairo_move_to(cr, side, 36);
        cairo_line_to(cr, side, 41);
        cairo_stroke(cr);
    } else if (face == 1) {
        paintCrown(cr, cx, headY - 12.5, 4, 13, 6);
        setColor(cr, kPipRed);
        cairo_arc(cr, cx, headY - 9.5, 1.1, 0, 2 * kPi);
        cairo_fill(cr);
        cairo_set_line_width(cr, 1.2);
        setColor(cr, {40, 120, 60});
        cairo_move_to(cr, side, 40);
        cairo_curve_to(cr, side + 1, 32, side - 1, 26, side, 20);
        cairo_stroke(cr);
        for (int petal = 0; petal < 5; ++petal) {
            const double a = petal * 2 * kPi / 5;
            cairo_arc(cr, side + 2.4 * std::cos(a), 18 + 2.4 * std::sin(a), 1.8, 0, 2 * kPi);
            setColor(cr, kPipRed);
            cairo_fill(cr);
        }
        cairo_arc(cr, side, 18, 1.3, 0, 2 * kPi);
        setColor(cr, kGold);
        cairo_fill(cr);
    } else {
        cairo_move_to(cr, cx - 8.5, headY - 4.5);
        cairo_curve_to(cr, cx - 7.5, headY - 13, cx + 7.5, headY - 13, cx + 8.5, headY - 4.5);
        cairo_close_path(cr);
        setColor(cr, look.robe);
        cairo_fill(cr);
        cairo_move_to(cr, cx + 2, headY - 10);
        cairo_curve_to(cr, cx + 4, headY - 15, cx + 7, headY - 16, cx + 9, headY - 19);
        cairo_set_line_width(cr, 1.8);
        setColor(cr, kGold);
        cairo_stroke(cr);
        cairo_set_line_width(cr, 1.4);
        setColor(cr, {130, 90, 50});
        cairo_move_to(cr, side, kFrameY + 6);
        cairo_line_to(cr, side, 42);
        cairo_stroke(cr);
        cairo_move_to(cr, side, kFrameY + 8);
        cairo_curve_to(cr, side + 5, kFrameY + 9, side + 5, kFrameY + 15, side, kFrameY + 16);
        cairo_close_path(cr);
        cairo_move_to(cr, side, kFrameY + 2);
        cairo_line_to(cr, side + 1.2, kFrameY + 7);
        cairo_line_to(cr, side - 1.2, kFrameY + 7);
        cairo_close_path(cr);
        setColor(cr, kSteel);
        cairo_fill(cr);
    }
}

// One bust in the upper half of the panel; `face` 0 jack, 1 queen, 2 king.
void paintFigure(cairo_t* cr, int32_t face, int32_t suit)
{
    const CourtLook& look = kCourtLooks[static_cast<size_t>(face)];
    const double cx = kCardW / 2;
    const double headY = 27;
    paintRobe(cr, look, cx);
    paintHead(cr, look, face, cx, headY);
    paintAttributes(cr, look, face, cx, headY);
    fillSuit(cr, suit, kFrameX + 6, kFrameY + 7, 8, false);
}

void paintCourt(cairo_t* cr, int32_t rank, int32_t suit)
{
    const int32_t face = rank - 11;
    roundedRect(cr, kFrameX, kFrameY, kFrameW, kFrameH, 2);
    setColor(cr, kFrameFill);
    cairo_fill(cr);
    for (int turn = 0; turn < 2; ++turn) {
        cairo_save(cr);
        if (turn == 1) {
            cairo_translate(cr, kCardW, kCardH);
            cairo_rotate(cr, kPi);
        }
        cairo_rectangle(cr, kFrameX, kFrameY, kFrameW, kFrameH / 2);
        cairo_clip(cr);
        paintFigure(cr, face, suit);
        cairo_restore(cr);
    }
    roundedRect(cr, kFrameX, kFrameY, kFrameW, kFrameH, 2);
    cairo_set_line_width(cr, 1);
    setColor(cr, suitColor(suit));
    cairo_stroke(cr);
}

}  // namespace

void paintCardFace(cairo_t* cr, const Fonts* fonts, int32_t rank, int32_t suit)
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
        paintCardFace(cr, fonts, rankOfId(cardId), suitOfId(cardId));
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
