// Where clicks land: the inclusive hit rectangles of every button.
//
// Each rectangle starts one pixel right of and below the corner at which its
// image is drawn, so the rectangles are derived from the drawing positions.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "display/layout.h"

struct HitRect {
    int32_t left;  // all four bounds inclusive
    int32_t top;
    int32_t right;
    int32_t bottom;
};

// The one rule from a drawing corner to a click rectangle.
constexpr HitRect hitRectAt(ScreenPos corner, int32_t width, int32_t height)
{
    return {.left = corner.x + 1, .top = corner.y + 1, .right = corner.x + width, .bottom = corner.y + height};
}

// The same rule over a row of corners.
template <size_t N>
constexpr std::array<HitRect, N> hitRectsAt(const std::array<ScreenPos, N>& corners, int32_t width, int32_t height)
{
    std::array<HitRect, N> rects{};
    for (size_t i = 0; i < N; ++i) {
        rects[i] = hitRectAt(corners[i], width, height);
    }
    return rects;
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

constexpr std::array<HitRect, kChipButtons> kChipRects = hitRectsAt(kChipPos, kChipSize, kChipSize);
constexpr std::array<HitRect, kHandSlots> kGarderRects =
    hitRectsAt(kGarderButtonPos, kGarderButtonWidth, kGarderButtonHeight);

// Every picture covers its click rectangle with a pixel to spare past its
// right and bottom edges (the rectangle starts one pixel in).
constexpr bool covers(ScreenPos corner, PictureSize picture, const HitRect& rect)
{
    return corner.x + picture.w - 1 >= rect.right + 1 && corner.y + picture.h - 1 >= rect.bottom + 1;
}
template <size_t N>
constexpr bool coversAll(const std::array<ScreenPos, N>& corners, PictureSize picture,
                         const std::array<HitRect, N>& rects)
{
    for (size_t i = 0; i < N; ++i) {
        if (!covers(corners[i], picture, rects[i])) {
            return false;
        }
    }
    return true;
}
static_assert(covers(kAideButtonPos, kSmallButtonSize, kAideRect) &&
                  covers(kAproposButtonPos, kSmallButtonSize, kAproposRect) &&
                  covers(kRetourButtonPos, kSmallButtonSize, kRetourRect) &&
                  covers(kContinuerButtonPos, kSmallButtonSize, kContinuerRect) &&
                  covers(kNewGameButtonPos, kLargeButtonSize, kNewGameRect) &&
                  covers(kOptionButtonPos, kLargeButtonSize, kOptionRect) &&
                  covers(kCarteButtonPos, kCarteButtonSize, kCarteRect) &&
                  coversAll(kChipPos, kChipImageSize, kChipRects) &&
                  coversAll(kGarderButtonPos, kGarderButtonSize, kGarderRects),
              "a picture smaller than its click rectangle");
