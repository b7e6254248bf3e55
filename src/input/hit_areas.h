// Where clicks land: the inclusive hit rectangles of every button.
//
// Each rectangle starts one pixel right of and below the corner at which its
// image is drawn, so the rectangles are derived from the drawing positions.
#pragma once

#include <array>
#include <cstdint>

#include "display/layout.h"

struct HitRect {
    int32_t left;    // all four bounds inclusive
    int32_t top;
    int32_t right;
    int32_t bottom;
};

constexpr HitRect hitRectAt(ScreenPos corner, int32_t width, int32_t height)
{
    return {corner.x + 1, corner.y + 1, corner.x + width, corner.y + height};
}

constexpr bool hitTest(const HitRect& rect, int32_t x, int32_t y)
{
    return x >= rect.left && x <= rect.right && y >= rect.top && y <= rect.bottom;
}

constexpr int32_t kSmallButtonWidth = 108;  // Aide, Apropos, Retour, Continuer
constexpr int32_t kSmallButtonHeight = 27;
constexpr int32_t kLargeButtonWidth = 304;  // NewGame, Option (and Resume)
constexpr int32_t kLargeButtonHeight = 37;
constexpr int32_t kCarteButtonWidth = 152;
constexpr int32_t kCarteButtonHeight = 37;
constexpr int32_t kChipSize = 68;
constexpr int32_t kGarderButtonWidth = 70;
constexpr int32_t kGarderButtonHeight = 15;

constexpr HitRect kAideRect = hitRectAt(kAideButtonPos, kSmallButtonWidth, kSmallButtonHeight);
constexpr HitRect kAproposRect = hitRectAt(kAproposButtonPos, kSmallButtonWidth, kSmallButtonHeight);
constexpr HitRect kRetourRect = hitRectAt(kRetourButtonPos, kSmallButtonWidth, kSmallButtonHeight);
constexpr HitRect kContinuerRect = hitRectAt(kContinuerButtonPos, kSmallButtonWidth, kSmallButtonHeight);
constexpr HitRect kNewGameRect = hitRectAt(kNewGameButtonPos, kLargeButtonWidth, kLargeButtonHeight);
constexpr HitRect kOptionRect = hitRectAt(kOptionButtonPos, kLargeButtonWidth, kLargeButtonHeight);
constexpr HitRect kCarteRect = hitRectAt(kCarteButtonPos, kCarteButtonWidth, kCarteButtonHeight);

constexpr std::array<HitRect, 10> kChipRects = {
    hitRectAt(kChipPos[0], kChipSize, kChipSize), hitRectAt(kChipPos[1], kChipSize, kChipSize),
    hitRectAt(kChipPos[2], kChipSize, kChipSize), hitRectAt(kChipPos[3], kChipSize, kChipSize),
    hitRectAt(kChipPos[4], kChipSize, kChipSize), hitRectAt(kChipPos[5], kChipSize, kChipSize),
    hitRectAt(kChipPos[6], kChipSize, kChipSize), hitRectAt(kChipPos[7], kChipSize, kChipSize),
    hitRectAt(kChipPos[8], kChipSize, kChipSize), hitRectAt(kChipPos[9], kChipSize, kChipSize),
};

constexpr std::array<HitRect, 5> kGarderRects = {
    hitRectAt(kGarderButtonPos[0], kGarderButtonWidth, kGarderButtonHeight),
    hitRectAt(kGarderButtonPos[1], kGarderButtonWidth, kGarderButtonHeight),
    hitRectAt(kGarderButtonPos[2], kGarderButtonWidth, kGarderButtonHeight),
    hitRectAt(kGarderButtonPos[3], kGarderButtonWidth, kGarderButtonHeight),
    hitRectAt(kGarderButtonPos[4], kGarderButtonWidth, kGarderButtonHeight),
};

// The bounds every player relies on, checked at compile time.
static_assert(kAideRect.left == 7 && kAideRect.right == 114 && kAideRect.top == 426 && kAideRect.bottom == 452);
static_assert(kAproposRect.top == 457 && kAproposRect.bottom == 483);
static_assert(kCarteRect.left == 386 && kCarteRect.right == 537 && kCarteRect.top == 441 && kCarteRect.bottom == 477);
static_assert(kNewGameRect.left == 283 && kNewGameRect.right == 586 && kNewGameRect.top == 144);
static_assert(kOptionRect.top == 261 && kOptionRect.bottom == 297);
static_assert(kChipRects[9].left == 401 && kChipRects[9].right == 468 && kChipRects[9].top == 293);
static_assert(kGarderRects[4].left == 421 && kGarderRects[4].right == 490 && kGarderRects[4].bottom == 336);
static_assert(kChipRects[0].left == 47 && kChipRects[1].left == 130 && kChipRects[2].left == 213 &&
              kChipRects[3].left == 296 && kChipRects[8].left == 401);
static_assert(kChipRects[0].top == 210 && kChipRects[4].top == 293 && kChipRects[4].bottom == 360);
static_assert(kGarderRects[0].left == 57 && kGarderRects[1].left == 148 && kGarderRects[2].left == 239 &&
              kGarderRects[3].left == 330 && kGarderRects[0].top == 322);
