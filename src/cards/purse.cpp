#include "cards/purse.h"

#include <cstddef>
#include <cstdint>
#include <limits>

#include "state/modes.h"

// Money never wraps: sums stop at the largest 32-bit value.
static int32_t saturatingAdd(int32_t a, int64_t b)
{
    const int64_t sum = static_cast<int64_t>(a) + b;
    if (sum > std::numeric_limits<int32_t>::max()) {
        return std::numeric_limits<int32_t>::max();
    }
    if (sum < std::numeric_limits<int32_t>::min()) {
        return std::numeric_limits<int32_t>::min();
    }
    return static_cast<int32_t>(sum);
}

void resetPurse(Purse* purse)
{
    purse->bank = kStartingBank;
    purse->bet = 0;
    purse->win = 0;
    purse->handsWon = 0;
    purse->handsLost = 0;
    purse->bestWin = 0;
    purse->totalWon = 0;
}

void addChip(Purse* purse, int32_t chipValue)
{
    if (chipValue <= 0) {
        return;  // a non-positive chip would take credits off the bet
    }
    if (chipValue > purse->bank) {
        allIn(purse);
        return;
    }
    purse->bet = saturatingAdd(purse->bet, chipValue);
    purse->bank -= chipValue;
}

void allIn(Purse* purse)
{
    purse->bet = saturatingAdd(purse->bet, purse->bank);
    purse->bank = 0;
}

void resetBet(Purse* purse)
{
    purse->bank = saturatingAdd(purse->bank, purse->bet);
    purse->bet = 0;
}

static bool isHandCode(int32_t code) { return code >= 0 && code < kHandCodeCount; }

void payOut(Purse* purse, int32_t code)
{
    if (!isHandCode(code)) {
        return;
    }
    // 64 bits: a large bet times 21 does not fit in 32.
    const int64_t payout = static_cast<int64_t>(purse->bet) * kPayTable[static_cast<size_t>(code)];
    purse->bank = saturatingAdd(purse->bank, payout);
    purse->win = saturatingAdd(purse->win, payout);
}

void recordResult(Purse* purse, int32_t code)
{
    if (!isHandCode(code) || code == kHandRien) {
        purse->handsLost = saturatingAdd(purse->handsLost, 1);
        return;
    }
    purse->handsWon = saturatingAdd(purse->handsWon, 1);
    if (code == kHandPaire) {
        return;  // a pair only returns the stake: not counted as a gain
    }
    purse->totalWon = saturatingAdd(purse->totalWon, purse->win);
    if (purse->win > purse->bestWin) {
        purse->bestWin = purse->win;
    }
}

void startRound(Purse* purse, int32_t* mode)
{
    if (purse->bank == 0) {
        *mode = kModeGameOver;
        purse->bank = 1;
    }
    purse->bet = 0;
    purse->win = 0;
}
