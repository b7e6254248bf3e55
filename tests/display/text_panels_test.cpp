// Score panel and page texts: each value lands at its own slot in gold, the
// buffers hold the decimal text, and a missing or broken font breaks nothing.
#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>

#include "display/text_panels.h"
#include "display_fixture.h"

namespace {

using TextPanelsTest = DisplayTest;

TEST_F(TextPanelsTest, EachScoreShowsItsOwnValueInGoldAtItsSlot)
{
    copyFont();
    // One more digit per slot, so each slot's ink width tells which value it shows.
    purse_ = {1, {}, 22, {}, 333, {}, 4444, {}, 55555, {}, 666666, {}, 7777777, {}};
    drawScorePanel(&purse_, screen_);
    ASSERT_EQ(flips().size(), 1U);
    const Frame& flipped = flips()[0];
    int previousWidth[2] = {0, 0};  // per font size
    for (size_t i = 0; i < kScoreSlots.size(); ++i) {
        const ScreenPos pos = kScoreSlots[i].pos;
        const Ink digits = ink(flipped, pos, 110, 18, kGold);
        const bool large = kScoreSlots[i].pointSize == kScoreLargePt;
        EXPECT_GT(digits.width, previousWidth[large]) << "slot " << i;
        previousWidth[large] = digits.width;
        EXPECT_EQ(ink(flipped, {static_cast<int16_t>(pos.x - 6), pos.y}, 6, 18, kGold).count, 0) << "left-aligned";
    }
    EXPECT_GT(ink(flipped, {140, 108}, 110, 18, kGold).height, ink(flipped, {452, 108}, 110, 18, kGold).height)
        << "bank in the large size, hands won in the small one";
    EXPECT_STREQ(purse_.bankText, "1");
    EXPECT_STREQ(purse_.totalWonText, "7777777");
    EXPECT_EQ(TTF_WasInit(), 0) << "the font library is stopped again";
}

TEST_F(TextPanelsTest, PageTextsAppearInNearWhite)
{
    copyFont();
    drawAideText(screen_);
    drawAproposText(screen_);
    ASSERT_EQ(flips().size(), 2U);
    EXPECT_GT(ink(flips()[0], kAideAddressPos, 120, 16, kNearWhite).count, 0);
    const Frame& apropos = flips()[1];
    EXPECT_GT(ink(apropos, kAproposAddressPos, 200, 26, kNearWhite).count, 0) << "web address";
    // "1.0" is short: its ink ends well before the address's would.
    const Ink version = ink(apropos, kAproposVersionPos, 150, 26, kNearWhite);
    EXPECT_GT(version.count, 0);
    EXPECT_LT(version.width, 60);
    EXPECT_EQ(TTF_WasInit(), 0);
}

TEST_F(TextPanelsTest, MissingOrBrokenFontStillFillsTheBuffersAndFlips)
{
    purse_ = {INT32_MIN, {}, INT32_MAX, {}, -7, {}, 0, {}, 123456, {}, 1000, {}, 42, {}};
    const Frame blank = frame();
    for (const bool broken : {false, true}) {
        if (broken) {
            FILE* file = std::fopen(kFontFile, "wb");
            ASSERT_NE(file, nullptr);
            std::fputs("this is no font", file);
            std::fclose(file);
        }
        drawScorePanel(&purse_, screen_);
        drawAideText(screen_);
        drawAproposText(screen_);
        EXPECT_EQ(static_cast<int>(flips().size()), broken ? 6 : 3);
        EXPECT_TRUE(frame() == blank);
        const char* texts[] = {purse_.bankText,      purse_.betText,     purse_.winText,     purse_.handsWonText,
                               purse_.handsLostText, purse_.bestWinText, purse_.totalWonText};
        const char* expected[] = {"-2147483648", "2147483647", "-7", "0", "123456", "1000", "42"};
        for (size_t i = 0; i < 7; ++i) {
            EXPECT_STREQ(texts[i], expected[i]);
        }
        EXPECT_EQ(purse_.bank, INT32_MIN) << "the numbers themselves are untouched";
        EXPECT_EQ(TTF_WasInit(), 0);
    }
}

// The font check at its edges, on metrics as SDL_ttf gives them: the score
// backdrop spans x 10..557 and y 93..190.
TEST(FontCheck, RefusesGlyphsThatStepBackAndTextsPastTheirPanel)
{
    const ScreenPos panel = {10, 93};
    const PictureSize size = {548, 98};
    // Like the shipped font at 18 pt: 11 characters take 10 steps of 10 px
    // and a last reach of 10 px, 110 px in all.
    const FontMetrics font = {
        .height = 21, .leastAdvance = 6, .leastMinX = 0, .widestReach = 10, .leastStep = 6, .widestStep = 10};
    EXPECT_TRUE(fontFitsText(&font, 11, {448, 108}, panel, size)) << "ends on the panel's last column";
    EXPECT_FALSE(fontFitsText(&font, 11, {449, 108}, panel, size)) << "one pixel past it";
    EXPECT_TRUE(fontFitsText(&font, 11, {140, 170}, panel, size)) << "ends on the panel's last row";
    EXPECT_FALSE(fontFitsText(&font, 11, {140, 171}, panel, size));
    EXPECT_FALSE(fontFitsText(&font, 11, {9, 108}, panel, size)) << "starts left of the panel";
    EXPECT_FALSE(fontFitsText(&font, 0, {140, 108}, panel, size));
    // A panel reaching past the window is cut at its edge (872 px).
    EXPECT_TRUE(fontFitsText(&font, 11, {762, 108}, {0, 0}, {1000, 488}));
    EXPECT_FALSE(fontFitsText(&font, 11, {763, 108}, {0, 0}, {1000, 488}));

    FontMetrics edge = font;
    edge.leastAdvance = 0;
    edge.leastStep = 0;
    EXPECT_TRUE(fontFitsText(&edge, 11, {140, 108}, panel, size)) << "advance 0";
    edge.leastAdvance = -1;
    EXPECT_FALSE(fontFitsText(&edge, 11, {140, 108}, panel, size)) << "advance -1";
    edge = font;
    edge.leastStep = -1;
    EXPECT_FALSE(fontFitsText(&edge, 11, {140, 108}, panel, size)) << "kerning that steps back";
    // A first glyph may start left of its origin (the shipped 'w' starts
    // 1 px left): SDL_ttf shifts the text right by as much, one pixel more
    // to fit; a later glyph must still start right of the text's origin.
    edge = font;
    edge.leastMinX = -1;
    EXPECT_TRUE(fontFitsText(&edge, 11, {447, 108}, panel, size));
    EXPECT_FALSE(fontFitsText(&edge, 11, {448, 108}, panel, size));
    edge.leastStep = 0;
    EXPECT_FALSE(fontFitsText(&edge, 11, {140, 108}, panel, size));
    edge = font;
    edge.height = 0;
    EXPECT_FALSE(fontFitsText(&edge, 11, {140, 108}, panel, size));
    // 16 units per em at 18 pt: glyphs of 1,281 px, 2,575 px high; and
    // metrics that must not wrap round to a fit.
    const FontMetrics huge = {.height = 2575,
                              .leastAdvance = 767,
                              .leastMinX = 52,
                              .widestReach = 1281,
                              .leastStep = 767,
                              .widestStep = 1281};
    EXPECT_FALSE(fontFitsText(&huge, 11, {140, 108}, panel, size));
    // Ten steps of 429,496,730 px are 2^32 + 4: 4 px if counted in 32 bits.
    const FontMetrics wraps = {
        .height = 21, .leastAdvance = 0, .leastMinX = 0, .widestReach = 10, .leastStep = 0, .widestStep = 429496730};
    EXPECT_FALSE(fontFitsText(&wraps, 11, {140, 108}, panel, size));
}

}  // namespace
