#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <string>
#include <utility>

#include "cards/evaluate.h"
#include "every_hand.h"

namespace {

// The list of the cards written in `text` ("10H JH QH KH AH"; suits C D H S),
// linked by insertById from `cards`.
CardList handOf(std::array<Card, kDeckSize>* cards, const char* text)
{
    const std::string ranks = "23456789TJQKA";
    const std::string suits = "CDHS";
    CardList list{nullptr, nullptr, 0};
    std::istringstream in(text);
    for (std::string card; in >> card;) {
        const auto rank = static_cast<int32_t>(ranks.find(card.size() == 3 ? 'T' : card[0])) + 2;
        const auto suit = static_cast<int32_t>(suits.find(card.back()));
        insertById(&(*cards)[static_cast<size_t>(cardId(rank, suit) - 1)], &list);
    }
    return list;
}

TEST(EvaluateHand, ExampleHandsAndShapes)
{
    const std::pair<const char*, int32_t> rows[] = {
        {"10H JH QH KH AH", kHandQuinteFlushRoyal},
        {"2S 3S 4S 5S AS", kHandQuinteFlush},  // five high: no royal flush
        {"2C 3D 4S 5S AS", kHandSuite},
        {"10C JD QH KS AC", kHandSuite},
        {"QC KD AH 2S 3C", kHandRien},  // no wrap-around
        {"2C 2D 2H 2S KC", kHandCarre},
        {"3C AC AD AH AS", kHandCarre},
        {"2C 2D 3H 3S 3C", kHandFullHouse},
        {"2C 2D 2H 3S 3C", kHandFullHouse},
        {"2C 3D 4H 4S 4C", kHandBrelan},
        {"2C 3D 3H 3S 4C", kHandBrelan},
        {"AC AD AH 5S 9C", kHandBrelan},
        {"2D 5D 7D 9D JD", kHandCouleur},
        {"2D 3D 4D 5D KD", kHandCouleur},
        {"2C 2D 3H 3S 9C", kHandDoublePaire},
        {"2C 3D 3H 9S 9C", kHandDoublePaire},
        {"2C 2D 5H 9S 9C", kHandDoublePaire},
        {"2C 2D 5H 9S QC", kHandPaire},
        {"2C 3D 4H 5S 5C", kHandPaire},
        {"2C 3C 4C 5C 5D", kHandPaire},
        {"2C 3D 4H 5S 7C", kHandRien},
    };
    std::array<Card, kDeckSize> cards{};
    fillDeckById(&cards);
    for (const auto& [text, code] : rows) {
        const CardList hand = handOf(&cards, text);
        ASSERT_EQ(hand.count, 5) << text;
        EXPECT_EQ(evaluateHand(&hand), code) << text;
    }

    // Other lengths are nothing: four cards end in a null link, so reading a
    // fifth would fault, and the first five of these six are a royal flush.
    for (const char* text : {"", "10H JH QH KH", "10H JH QH KH AH AS"}) {
        const CardList list = handOf(&cards, text);
        EXPECT_EQ(evaluateHand(&list), kHandRien) << text;
    }
}

TEST(EvaluateHand, EveryHandOfTheDeck)
{
    std::array<Card, kDeckSize> cards{};
    fillDeckById(&cards);
    std::array<int64_t, kHandCodeCount> counts{};
    int32_t royals = 0;
    HandPick pick = firstHand();
    do {
        // Out of id order: the hand's order is the insert's work.
        CardList hand{nullptr, nullptr, 0};
        for (size_t i : {4, 1, 3, 0, 2}) {
            insertById(&cards[pick[i]], &hand);
        }
        const int32_t code = evaluateHand(&hand);
        ASSERT_TRUE(code >= 0 && code < kHandCodeCount) << code;
        ++counts[static_cast<size_t>(code)];
        if (code == kHandQuinteFlushRoyal) {
            // Ten to ace of one suit, the suits in id order.
            for (size_t i = 0; i < kHandCards; ++i) {
                EXPECT_EQ(cards[pick[i]].id, cardId(10 + static_cast<int32_t>(i), royals));
            }
            ++royals;
        }
    } while (nextHand(&pick));

    const std::array<int64_t, kHandCodeCount> expected = {1302540, 1098240, 123552, 54912, 10200,
                                                          5108,    3744,    624,    36,    4};
    EXPECT_EQ(counts, expected);  // 2,598,960 in all
}

}  // namespace
