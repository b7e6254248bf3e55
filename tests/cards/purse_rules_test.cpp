#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "cards/purse.h"
#include "display/display_state.h"

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

TEST(PurseBets, ChipsAllInAndReset)
{
    struct Row {
        int32_t bank, bet, chip, bankAfter, betAfter;
    };
    const Row rows[] = {
        {5, 3, 20, 0, 8},      // a chip worth more than the bank stakes what is left
        {20, 0, 20, 0, 20},    // exactly the bank
        {0, 7, 200, 0, 7},     // an empty bank changes nothing
        {50, 0, 1, 49, 1},
        {1000, 10, 200, 800, 210},
        {50, 4, 0, 50, 4},     // not a chip: nothing moves
        {50, 4, -5, 50, 4},
    };
    for (const Row& row : rows) {
        Purse purse = purseWith(row.bank, row.bet);
        addChip(&purse, row.chip);
        EXPECT_EQ(purse.bank, row.bankAfter) << row.bank << " " << row.bet << " " << row.chip;
        EXPECT_EQ(purse.bet, row.betAfter) << row.bank << " " << row.bet << " " << row.chip;
    }

    Purse purse = purseWith(50, 10);
    allIn(&purse);
    EXPECT_EQ(purse.bank, 0);
    EXPECT_EQ(purse.bet, 60);
    resetBet(&purse);
    EXPECT_EQ(purse.bank, 60);
    EXPECT_EQ(purse.bet, 0);
}

TEST(PursePayOut, PayTableRowByRow)
{
    const int32_t multipliers[] = {0, 1, 2, 3, 4, 5, 6, 9, 11, 21};
    for (int32_t code = 0; code < HAND_CODE_COUNT; ++code) {
        Purse purse = purseWith(100, 10);
        payOut(&purse, code);
        EXPECT_EQ(purse.win, 10 * multipliers[code]) << "code " << code;
        EXPECT_EQ(purse.bank, 100 + 10 * multipliers[code]) << "code " << code;
        EXPECT_EQ(purse.bet, 10) << "code " << code;
    }
    // Codes outside the table pay nothing and read nothing beyond it.
    for (int32_t code : {-1, HAND_CODE_COUNT, COMBINATION_AIDE, kMax}) {
        Purse purse = purseWith(100, 10);
        payOut(&purse, code);
        EXPECT_EQ(purse.win, 0) << "code " << code;
        EXPECT_EQ(purse.bank, 100) << "code " << code;
    }
}

TEST(PurseStatistics, LossesPairsAndGains)
{
    Purse purse = purseWith(100, 10);
    recordResult(&purse, HAND_RIEN);
    EXPECT_EQ(purse.handsLost, 1);
    EXPECT_EQ(purse.handsWon, 0);

    // A pair is a won hand but no gain.
    payOut(&purse, HAND_PAIRE);
    recordResult(&purse, HAND_PAIRE);
    EXPECT_EQ(purse.handsWon, 1);
    EXPECT_EQ(purse.totalWon, 0);
    EXPECT_EQ(purse.bestWin, 0);

    // Two pairs on 10: gross 20, stake included.
    purse.win = 0;
    payOut(&purse, HAND_DOUBLE_PAIRE);
    recordResult(&purse, HAND_DOUBLE_PAIRE);
    EXPECT_EQ(purse.totalWon, 20);
    EXPECT_EQ(purse.bestWin, 20);

    // A bigger win raises the best; a smaller one only adds to the total.
    purse.win = 0;
    payOut(&purse, HAND_CARRE);
    recordResult(&purse, HAND_CARRE);
    purse.win = 0;
    payOut(&purse, HAND_BRELAN);
    recordResult(&purse, HAND_BRELAN);
    EXPECT_EQ(purse.bestWin, 90);
    EXPECT_EQ(purse.totalWon, 20 + 90 + 30);
    EXPECT_EQ(purse.handsWon, 4);
    EXPECT_EQ(purse.handsLost, 1);

    // A code outside the table lost the stake: a lost hand.
    recordResult(&purse, -3);
    EXPECT_EQ(purse.handsLost, 2);
    EXPECT_EQ(purse.handsWon, 4);
}

TEST(PurseRoundStart, EmptyBankEndsTheGame)
{
    // Staked the whole bank and lost: game over with bank 1.
    Purse purse = purseWith(50, 0);
    allIn(&purse);
    payOut(&purse, HAND_RIEN);
    recordResult(&purse, HAND_RIEN);
    int32_t mode = MODE_RESULT;
    startRound(&purse, &mode);
    EXPECT_EQ(mode, MODE_GAME_OVER);
    EXPECT_EQ(purse.bank, 1);
    EXPECT_EQ(purse.bet, 0);
    EXPECT_EQ(purse.win, 0);

    // The pass after game over sees bank 1 and goes on to the start screen.
    mode = MODE_START;
    startRound(&purse, &mode);
    EXPECT_EQ(mode, MODE_START);
    resetPurse(&purse);
    EXPECT_EQ(purse.bank, 50);
    EXPECT_EQ(purse.handsLost, 0);

    // A won round: the bank keeps the payout, the stake is not returned twice.
    purse = purseWith(90, 10);
    payOut(&purse, HAND_DOUBLE_PAIRE);
    mode = MODE_RESULT;
    startRound(&purse, &mode);
    EXPECT_EQ(mode, MODE_RESULT);
    EXPECT_EQ(purse.bank, 110);
    EXPECT_EQ(purse.bet, 0);
    EXPECT_EQ(purse.win, 0);
}

TEST(PurseSaturation, MoneyAndCountersStopAtTheLimit)
{
    // A royal flush on a huge bet: 21 x 2e9 does not fit 32 bits.
    Purse purse = purseWith(kMax - 5, 2000000000);
    payOut(&purse, HAND_QUINTE_FLUSH_ROYAL);
    EXPECT_EQ(purse.bank, kMax);
    EXPECT_EQ(purse.win, kMax);
    recordResult(&purse, HAND_QUINTE_FLUSH_ROYAL);
    EXPECT_EQ(purse.bestWin, kMax);
    EXPECT_EQ(purse.totalWon, kMax);
    recordResult(&purse, HAND_QUINTE_FLUSH_ROYAL);
    EXPECT_EQ(purse.totalWon, kMax);

    // Exactly reaching the limit is still exact.
    purse = purseWith(kMax - 21, 1);
    payOut(&purse, HAND_QUINTE_FLUSH_ROYAL);
    EXPECT_EQ(purse.bank, kMax);
    EXPECT_EQ(purse.win, 21);

    purse.handsWon = kMax;
    purse.handsLost = kMax;
    recordResult(&purse, HAND_PAIRE);
    recordResult(&purse, HAND_RIEN);
    EXPECT_EQ(purse.handsWon, kMax);
    EXPECT_EQ(purse.handsLost, kMax);

    // Bank and bet that together pass the limit: moving them saturates.
    purse = purseWith(kMax, kMax);
    allIn(&purse);
    EXPECT_EQ(purse.bet, kMax);
    EXPECT_EQ(purse.bank, 0);
    purse = purseWith(kMax, kMax);
    resetBet(&purse);
    EXPECT_EQ(purse.bank, kMax);
    EXPECT_EQ(purse.bet, 0);
}

}  // namespace
