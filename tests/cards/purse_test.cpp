#include <gtest/gtest.h>

#include <cstring>
#include <limits>

#include "cards/purse.h"
#include "state/display_state.h"
#include "state/modes.h"

namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

Purse purseWith(int32_t bank, int32_t bet)
{
    Purse purse{};
    resetPurse(&purse);
    purse.bank = bank;
    purse.bet = bet;
    return purse;
}

TEST(Records, ResetsGiveTheStartValues)
{
    Purse purse = {0, "123", 7, "", 9, "", 3, "", 4, "", 80, "", 120, ""};
    resetPurse(&purse);
    const Purse fresh = {50, "123", 0, "", 0, "", 0, "", 0, "", 0, "", 0, ""};
    EXPECT_EQ(std::memcmp(&purse, &fresh, sizeof purse), 0) << "every value starts again, texts stay";

    DisplayState display;
    std::memset(&display, 0x5a, sizeof display);
    resetDisplayState(&display);
    DisplayState expected{};
    expected.carteButton = kCarteUp;
    expected.combination = kCombinationAide;
    expected.resumeButton = kResumeClosed;
    EXPECT_EQ(std::memcmp(&display, &expected, sizeof display), 0);
}

TEST(Purse, BetsAndPayoutsMoveMoneyWithoutOverflow)
{
    enum Op { kChip, kAllin, kReset, kPay };
    struct Row {
        int32_t bank, bet;
        Op op;
        int32_t value;  // chip or hand code
        int32_t bankAfter, betAfter, winAfter;
    };
    const Row rows[] = {
        {5, 3, kChip, 20, 0, 8, 0},  // a chip worth more than the bank stakes what is left
        {20, 0, kChip, 20, 0, 20, 0},
        {0, 7, kChip, 200, 0, 7, 0},
        {1000, 10, kChip, 200, 800, 210, 0},
        {50, 4, kChip, -5, 50, 4, 0},  // not a chip: nothing moves
        {50, 10, kAllin, 0, 0, 60, 0},
        {0, 60, kReset, 0, 60, 0, 0},
        {100, 10, kPay, -1, 100, 10, 0},  // codes outside the table pay nothing
        {100, 10, kPay, kHandCodeCount, 100, 10, 0},
        {100, 10, kPay, kMax, 100, 10, 0},
        // Beyond 32 bits every sum stops at the limit; reaching it exactly is exact.
        {kMax - 5, 2000000000, kPay, kHandQuinteFlushRoyal, kMax, 2000000000, kMax},
        {kMax - 21, 1, kPay, kHandQuinteFlushRoyal, kMax, 1, 21},
        {kMax, kMax, kAllin, 0, 0, kMax, 0},
        {kMax, kMax, kReset, 0, kMax, 0, 0},
    };
    for (const Row& row : rows) {
        Purse purse = purseWith(row.bank, row.bet);
        switch (row.op) {
        case kChip: addChip(&purse, row.value); break;
        case kAllin: allIn(&purse); break;
        case kReset: resetBet(&purse); break;
        case kPay: payOut(&purse, row.value); break;
        }
        EXPECT_EQ(purse.bank, row.bankAfter) << &row - rows;
        EXPECT_EQ(purse.bet, row.betAfter) << &row - rows;
        EXPECT_EQ(purse.win, row.winAfter) << &row - rows;
    }
}

TEST(Purse, PayTableRowByRow)
{
    const int32_t multipliers[] = {0, 1, 2, 3, 4, 5, 6, 9, 11, 21};
    for (int32_t code = 0; code < kHandCodeCount; ++code) {
        Purse purse = purseWith(100, 10);
        payOut(&purse, code);
        EXPECT_EQ(purse.win, 10 * multipliers[code]) << "code " << code;
        EXPECT_EQ(purse.bank, 100 + 10 * multipliers[code]) << "code " << code;
    }
}

TEST(Purse, StatisticsCountHandsAndGainsAndSaturate)
{
    Purse purse = purseWith(100, 0);
    for (int32_t code : {kHandRien, kHandPaire, kHandDoublePaire, kHandCarre, kHandBrelan, -3}) {
        purse.bet = 10;
        purse.win = 0;
        payOut(&purse, code);
        recordResult(&purse, code);
    }
    // A pair is a won hand but no gain; gains are gross (two pairs on 10: 20);
    // a code outside the table lost the stake.
    EXPECT_EQ(purse.handsWon, 4);
    EXPECT_EQ(purse.handsLost, 2);
    EXPECT_EQ(purse.totalWon, 20 + 90 + 30);
    EXPECT_EQ(purse.bestWin, 90);

    purse.handsWon = kMax;
    purse.handsLost = kMax;
    purse.win = kMax;
    recordResult(&purse, kHandPaire);
    recordResult(&purse, kHandRien);
    recordResult(&purse, kHandQuinteFlushRoyal);
    recordResult(&purse, kHandQuinteFlushRoyal);
    EXPECT_EQ(purse.handsWon, kMax);
    EXPECT_EQ(purse.handsLost, kMax);
    EXPECT_EQ(purse.totalWon, kMax);
    EXPECT_EQ(purse.bestWin, kMax);
}

TEST(Purse, RoundStartEndsTheGameOnAnEmptyBankOnly)
{
    Purse purse = purseWith(0, 50);
    int32_t mode = kModeResult;
    startRound(&purse, &mode);
    EXPECT_EQ(mode, kModeGameOver);
    EXPECT_EQ(purse.bank, 1);  // so that the next pass reaches the start screen
    EXPECT_EQ(purse.bet, 0);

    // A won round: the bank keeps the payout and the stake is not returned twice.
    purse = purseWith(90, 10);
    payOut(&purse, kHandDoublePaire);
    mode = kModeResult;
    startRound(&purse, &mode);
    EXPECT_EQ(mode, kModeResult);
    EXPECT_EQ(purse.bank, 110);
    EXPECT_EQ(purse.bet, 0);
    EXPECT_EQ(purse.win, 0);
}

}  // namespace
