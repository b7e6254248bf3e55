// Reading a card list back in tests, checking its shape on the way.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <vector>

#include "cards/card_list.h"

using Ids = std::vector<int32_t>;

// One field of every card from head to tail. The walk stops after `count`
// cards; the list must hold exactly that many and end at `tail` with a null link.
inline Ids valuesOf(const CardList& list, int32_t Card::*field)
{
    Ids values;
    const Card* last = nullptr;
    for (const Card* card = list.head; card != nullptr && values.size() < static_cast<size_t>(list.count);
         card = card->next) {
        values.push_back(card->*field);
        last = card;
    }
    EXPECT_EQ(values.size(), static_cast<size_t>(list.count)) << "list shorter than its count";
    EXPECT_EQ(list.tail, last);
    EXPECT_TRUE(last == nullptr ? list.head == nullptr : last->next == nullptr);
    return values;
}

inline Ids idsOf(const CardList& list) { return valuesOf(list, &Card::id); }

// Three lists well formed and holding the 52 cards once each.
inline void expectDeckIntact(const CardList& a, const CardList& b, const CardList& c)
{
    Ids all;
    for (const CardList* list : {&a, &b, &c}) {
        const Ids ids = idsOf(*list);
        all.insert(all.end(), ids.begin(), ids.end());
    }
    std::sort(all.begin(), all.end());
    Ids deck(kDeckSize);
    std::iota(deck.begin(), deck.end(), 1);
    EXPECT_EQ(all, deck);
}
