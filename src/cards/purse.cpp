#include "cards/purse.h"

#include <cstdint>
#include <limits>

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
    purse->bank = STARTING_BANK;
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
