// The player's money and the statistics of the current game.
#pragma once

#include <array>
#include <cstdint>

#include "cards/evaluate.h"

// Each value is followed by its own text buffer, which only the score panel
// writes; 20 characters hold any 32-bit value with its sign.
struct Purse {
    int32_t bank;  // credits not staked
    char bankText[20];
    int32_t bet;  // credits staked in the current round
    char betText[20];
    int32_t win;  // paid for the current round, stake included
    char winText[20];
    int32_t handsWon;
    char handsWonText[20];
    int32_t handsLost;
    char handsLostText[20];
    int32_t bestWin;
    char bestWinText[20];
    int32_t totalWon;
    char totalWonText[20];
};

constexpr int32_t kStartingBank = 50;

// The eight chips that stake a fixed amount, in button order; the ninth and
// tenth buttons are all-in and reset.
constexpr int32_t kChipCount = 10;
constexpr int32_t kChipAllin = 8;
constexpr int32_t kChipReset = 9;
constexpr std::array<int32_t, 8> kChipValues = {1, 2, 5, 10, 20, 50, 100, 200};

// Starts a new game: bank 50, everything else 0; the text buffers stay.
void resetPurse(Purse* purse);

// Bet-phase moves between bank and bet; none changes bank + bet.
void addChip(Purse* purse, int32_t chipValue);  // stakes what is left when the chip is worth more
void allIn(Purse* purse);
void resetBet(Purse* purse);

// Total return per credit staked, by combination code. The stake has already
// left the bank, so a pair gives it back and nothing loses it.
constexpr std::array<int32_t, kHandCodeCount> kPayTable = {0, 1, 2, 3, 4, 5, 6, 9, 11, 21};

// Settles the round: bank and win grow by bet x multiplier (a code outside the
// table pays nothing). Sums stop at the largest 32-bit value.
void payOut(Purse* purse, int32_t code);

// Game statistics after payOut of the same round: nothing is a lost hand; a
// pair is a won hand only; stronger hands also add `win` to totalWon and may
// raise bestWin. A code outside the table counts as a lost hand.
void recordResult(Purse* purse, int32_t code);

// Start of every round: an empty bank ends the game (mode game over, bank 1
// so that the next pass reaches the start screen), then bet and win go to 0.
void startRound(Purse* purse, int32_t* mode);
