#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>

#include "cards/evaluate.h"
#include "every_hand.h"

namespace {

// "10H" -> the card's id; suits C D H S are 0..3.
int32_t parseCard(const std::string& text)
{
    const std::string rankText = text.substr(0, text.size() - 1);
    const char suitChar = text.back();
    int32_t rank = 0;
    if (rankText == "J") rank = 11;
    else if (rankText == "Q") rank = 12;
    else if (rankText == "K") rank = 13;
    else if (rankText == "A") rank = 14;
    else rank = std::stoi(rankText);
    const int32_t suit = static_cast<int32_t>(std::strchr("CDHS", suitChar) - "CDHS");
    return cardId(rank, suit);
}

// Holds a pool of all 52 cards and a hand list filled from text.
struct Hand {
    std::array<Card, DECK_SIZE> cards{};
    CardList list{nullptr, nullptr, 0};

    explicit Hand(const char* text)
    {
        fillDeckById(&cards);
        std::string rest = text;
        while (!rest.empty()) {
            const size_t space = rest.find(' ');
            insertById(&cards[static_cast<size_t>(parseCard(rest.substr(0, space)) - 1)], &list);
            rest = space == std::string::npos ? "" : rest.substr(space + 1);
        }
    }
};

TEST(EvaluateHand, ExampleHandsAndShapes)
{
    struct Row {
        const char* hand;
        int32_t code;
    };
    const Row rows[] = {
        {"10H JH QH KH AH", HAND_QUINTE_FLUSH_ROYAL},
        {"AS KS QS JS 10S", HAND_QUINTE_FLUSH_ROYAL},
        // The five-high straight flush is no royal flush.
        {"2S 3S 4S 5S AS", HAND_QUINTE_FLUSH},
        {"9C 10C JC QC KC", HAND_QUINTE_FLUSH},
        {"2H 3H 4H 5H 6H", HAND_QUINTE_FLUSH},
        {"2C 3D 4S 5S AS", HAND_SUITE},
        {"6C 7D 8H 9S 10C", HAND_SUITE},
        {"10C JD QH KS AC", HAND_SUITE},
        {"QC KD AH 2S 3C", HAND_RIEN},  // no wrap-around
        {"JC QD KH AS 2C", HAND_RIEN},
        {"2C 2D 2H 2S KC", HAND_CARRE},
        {"3C AC AD AH AS", HAND_CARRE},
        {"2C 2D 3H 3S 3C", HAND_FULL_HOUSE},
        {"2C 2D 2H 3S 3C", HAND_FULL_HOUSE},
        {"2C 3D 4H 4S 4C", HAND_BRELAN},
        {"2C 3D 3H 3S 4C", HAND_BRELAN},
        {"AC AD AH 5S 9C", HAND_BRELAN},
        {"2D 5D 7D 9D JD", HAND_COULEUR},
        {"2D 3D 4D 5D KD", HAND_COULEUR},
        {"2C 2D 3H 3S 9C", HAND_DOUBLE_PAIRE},
        {"2C 3D 3H 9S 9C", HAND_DOUBLE_PAIRE},
        {"2C 2D 5H 9S 9C", HAND_DOUBLE_PAIRE},
        {"AC AD KH KS 5C", HAND_DOUBLE_PAIRE},
        {"2C 2D 5H 9S QC", HAND_PAIRE},
        {"2C 3D 4H 5S 5C", HAND_PAIRE},
        {"2C 3D 4H 5S 7C", HAND_RIEN},
        {"2C 4D 7H 9S AC", HAND_RIEN},
        {"2C 3D 4H 5S AC", HAND_SUITE},
        {"2C 3C 4C 5C 5D", HAND_PAIRE},
    };
    for (const Row& row : rows) {
        Hand hand(row.hand);
        ASSERT_EQ(hand.list.count, 5) << row.hand;
        EXPECT_EQ(evaluateHand(&hand.list), row.code) << row.hand;
    }
}

TEST(EvaluateHand, ListsOtherThanFiveCardsAreNothing)
{
    Hand empty("");
    EXPECT_EQ(evaluateHand(&empty.list), HAND_RIEN);

    // Four cards of a royal flush: the tail's next is null, so reading a
    // fifth card would fault.
    Hand four("10H JH QH KH");
    ASSERT_EQ(four.list.tail->next, nullptr);
    EXPECT_EQ(evaluateHand(&four.list), HAND_RIEN);

    Hand six("10H JH QH KH AH 2C");
    EXPECT_EQ(evaluateHand(&six.list), HAND_RIEN);

    // Evaluation leaves the hand as it was.
    Hand royal("10H JH QH KH AH");
    const Card* head = royal.list.head;
    EXPECT_EQ(evaluateHand(&royal.list), HAND_QUINTE_FLUSH_ROYAL);
    EXPECT_EQ(royal.list.head, head);
    EXPECT_EQ(royal.list.count, 5);
    EXPECT_EQ(royal.list.tail->id, parseCard("AH"));
}

TEST(EvaluateHand, EveryHandOfTheDeck)
{
    std::array<Card, DECK_SIZE> cards{};
    fillDeckById(&cards);
    std::array<int64_t, HAND_CODE_COUNT> counts{};
    int64_t hands = 0;
    int32_t royalsSeen = 0;

    HandPick pick = firstHand();
    do {
        // Cards go in out of id order: the hand's order is the insert's work.
        CardList hand{nullptr, nullptr, 0};
        for (size_t i : {4, 1, 3, 0, 2}) {
            insertById(&cards[pick[i]], &hand);
        }
        const int32_t code = evaluateHand(&hand);
        ++hands;
        ASSERT_GE(code, 0);
        ASSERT_LT(code, HAND_CODE_COUNT);
        ++counts[static_cast<size_t>(code)];
        if (code == HAND_QUINTE_FLUSH_ROYAL) {
            // Ten to ace of one suit, one suit after the other.
            const int32_t suit = royalsSeen;
            EXPECT_EQ(cards[pick[0]].id, cardId(10, suit));
            EXPECT_EQ(cards[pick[1]].id, cardId(11, suit));
            EXPECT_EQ(cards[pick[2]].id, cardId(12, suit));
            EXPECT_EQ(cards[pick[3]].id, cardId(13, suit));
            EXPECT_EQ(cards[pick[4]].id, cardId(RANK_ACE, suit));
            ++royalsSeen;
        }
    } while (nextHand(&pick));

    EXPECT_EQ(hands, 2598960);
    const std::array<int64_t, HAND_CODE_COUNT> expected = {1302540, 1098240, 123552, 54912, 10200,
                                                          5108,    3744,    624,    36,    4};
    EXPECT_EQ(counts, expected);
    EXPECT_EQ(royalsSeen, 4);
}

}  // namespace
