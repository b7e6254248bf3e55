#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "list_check.h"

namespace {

Card looseCard(int32_t id, int32_t key)
{
    static Card stale{};  // a link left from another list must not survive an insert
    return Card{rankOfId(id), suitOfId(id), id, key, &stale};
}

TEST(CardList, StartupDeckIds)
{
    EXPECT_EQ(cardId(2, kSuitTrefle), 1);
    EXPECT_EQ(cardId(kRankAce, kSuitPique), 52);
    std::array<Card, kDeckSize> cards{};
    CardList gather{}, stock{}, hand{};
    buildDeck(&cards, &gather, &stock, &hand);

    // The link order is pinned by the scripted shuffle, which starts from it.
    for (const Card& card : cards) {
        EXPECT_EQ(&card, &cards[static_cast<size_t>(card.id - 1)]);
        EXPECT_EQ(rankOfId(card.id), card.rank);
        EXPECT_EQ(suitOfId(card.id), card.suit);
        EXPECT_EQ(card.shuffleKey, -1);
    }
}

TEST(CardList, OrderedInsertsIntoEmptyHeadTailAndMiddle)
{
    std::array<Card, 4> byKey = {looseCard(1, 50), looseCard(2, 10), looseCard(3, 90), looseCard(4, 30)};
    const std::array<Ids, 4> after = {{{1}, {2, 1}, {2, 1, 3}, {2, 4, 1, 3}}};
    CardList list{nullptr, nullptr, 0};
    for (size_t i = 0; i < byKey.size(); ++i) {
        insertByKey(&byKey[i], &list);
        EXPECT_EQ(idsOf(list), after[i]) << "insert " << i;
    }

    // Keys rise in insert order here, so only the ids can give this order.
    std::array<Card, 5> byId = {looseCard(30, 1), looseCard(5, 2), looseCard(52, 3), looseCard(17, 4),
                                looseCard(18, 5)};
    CardList hand{nullptr, nullptr, 0};
    for (Card& card : byId) {
        insertById(&card, &hand);
    }
    EXPECT_EQ(idsOf(hand), (Ids{5, 17, 18, 30, 52}));
}

TEST(CardList, TakeHeadDownToEmpty)
{
    std::array<Card, 2> c = {looseCard(7, 1), looseCard(8, 2)};
    CardList list{nullptr, nullptr, 0};
    insertByKey(&c[0], &list);
    insertByKey(&c[1], &list);

    EXPECT_EQ(takeHead(&list), &c[0]);
    EXPECT_EQ(idsOf(list), Ids{8});
    EXPECT_EQ(takeHead(&list), &c[1]);
    EXPECT_EQ(idsOf(list), Ids{});
    EXPECT_EQ(takeHead(&list), nullptr);  // instead of reading a null head
    EXPECT_EQ(list.count, 0);
}

TEST(CardList, MoveAllByKeyFromEmptyAndFull)
{
    std::array<Card, kDeckSize> cards{};
    CardList gather{}, stock{}, hand{};
    buildDeck(&cards, &gather, &stock, &hand);
    moveAllByKey(&stock, &hand);
    EXPECT_EQ(idsOf(hand), Ids{});

    // Keys falling along the list: sorted by key, the deck comes out reversed.
    int32_t key = 1000;
    for (Card* card = gather.head; card != nullptr; card = card->next) {
        card->shuffleKey = key--;
    }
    Ids reversed = idsOf(gather);
    std::reverse(reversed.begin(), reversed.end());
    moveAllByKey(&gather, &stock);
    EXPECT_EQ(idsOf(gather), Ids{});
    EXPECT_EQ(idsOf(stock), reversed);
}

}  // namespace
