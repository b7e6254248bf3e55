// Key assignment, shuffle, deal and draw. Linked with --wrap=rand: rand()
// plays a script when one is set, otherwise the real generator with its calls
// counted.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <numeric>
#include <vector>

#include "cards/shuffle.h"
#include "list_check.h"

extern "C" int __real_rand(void);

namespace {

Ids gScript;
size_t gCalls = 0;

}  // namespace

extern "C" int __wrap_rand(void)
{
    ++gCalls;
    if (gScript.empty()) {
        return __real_rand();
    }
    if (gCalls <= gScript.size()) {
        return gScript[gCalls - 1];
    }
    ADD_FAILURE() << "rand() called more often than scripted";
    return static_cast<int>(gCalls) * 1000003;
}

namespace {

// rand() gives `dropped`, then each table in turn.
void script(int32_t dropped, const std::vector<Ids>& tables)
{
    gScript = {dropped};
    for (const Ids& table : tables) {
        gScript.insert(gScript.end(), table.begin(), table.end());
    }
    gCalls = 0;
}

// 52 consecutive values from `first` on.
Ids consecutive(int32_t first)
{
    Ids values(kDeckSize);
    std::iota(values.begin(), values.end(), first);
    return values;
}

struct Table {
    std::array<Card, kDeckSize> cards{};
    CardList gather{}, stock{}, hand{};
    DisplayState display{};

    // The start-up deck; keyed from the real generator unless `seed` is 0.
    explicit Table(unsigned seed = 0)
    {
        buildDeck(&cards, &gather, &stock, &hand);
        resetDisplayState(&display);
        if (seed != 0) {
            gScript.clear();
            std::srand(seed);
            assignShuffleKeys(&gather);
        }
    }
};

TEST(AssignShuffleKeys, DropsOneValueAndHandsTheTableOutInListOrder)
{
    Table t;
    const Ids ids = idsOf(t.gather);
    script(424242, {consecutive(100)});
    assignShuffleKeys(&t.gather);
    EXPECT_EQ(gCalls, 53u);
    EXPECT_EQ(valuesOf(t.gather, &Card::shuffleKey), consecutive(100));
    EXPECT_EQ(idsOf(t.gather), ids);
}

TEST(AssignShuffleKeys, AnyDuplicateInTheTableRedrawsItWhole)
{
    // Three cards get keys; the repeats lie among them and well beyond them.
    for (const auto& repeat : std::vector<std::array<size_t, 2>>{{0, 1}, {40, 45}, {50, 51}}) {
        SCOPED_TRACE(repeat[1]);
        Table t;
        for (int i = 0; i < 3; ++i) {
            insertById(takeHead(&t.gather), &t.hand);
        }
        Ids first = consecutive(100);
        first[repeat[1]] = first[repeat[0]];
        script(1, {first, consecutive(5000)});
        assignShuffleKeys(&t.hand);
        EXPECT_EQ(gCalls, 1u + 2 * kDeckSize);  // one value dropped per call, not per table
        EXPECT_EQ(valuesOf(t.hand, &Card::shuffleKey), (Ids{5000, 5001, 5002}));
    }
}

TEST(AssignShuffleKeysDeathTest, EmptyListExitsWithStatusOneSilently)
{
    CardList empty{nullptr, nullptr, 0};
    script(0, {consecutive(1)});
    EXPECT_EXIT(assignShuffleKeys(&empty), testing::ExitedWithCode(1), "^$");
}

void expectDeckIntact(const Table& t) { expectDeckIntact(t.gather, t.stock, t.hand); }

// Shuffles and deals, checking the deal against the stock it came from.
void shuffleAndDeal(Table* t)
{
    shuffleDeck(&t->stock, &t->hand, &t->gather);
    const Ids stock = idsOf(t->stock);
    ASSERT_EQ(stock.size(), static_cast<size_t>(kDeckSize));

    dealHand(&t->stock, &t->hand, &t->display);
    expectDeckIntact(*t);
    Ids dealt(stock.begin(), stock.begin() + 5);
    EXPECT_EQ(Ids(t->display.handCards.begin(), t->display.handCards.end()), dealt);  // deal order
    std::sort(dealt.begin(), dealt.end());
    EXPECT_EQ(idsOf(t->hand), dealt);  // id order
    EXPECT_EQ(idsOf(t->stock), Ids(stock.begin() + 5, stock.end()));
}

// Replaces the slots set in `pattern` (bit i = slot i) and checks the result.
void drawAndCheck(Table* t, unsigned pattern)
{
    SCOPED_TRACE(pattern);
    for (size_t i = 0; i < 5; ++i) {
        t->display.garderButtons[i] = (pattern >> i) & 1u ? kButtonDown : kButtonUp;
    }
    const DisplayState before = t->display;
    const Ids stock = idsOf(t->stock);
    drawReplacements(&t->stock, &t->hand, &t->gather, &t->display);
    expectDeckIntact(*t);

    // From the stock head into the replaced slots, left to right.
    std::array<int32_t, 5> slots = before.handCards;
    Ids discards;
    size_t taken = 0;
    for (size_t i = 0; i < 5; ++i) {
        if ((pattern >> i) & 1u) {
            discards.push_back(slots[i]);
            slots[i] = stock[taken++];
        }
    }
    EXPECT_EQ(t->display.handCards, slots);
    EXPECT_EQ(t->display.garderButtons, before.garderButtons);
    EXPECT_EQ(idsOf(t->stock), Ids(stock.begin() + static_cast<ptrdiff_t>(taken), stock.end()));
    Ids hand(slots.begin(), slots.end());
    std::sort(hand.begin(), hand.end());
    EXPECT_EQ(idsOf(t->hand), hand);
    const auto keyOf = [t](int32_t id) { return t->cards[static_cast<size_t>(id - 1)].shuffleKey; };
    std::sort(discards.begin(), discards.end(), [&](int32_t a, int32_t b) { return keyOf(a) < keyOf(b); });
    EXPECT_EQ(idsOf(t->gather), discards);
}

TEST(ShuffleDeck, ScriptedKeysGiveTheStockOrderWorkedOutByHand)
{
    // Keys rising from the k-th card of a list on, wrapping round: sorting
    // on them moves the first k cards to the back. Every pass keys the
    // gathered deck (k = 1) and then the stock (k = 10).
    gScript.clear();
    for (int pass = 0; pass < 5; ++pass) {
        for (const size_t k : {1, 10}) {
            gScript.push_back(999);  // dropped
            for (size_t i = 0; i < kDeckSize; ++i) {
                gScript.push_back(static_cast<int32_t>(100 + (i + kDeckSize - k) % kDeckSize));
            }
        }
    }
    gCalls = 0;
    Table t;
    shuffleDeck(&t.stock, &t.hand, &t.gather);
    EXPECT_EQ(gCalls, 530u);
    // Five sorts on the gathered keys and four on the stock keys (the last
    // stock keys come after the last sort): the start-up order turned by
    // 5 + 40 = 45 cards, so it starts at its 46th card, the seven of clubs.
    const Ids stock = {
        21, 17, 13, 9,  5,  1,  49,                        // clubs 7 to 2, ace
        48, 44, 40, 36, 32, 28, 24, 20, 16, 12, 8, 4, 52,  // spades king to 2, ace
        47, 43, 39, 35, 31, 27, 23, 19, 15, 11, 7, 3, 51,  // hearts
        46, 42, 38, 34, 30, 26, 22, 18, 14, 10, 6, 2, 50,  // diamonds
        45, 41, 37, 33, 29, 25,                            // clubs king to 8
    };
    EXPECT_EQ(idsOf(t.stock), stock);
    EXPECT_TRUE(t.gather.count == 0 && t.hand.count == 0);
    dealHand(&t.stock, &t.hand, &t.display);
    EXPECT_EQ(t.display.handCards, (std::array<int32_t, 5>{21, 17, 13, 9, 5}));
    EXPECT_EQ(idsOf(t.hand), (Ids{5, 9, 13, 17, 21}));
    EXPECT_EQ(idsOf(t.stock), Ids(stock.begin() + 5, stock.end()));
}

TEST(ShuffleDeck, CollectsEveryCardFromAnyDistribution)
{
    // How many cards of the keyed start-up deck go to the hand, then to the
    // stock; the rest stay gathered.
    const std::array<std::array<int32_t, 2>, 6> starts = {{{0, 0}, {0, 52}, {52, 0}, {5, 47}, {5, 44}, {17, 17}}};
    for (const auto& start : starts) {
        SCOPED_TRACE(start[0] * 100 + start[1]);
        Table t(7);
        for (int32_t k = 0; k < start[0] + start[1]; ++k) {
            Card* card = takeHead(&t.gather);
            k < start[0] ? insertById(card, &t.hand) : insertByKey(card, &t.stock);
        }
        expectDeckIntact(t);

        shuffleAndDeal(&t);
    }
}

TEST(ShuffleDeck, ManyRoundsWithEveryDrawPattern)
{
    Table t(11);
    for (unsigned round = 0; round < 320 && !HasFailure(); ++round) {
        shuffleAndDeal(&t);
        drawAndCheck(&t, round % 32);
    }
}

TEST(DrawReplacements, BrokenStateNeverCorruptsTheDeck)
{
    Table t(5);
    shuffleAndDeal(&t);
    const Ids hand = idsOf(t.hand);
    // Only a button that is exactly down exchanges its card.
    t.display.garderButtons = {0, 2, 0, -1, 12};
    drawReplacements(&t.stock, &t.hand, &t.gather, &t.display);
    EXPECT_EQ(idsOf(t.hand), hand);
    EXPECT_EQ(t.stock.count, 47);

    // A slot showing a card that is not in the hand is left alone.
    t.display.handCards[2] = idsOf(t.stock)[10];
    t.display.garderButtons = {0, 0, 1, 0, 0};
    drawReplacements(&t.stock, &t.hand, &t.gather, &t.display);
    EXPECT_EQ(idsOf(t.hand), hand);

    // An empty stock keeps the hand whole instead of taking from nothing.
    moveAllByKey(&t.stock, &t.gather);
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
    EXPECT_EQ(t.display.handCards[3], 0);
}

TEST(ShuffleDeck, FirstDealtCardIsUnbiased)
{
    // 52 cells, 200 expected deals each, 51 degrees of freedom. A uniform
    // shuffle exceeds 120 with probability 1.7e-7 (upper tail of the chi-square
    // law); the margin over the 1e-6 point (about 115) covers the error of the
    // chi-square approximation at 200 per cell.
    constexpr int32_t kRounds = kDeckSize * 200;
    Table t(20240601);
    std::array<int32_t, kDeckSize> hits{};
    for (int32_t round = 0; round < kRounds; ++round) {
        shuffleDeck(&t.stock, &t.hand, &t.gather);
        dealHand(&t.stock, &t.hand, &t.display);
        ++hits[static_cast<size_t>(t.display.handCards[0] - 1)];
    }
    const double expected = static_cast<double>(kRounds) / kDeckSize;
    double chiSquare = 0.0;
    for (int32_t count : hits) {
        chiSquare += (count - expected) * (count - expected) / expected;
    }
    EXPECT_LT(chiSquare, 120.0);
}

}  // namespace
