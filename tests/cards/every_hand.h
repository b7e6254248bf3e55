// Walking every five-card hand of the deck, for the exhaustive evaluation test
// and the evaluation benchmark.
#pragma once

#include <array>
#include <cstddef>

#include "cards/card_list.h"

constexpr size_t kHandCards = 5;
using HandPick = std::array<size_t, kHandCards>;  // indices a < b < c < d < e into the deck

// The 52 cards stored by id (cards[id - 1]), unlinked.
inline void fillDeckById(std::array<Card, kDeckSize>* cards)
{
    for (int32_t id = 1; id <= kDeckSize; ++id) {
        (*cards)[static_cast<size_t>(id - 1)] = Card{rankOfId(id), suitOfId(id), id, id, nullptr};
    }
}

constexpr HandPick firstHand() { return {0, 1, 2, 3, 4}; }

// Steps to the next hand in lexicographic order; false after the last one.
inline bool nextHand(HandPick* pick)
{
    for (size_t i = kHandCards; i-- > 0;) {
        if ((*pick)[i] < static_cast<size_t>(kDeckSize) - kHandCards + i) {
            ++(*pick)[i];
            for (size_t j = i + 1; j < kHandCards; ++j) {
                (*pick)[j] = (*pick)[j - 1] + 1;
            }
            return true;
        }
    }
    return false;
}
