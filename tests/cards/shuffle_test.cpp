// Shuffle, deal and draw. This executable is linked with --wrap=rand: the
// wrapper counts the game's rand() calls and passes them to the real one.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

#include "cards/shuffle.h"

extern "C" int __real_rand(void);

namespace {

size_t gRandCalls = 0;

struct Table {
    std::array<Card, DECK_SIZE> cards{};
    CardList gather{}, stock{}, hand{};
    DisplayState display{};

    Table()
    {
        buildDeck(&cards, &gather, &stock, &hand);
        resetDisplayState(&display);
    }
    int32_t keyOf(int32_t id) const { return cards[static_cast<size_t>(id - 1)].shuffleKey; }
};

// Ids from head to tail; the walk is bounded by count and stops at a null link.
std::vector<int32_t> idsOf(const CardList& list)
{
    std::vector<int32_t> ids;
    const Card* card = list.head;
    for (int32_t i = 0; i < list.count && card != nullptr; ++i, card = card->next) {
        ids.push_back(card->id);
    }
    return ids;
}

// Every list well formed, the counts add to 52 and every card is in exactly one list.
void expectDeckIntact(const Table& t)
{
    std::array<int, DECK_SIZE> seen{};
    for (const CardList* list : {&t.gather, &t.stock, &t.hand}) {
        ASSERT_GE(list->count, 0);
        if (list->count == 0) {
            EXPECT_EQ(list->head, nullptr);
            EXPECT_EQ(list->tail, nullptr);
            continue;
        }
        const Card* card = list->head;
        for (int32_t i = 0; i < list->count; ++i) {
            ASSERT_NE(card, nullptr) << "list shorter than its count";
            const ptrdiff_t index = card - t.cards.data();
            ASSERT_TRUE(index >= 0 && index < DECK_SIZE) << "card outside the deck";
            ++seen[static_cast<size_t>(index)];
            if (i + 1 < list->count) {
                card = card->next;
            }
        }
        EXPECT_EQ(card, list->tail);
        EXPECT_EQ(card->next, nullptr);
    }
    EXPECT_EQ(t.gather.count + t.stock.count + t.hand.count, DECK_SIZE);
    for (int count : seen) {
        EXPECT_EQ(count, 1);
    }
}

// Replaces the cards of the slots set in `pattern` (bit i = slot i) and checks
// the result against the state before the draw.
void drawAndCheck(Table* t, unsigned pattern)
{
    SCOPED_TRACE(pattern);
    for (size_t i = 0; i < 5; ++i) {
        t->display.garderButtons[i] = (pattern >> i) & 1u ? BUTTON_DOWN : BUTTON_UP;
    }
    const DisplayState before = t->display;
    const std::vector<int32_t> stockBefore = idsOf(t->stock);
    ASSERT_EQ(t->gather.count, 0);

    drawReplacements(&t->stock, &t->hand, &t->gather, &t->display);
    expectDeckIntact(*t);

    // Replacements come from the stock head, leftmost replaced slot first.
    std::array<int32_t, 5> slots = before.handCards;
    std::vector<int32_t> discards;
    size_t taken = 0;
    for (size_t i = 0; i < 5; ++i) {
        if ((pattern >> i) & 1u) {
            discards.push_back(slots[i]);
            slots[i] = stockBefore[taken++];
        }
    }
    EXPECT_EQ(t->display.handCards, slots);
    EXPECT_EQ(t->display.garderButtons, before.garderButtons);
    EXPECT_EQ(idsOf(t->stock), std::vector<int32_t>(stockBefore.begin() + static_cast<ptrdiff_t>(taken),
                                                     stockBefore.end()));

    std::vector<int32_t> handIds(slots.begin(), slots.end());
    std::sort(handIds.begin(), handIds.end());
    EXPECT_EQ(idsOf(t->hand), handIds);

    std::sort(discards.begin(), discards.end(),
              [t](int32_t a, int32_t b) { return t->keyOf(a) < t->keyOf(b); });
    EXPECT_EQ(idsOf(t->gather), discards);
}

// Shuffles, then deals and checks the deal against the stock it came from.
void shuffleAndDeal(Table* t)
{
    shuffleDeck(&t->stock, &t->hand, &t->gather);
    expectDeckIntact(*t);
    ASSERT_EQ(t->stock.count, DECK_SIZE);

    const std::vector<int32_t> stockBefore = idsOf(t->stock);
    resetDisplayState(&t->display);
    dealHand(&t->stock, &t->hand, &t->display);
    expectDeckIntact(*t);

    // Slots in deal order, the hand list in id order.
    const std::vector<int32_t> dealt(stockBefore.begin(), stockBefore.begin() + 5);
    EXPECT_EQ(std::vector<int32_t>(t->display.handCards.begin(), t->display.handCards.end()), dealt);
    std::vector<int32_t> sorted = dealt;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(idsOf(t->hand), sorted);
    EXPECT_EQ(idsOf(t->stock), std::vector<int32_t>(stockBefore.begin() + 5, stockBefore.end()));
}

}  // namespace

extern "C" int __wrap_rand(void)
{
    ++gRandCalls;
    return __real_rand();
}

namespace {

TEST(ShuffleDeck, CollectsEveryCardFromAnyDistribution)
{
    // Where the k-th card of the keyed start-up deck goes before the shuffle.
    enum Start { ALL_GATHER, ALL_STOCK, ALL_HAND, SPREAD, DEALT, DRAWN };
    const auto listFor = [](Start start, int32_t k) {
        switch (start) {
        case ALL_GATHER: return 0;
        case ALL_STOCK: return 1;
        case ALL_HAND: return 2;
        case SPREAD: return static_cast<int>(k % 3);
        case DEALT: return k < 5 ? 2 : 1;                    // 47 stock, 5 hand
        case DRAWN: return k < 3 ? 0 : k < 8 ? 2 : 1;        // 3 gather, 44 stock, 5 hand
        }
        return 0;
    };
    std::srand(7);
    for (Start start : {ALL_GATHER, ALL_STOCK, ALL_HAND, SPREAD, DEALT, DRAWN}) {
        SCOPED_TRACE(start);
        Table t;
        assignShuffleKeys(&t.gather);
        CardList from = t.gather;
        t.gather = CardList{nullptr, nullptr, 0};
        for (int32_t k = 0; from.count != 0; ++k) {
            Card* card = takeHead(&from);
            switch (listFor(start, k)) {
            case 0: insertByKey(card, &t.gather); break;
            case 1: insertByKey(card, &t.stock); break;
            default: insertById(card, &t.hand); break;
            }
        }
        expectDeckIntact(t);

        gRandCalls = 0;
        shuffleDeck(&t.stock, &t.hand, &t.gather);
        expectDeckIntact(t);
        EXPECT_EQ(t.stock.count, DECK_SIZE);
        EXPECT_EQ(t.gather.count, 0);
        EXPECT_EQ(t.hand.count, 0);
        // Ten key assignments of 1 + 52 draws (no repeated value with this seed).
        EXPECT_EQ(gRandCalls, 530u);
    }

    // The first round after start-up: the deck still in its start-up order.
    Table fresh;
    assignShuffleKeys(&fresh.gather);
    shuffleAndDeal(&fresh);
}

TEST(ShuffleDeck, ManyRoundsWithEveryDrawPattern)
{
    std::srand(11);
    Table t;
    assignShuffleKeys(&t.gather);
    for (unsigned round = 0; round < 320; ++round) {
        shuffleAndDeal(&t);
        drawAndCheck(&t, round % 32);
        if (HasFailure()) {
            FAIL() << "round " << round;
        }
    }
}

TEST(DrawReplacements, HeadMiddleTailAllAndNone)
{
    std::srand(3);
    Table t;
    assignShuffleKeys(&t.gather);

    // One card at each place of the id-ordered hand list: head, middle, tail.
    for (int32_t place : {0, 2, 4}) {
        SCOPED_TRACE(place);
        shuffleAndDeal(&t);
        const int32_t id = idsOf(t.hand)[static_cast<size_t>(place)];
        const auto slot = std::find(t.display.handCards.begin(), t.display.handCards.end(), id) -
                          t.display.handCards.begin();
        drawAndCheck(&t, 1u << slot);
    }

    shuffleAndDeal(&t);
    drawAndCheck(&t, 0x1f);
    EXPECT_EQ(t.stock.count, 42);

    // Only a button that is exactly down exchanges its card.
    shuffleAndDeal(&t);
    const DisplayState before = t.display;
    const std::vector<int32_t> hand = idsOf(t.hand);
    t.display.garderButtons = {0, 2, 0, -1, 12};
    drawReplacements(&t.stock, &t.hand, &t.gather, &t.display);
    EXPECT_EQ(t.display.handCards, before.handCards);
    EXPECT_EQ(idsOf(t.hand), hand);
    EXPECT_EQ(t.stock.count, 47);
    EXPECT_EQ(t.gather.count, 0);
}

TEST(DrawReplacements, BrokenStateNeverCorruptsTheDeck)
{
    std::srand(5);
    Table t;
    assignShuffleKeys(&t.gather);

    // A slot showing a card that is not in the hand is left alone.
    shuffleAndDeal(&t);
    t.display.handCards[2] = idsOf(t.stock)[10];
    t.display.garderButtons = {0, 0, 1, 0, 0};
    const std::vector<int32_t> hand = idsOf(t.hand);
    drawReplacements(&t.stock, &t.hand, &t.gather, &t.display);
    expectDeckIntact(t);
    EXPECT_EQ(idsOf(t.hand), hand);
    EXPECT_EQ(t.stock.count, 47);

    // An empty stock keeps the hand whole instead of taking from nothing.
    while (t.stock.count != 0) {
        insertByKey(takeHead(&t.stock), &t.gather);
    }
    t.display.garderButtons = {1, 1, 1, 1, 1};
    drawReplacements(&t.stock, &t.hand, &t.gather, &t.display);
    expectDeckIntact(t);
    EXPECT_EQ(idsOf(t.hand), hand);

    // A deal from a short stock fills what it can and leaves the other slots.
    shuffleDeck(&t.stock, &t.hand, &t.gather);
    for (int i = 0; i < 49; ++i) {
        insertByKey(takeHead(&t.stock), &t.gather);
    }
    resetDisplayState(&t.display);
    dealHand(&t.stock, &t.hand, &t.display);
    expectDeckIntact(t);
    EXPECT_EQ(t.hand.count, 3);
    EXPECT_EQ(t.stock.count, 0);
    EXPECT_EQ(t.display.handCards[3], 0);
    EXPECT_EQ(t.display.handCards[4], 0);
}

TEST(ShuffleDeck, FirstDealtCardIsUnbiased)
{
    // 52 cells, 200 expected deals each; 51 degrees of freedom. The chance
    // that a uniform shuffle gives a statistic above 120 is 1.7e-7 (upper tail
    // of the chi-square law with 51 degrees, computed with the regularised
    // incomplete gamma function); 115 would already be 7.6e-7, and the margin
    // covers the small error of the chi-square approximation at 200 per cell.
    constexpr int32_t kRounds = DECK_SIZE * 200;
    constexpr double kBound = 120.0;

    std::srand(20240601);
    Table t;
    assignShuffleKeys(&t.gather);
    std::array<int32_t, DECK_SIZE> hits{};
    for (int32_t round = 0; round < kRounds; ++round) {
        shuffleDeck(&t.stock, &t.hand, &t.gather);
        dealHand(&t.stock, &t.hand, &t.display);
        ++hits[static_cast<size_t>(t.display.handCards[0] - 1)];
    }
    const double expected = static_cast<double>(kRounds) / DECK_SIZE;
    double chiSquare = 0.0;
    for (int32_t count : hits) {
        const double diff = count - expected;
        chiSquare += diff * diff / expected;
    }
    EXPECT_LT(chiSquare, kBound);
}

}  // namespace
