// assignShuffleKeys against a scripted rand(): this executable is linked with
// --wrap=rand, so every rand() call of the game code lands in __wrap_rand.
#include <gtest/gtest.h>

#include <array>
#include <set>
#include <vector>

#include "cards/card_list.h"

namespace {

std::vector<int> gScript;  // values rand() returns, in order
size_t gCalls = 0;

void script(const std::vector<int>& values)
{
    gScript = values;
    gCalls = 0;
}

// 52 distinct values starting at `base`.
std::vector<int> distinctTable(int base)
{
    std::vector<int> table;
    for (int i = 0; i < 52; ++i) {
        table.push_back(base + 7 * i);
    }
    return table;
}

std::vector<int32_t> keysOf(const CardList& list)
{
    std::vector<int32_t> keys;
    for (const Card* card = list.head; card != nullptr; card = card->next) {
        keys.push_back(card->shuffleKey);
    }
    return keys;
}

// A list of the first n cards of the start-up deck.
struct Fixture {
    std::array<Card, DECK_SIZE> cards{};
    CardList gather{}, stock{}, hand{};
    explicit Fixture(int n)
    {
        buildDeck(&cards, &gather, &stock, &hand);
        for (int i = 0; i < n; ++i) {
            insertById(takeHead(&gather), &hand);  // ids ascending in `hand`
        }
    }
};

}  // namespace

extern "C" int __wrap_rand(void)
{
    if (gCalls < gScript.size()) {
        return gScript[gCalls++];
    }
    ++gCalls;
    ADD_FAILURE() << "rand() called more often than scripted";
    return static_cast<int>(gCalls) * 1000003;
}

namespace {

TEST(AssignShuffleKeys, DropsFirstValueAndHandsOutInListOrder)
{
    Fixture f(5);
    std::vector<int> values = {424242};  // dropped
    std::vector<int> table = distinctTable(100);
    values.insert(values.end(), table.begin(), table.end());
    script(values);

    assignShuffleKeys(&f.hand);
    EXPECT_EQ(gCalls, 53u);
    EXPECT_EQ(keysOf(f.hand), (std::vector<int32_t>{100, 107, 114, 121, 128}));
    // The list's order and links are untouched.
    std::vector<int32_t> ids;
    for (const Card* c = f.hand.head; c != nullptr; c = c->next) ids.push_back(c->id);
    EXPECT_EQ(ids, (std::vector<int32_t>{32, 36, 40, 44, 48}));
}

TEST(AssignShuffleKeys, DuplicateAnywhereRedrawsTheWholeTable)
{
    // Duplicate far beyond the three cards that get keys: still a redraw.
    Fixture f(3);
    std::vector<int> first = distinctTable(100);
    first[45] = first[40];
    std::vector<int> second = distinctTable(5000);
    std::vector<int> values = {1};
    values.insert(values.end(), first.begin(), first.end());
    values.insert(values.end(), second.begin(), second.end());
    script(values);

    assignShuffleKeys(&f.hand);
    EXPECT_EQ(gCalls, 1u + 104u);  // one drop per call, not per attempt
    EXPECT_EQ(keysOf(f.hand), (std::vector<int32_t>{5000, 5007, 5014}));

    // Results 2 and 3 equal: keys come from results 54 on.
    Fixture g(2);
    first = distinctTable(100);
    first[1] = first[0];
    values = {9};
    values.insert(values.end(), first.begin(), first.end());
    values.insert(values.end(), second.begin(), second.end());
    script(values);
    assignShuffleKeys(&g.hand);
    EXPECT_EQ(gCalls, 105u);
    EXPECT_EQ(keysOf(g.hand), (std::vector<int32_t>{5000, 5007}));
}

TEST(AssignShuffleKeys, FullDeckGetsDistinctKeys)
{
    Fixture f(0);
    std::vector<int> values = {0};
    std::vector<int> table = distinctTable(3);
    values.insert(values.end(), table.begin(), table.end());
    script(values);

    assignShuffleKeys(&f.gather);
    std::vector<int32_t> keys = keysOf(f.gather);
    ASSERT_EQ(keys.size(), 52u);
    EXPECT_EQ(std::set<int32_t>(keys.begin(), keys.end()).size(), 52u);
    EXPECT_EQ(keys.front(), 3);
    EXPECT_EQ(keys.back(), 3 + 7 * 51);
}

TEST(AssignShuffleKeysDeathTest, EmptyListExitsWithStatusOneSilently)
{
    CardList empty{nullptr, nullptr, 0};
    std::vector<int> values = {0};
    std::vector<int> table = distinctTable(1);
    values.insert(values.end(), table.begin(), table.end());
    script(values);
    EXPECT_EXIT(assignShuffleKeys(&empty), testing::ExitedWithCode(1), "^$");
}

}  // namespace
