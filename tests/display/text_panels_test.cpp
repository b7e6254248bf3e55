// Score panel and page texts: the digits land at their seven places in gold,
// the buffers hold the decimal text, and a missing font breaks nothing.
#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <string>

#include "cards/purse.h"
#include "display/text_panels.h"
#include "display_fixture.h"

namespace {

constexpr Rgb kGold = {247, 201, 17};
constexpr Rgb kNearWhite = {247, 247, 247};

struct Box {
    int left;
    int top;
    int width;
    int height;
};

class TextPanelsTest : public DisplayTest {
protected:
    void SetUp() override
    {
        DisplayTest::SetUp();
        purse_ = {};
        resetPurse(&purse_);
    }

    int countColour(const Frame& frame, Box box, Rgb colour) const
    {
        int count = 0;
        for (int y = box.top; y < box.top + box.height; ++y) {
            for (int x = box.left; x < box.left + box.width; ++x) {
                count += at(frame, x, y) == colour ? 1 : 0;
            }
        }
        return count;
    }

    // Rows of the box holding anything but the neutral screen.
    int inkHeight(const Frame& frame, Box box) const
    {
        int first = -1;
        int last = -1;
        for (int y = box.top; y < box.top + box.height; ++y) {
            for (int x = box.left; x < box.left + box.width; ++x) {
                if (at(frame, x, y) != kNeutral) {
                    first = first < 0 ? y : first;
                    last = y;
                    break;
                }
            }
        }
        return first < 0 ? 0 : last - first + 1;
    }

    Purse purse_{};
};

// Where each score text starts, with room for a few digits to its right.
struct ScoreSlot {
    const char* name;
    int x;
    int y;
};
constexpr ScoreSlot kSlots[] = {
    {"bank", 140, 108},     {"bet", 84, 131},      {"win", 84, 155},      {"handsWon", 452, 108},
    {"handsLost", 452, 127}, {"bestWin", 335, 144}, {"totalWon", 335, 162},
};

TEST_F(TextPanelsTest, FreshPurseShowsGoldDigitsAtTheSevenPlaces)
{
    copyFont();
    drawScorePanel(&purse_, screen_);
    ASSERT_EQ(flipLog().count, 1);
    const Frame& flipped = flipLog().frames[0];
    for (const ScoreSlot& slot : kSlots) {
        EXPECT_GT(countColour(flipped, {slot.x, slot.y, 30, 24}, kGold), 0) << slot.name;
        // Left-aligned from the slot's left edge: nothing just before it.
        EXPECT_EQ(countColour(flipped, {slot.x - 6, slot.y, 6, 24}, kGold), 0) << slot.name;
    }
    // bank, bet and win in the large size, the statistics in the small one.
    const int large = inkHeight(flipped, {84, 131, 30, 22});
    const int small = inkHeight(flipped, {452, 108, 30, 18});
    EXPECT_GT(large, small);
    EXPECT_GT(small, 5);
    EXPECT_EQ(TTF_WasInit(), 0) << "the font library is stopped again";
}

TEST_F(TextPanelsTest, BuffersHoldTheDecimalTextOfEveryValue)
{
    purse_ = {};
    purse_.bank = INT32_MIN;
    purse_.bet = INT32_MAX;
    purse_.win = -7;
    purse_.handsWon = 0;
    purse_.handsLost = 123456;
    purse_.bestWin = 1000;
    purse_.totalWon = 42;
    std::snprintf(purse_.handsWonText, sizeof(purse_.handsWonText), "stale text here");
    for (const bool withFont : {false, true}) {
        if (withFont) {
            copyFont();
        }
        drawScorePanel(&purse_, screen_);
        EXPECT_STREQ(purse_.bankText, "-2147483648");
        EXPECT_STREQ(purse_.betText, "2147483647");
        EXPECT_STREQ(purse_.winText, "-7");
        EXPECT_STREQ(purse_.handsWonText, "0");
        EXPECT_STREQ(purse_.handsLostText, "123456");
        EXPECT_STREQ(purse_.bestWinText, "1000");
        EXPECT_STREQ(purse_.totalWonText, "42");
        // The numbers themselves are not touched.
        EXPECT_EQ(purse_.bank, INT32_MIN);
        EXPECT_EQ(purse_.bet, INT32_MAX);
    }
    EXPECT_EQ(flipLog().count, 2);
}

TEST_F(TextPanelsTest, PageTextsAppearInNearWhite)
{
    copyFont();
    drawAideText(screen_);
    ASSERT_EQ(flipLog().count, 1);
    EXPECT_GT(countColour(flipLog().frames[0], {275, 380, 120, 16}, kNearWhite), 0);

    fillScreen(kNeutral);
    drawAproposText(screen_);
    ASSERT_EQ(flipLog().count, 2);
    const Frame& apropos = flipLog().frames[1];
    EXPECT_GT(countColour(apropos, {101, 359, 200, 26}, kNearWhite), 0) << "web address";
    EXPECT_GT(countColour(apropos, {126, 183, 40, 26}, kNearWhite), 0) << "version";
    // The address is long, the version short: "1.0" ends well before x 190.
    EXPECT_EQ(countColour(apropos, {190, 183, 80, 26}, kNearWhite), 0);
    EXPECT_EQ(TTF_WasInit(), 0);
}

TEST_F(TextPanelsTest, MissingOrUnreadableFontStillFlipsAndDrawsNothing)
{
    const Frame blank = currentFrame();
    for (const bool garbage : {false, true}) {
        if (garbage) {
            FILE* file = std::fopen(kFontFile, "wb");
            ASSERT_NE(file, nullptr);
            std::fputs("this is no font", file);
            std::fclose(file);
        }
        const int before = flipLog().count;
        drawScorePanel(&purse_, screen_);
        drawAideText(screen_);
        drawAproposText(screen_);
        EXPECT_EQ(flipLog().count, before + 3) << "garbage font: " << garbage;
        EXPECT_TRUE(currentFrame() == blank);
        EXPECT_STREQ(purse_.bankText, "50");
        EXPECT_STREQ(purse_.totalWonText, "0");
        EXPECT_EQ(TTF_WasInit(), 0);
    }
}

}  // namespace
