#include <gtest/gtest.h>

#include <array>
#include <set>
#include <vector>

#include "cards/card_list.h"

namespace {

// Ids from head to tail, checking the list's shape on the way.
std::vector<int32_t> idsOf(const CardList& list)
{
    std::vector<int32_t> ids;
    const Card* card = list.head;
    for (int32_t i = 0; i < list.count; ++i) {
        EXPECT_NE(card, nullptr);
        if (card == nullptr) {
            break;
        }
        ids.push_back(card->id);
        if (i == list.count - 1) {
            EXPECT_EQ(card, list.tail);
            EXPECT_EQ(card->next, nullptr);
        }
        card = card->next;
    }
    if (list.count == 0) {
        EXPECT_EQ(list.head, nullptr);
        EXPECT_EQ(list.tail, nullptr);
    }
    return ids;
}

Card makeCard(int32_t id, int32_t key)
{
    // A stale link from some other list must never survive an insert.
    static Card stale{};
    return Card{rankOfId(id), suitOfId(id), id, key, &stale};
}

TEST(CardList, IdRuleBothWays)
{
    EXPECT_EQ(cardId(2, SUIT_TREFLE), 1);
    EXPECT_EQ(cardId(2, SUIT_PIQUE), 4);
    EXPECT_EQ(cardId(12, SUIT_PIQUE), 44);
    EXPECT_EQ(cardId(RANK_ACE, SUIT_TREFLE), 49);
    EXPECT_EQ(cardId(RANK_ACE, SUIT_PIQUE), 52);
    for (int32_t id = 1; id <= DECK_SIZE; ++id) {
        EXPECT_EQ(cardId(rankOfId(id), suitOfId(id)), id);
    }
}

TEST(CardList, StartupDeckOrderAndIds)
{
    std::array<Card, DECK_SIZE> cards{};
    CardList gather{}, stock{}, hand{};
    buildDeck(&cards, &gather, &stock, &hand);

    EXPECT_EQ(stock.count, 0);
    EXPECT_EQ(hand.count, 0);
    ASSERT_EQ(gather.count, DECK_SIZE);
    EXPECT_EQ(gather.head->id, 48);
    EXPECT_EQ(gather.tail->id, 49);

    // Per suit (spades first): King .. Two, then the Ace.
    std::vector<int32_t> expected;
    for (int32_t suit = SUIT_PIQUE; suit >= SUIT_TREFLE; --suit) {
        for (int32_t rank = 13; rank >= 2; --rank) {
            expected.push_back(cardId(rank, suit));
        }
        expected.push_back(cardId(RANK_ACE, suit));
    }
    EXPECT_EQ(idsOf(gather), expected);
    EXPECT_EQ(std::set<int32_t>(expected.begin(), expected.end()).size(), 52u);
    for (const Card& card : cards) {
        EXPECT_EQ(card.shuffleKey, -1);
        EXPECT_EQ(card.id, cardId(card.rank, card.suit));
        EXPECT_EQ(&card, &cards[static_cast<size_t>(card.id - 1)]);
    }
}

TEST(CardList, InsertByKeyAtHeadMiddleTailAndEmpty)
{
    std::array<Card, 4> c = {makeCard(1, 50), makeCard(2, 10), makeCard(3, 90), makeCard(4, 30)};
    CardList list{nullptr, nullptr, 0};

    insertByKey(&c[0], &list);  // empty: becomes head and tail
    EXPECT_EQ(list.head, &c[0]);
    EXPECT_EQ(list.tail, &c[0]);
    EXPECT_EQ(c[0].next, nullptr);
    EXPECT_EQ(list.count, 1);

    insertByKey(&c[1], &list);  // smaller than the head
    EXPECT_EQ(list.head, &c[1]);
    EXPECT_EQ(list.tail, &c[0]);

    insertByKey(&c[2], &list);  // greater than all: new tail
    EXPECT_EQ(list.tail, &c[2]);
    EXPECT_EQ(c[2].next, nullptr);

    insertByKey(&c[3], &list);  // between 10 and 50
    EXPECT_EQ(list.head, &c[1]);
    EXPECT_EQ(list.tail, &c[2]);
    EXPECT_EQ(idsOf(list), (std::vector<int32_t>{2, 4, 1, 3}));
}

TEST(CardList, InsertByIdKeepsIdOrder)
{
    std::array<Card, 5> c = {makeCard(30, 1), makeCard(5, 2), makeCard(52, 3), makeCard(17, 4), makeCard(18, 5)};
    CardList list{nullptr, nullptr, 0};
    for (Card& card : c) {
        insertById(&card, &list);
    }
    EXPECT_EQ(idsOf(list), (std::vector<int32_t>{5, 17, 18, 30, 52}));
    EXPECT_EQ(list.tail->id, 52);
    EXPECT_EQ(list.count, 5);
}

TEST(CardList, TakeHeadDownToEmpty)
{
    std::array<Card, 2> c = {makeCard(7, 1), makeCard(8, 2)};
    CardList list{nullptr, nullptr, 0};
    insertByKey(&c[0], &list);
    insertByKey(&c[1], &list);

    EXPECT_EQ(takeHead(&list), &c[0]);
    EXPECT_EQ(list.head, &c[1]);
    EXPECT_EQ(list.tail, &c[1]);
    EXPECT_EQ(list.count, 1);

    EXPECT_EQ(takeHead(&list), &c[1]);
    EXPECT_EQ(list.head, nullptr);
    EXPECT_EQ(list.tail, nullptr);
    EXPECT_EQ(list.count, 0);

    // An empty list gives nothing back instead of reading a null head.
    EXPECT_EQ(takeHead(&list), nullptr);
    EXPECT_EQ(list.count, 0);
}

TEST(CardList, MoveAllByKeyFromEmptyAndFull)
{
    std::array<Card, DECK_SIZE> cards{};
    CardList gather{}, stock{}, hand{};
    buildDeck(&cards, &gather, &stock, &hand);

    moveAllByKey(&stock, &hand);  // empty source changes nothing
    EXPECT_EQ(stock.count, 0);
    EXPECT_EQ(hand.count, 0);
    EXPECT_EQ(hand.head, nullptr);

    // Keys in reverse link order: the sorted result is the reversed deck.
    int32_t key = 1000;
    for (Card* card = gather.head; card != nullptr; card = card->next) {
        card->shuffleKey = key--;
    }
    std::vector<int32_t> before = idsOf(gather);
    moveAllByKey(&gather, &stock);
    EXPECT_EQ(gather.count, 0);
    EXPECT_EQ(gather.head, nullptr);
    EXPECT_EQ(gather.tail, nullptr);
    EXPECT_EQ(stock.count, DECK_SIZE);
    std::vector<int32_t> after = idsOf(stock);
    EXPECT_EQ(after, std::vector<int32_t>(before.rbegin(), before.rend()));

    // Moving into a non-empty list merges by key.
    Card extra = makeCard(1, 0);
    extra.id = 99;
    CardList single{nullptr, nullptr, 0};
    insertByKey(&extra, &single);
    moveAllByKey(&single, &stock);
    EXPECT_EQ(stock.head, &extra);
    EXPECT_EQ(stock.count, DECK_SIZE + 1);
}

}  // namespace
