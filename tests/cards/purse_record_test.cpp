#include <gtest/gtest.h>

#include <cstring>

#include "cards/purse.h"
#include "display/display_state.h"

namespace {

TEST(PurseRecord, ResetStartsANewGameAndKeepsTexts)
{
    Purse purse{};
    purse.bank = 0;  // the game-over path
    purse.bet = 7;
    purse.win = 9;
    purse.handsWon = 3;
    purse.handsLost = 4;
    purse.bestWin = 80;
    purse.totalWon = 120;
    std::strcpy(purse.bankText, "123");

    resetPurse(&purse);
    EXPECT_EQ(purse.bank, 50);
    EXPECT_EQ(purse.bet, 0);
    EXPECT_EQ(purse.win, 0);
    EXPECT_EQ(purse.handsWon, 0);
    EXPECT_EQ(purse.handsLost, 0);
    EXPECT_EQ(purse.bestWin, 0);
    EXPECT_EQ(purse.totalWon, 0);
    EXPECT_STREQ(purse.bankText, "123");
}

TEST(DisplayStateRecord, ResetGivesStartOfRoundValues)
{
    DisplayState display;
    std::memset(&display, 0x5a, sizeof display);
    resetDisplayState(&display);

    // Read as the 31 integers of the record, in field order.
    int32_t fields[31];
    std::memcpy(fields, &display, sizeof fields);
    for (int i = 0; i < 31; ++i) {
        int32_t expected = 0;
        if (i == 23) expected = CARTE_UP;
        if (i == 25) expected = COMBINATION_AIDE;
        if (i == 28) expected = RESUME_CLOSED;
        EXPECT_EQ(fields[i], expected) << "field " << i;
    }
    EXPECT_EQ(display.resumeButton, 12);
    EXPECT_EQ(display.carteButton, 2);
}

}  // namespace
