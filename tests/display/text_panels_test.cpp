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

}  // namespace
