// Speed of the card rules: classifying every hand of the deck, and the card
// movement of one round.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdlib>

#include "cards/evaluate.h"
#include "cards/shuffle.h"
#include "every_hand.h"

namespace {

constexpr int64_t kAllHands = 2598960;

// Every five-card hand, each built afresh through insertById and classified.
void BM_EvaluateAllHands(benchmark::State& state)
{
    std::array<Card, kDeckSize> cards{};
    fillDeckById(&cards);
    for (auto _ : state) {
        int64_t royals = 0;
        HandPick pick = firstHand();
        do {
            // Lowest id first: every insert walks the whole list to its
            // tail, the costliest way to build a hand.
            CardList hand{nullptr, nullptr, 0};
            for (size_t index : pick) {
                insertById(&cards[index], &hand);
            }
            royals += evaluateHand(&hand) == kHandQuinteFlushRoyal;
        } while (nextHand(&pick));
        benchmark::DoNotOptimize(royals);
    }
    state.SetItemsProcessed(state.iterations() * kAllHands);
}
BENCHMARK(BM_EvaluateAllHands)->Unit(benchmark::kMillisecond);

// Shuffle, deal five and exchange three, as one round of play does.
void BM_CardRound(benchmark::State& state)
{
    std::array<Card, kDeckSize> cards{};
    CardList gather{}, stock{}, hand{};
    DisplayState display{};
    buildDeck(&cards, &gather, &stock, &hand);
    resetDisplayState(&display);
    std::srand(1);
    assignShuffleKeys(&gather);
    display.garderButtons = {kButtonDown, kButtonUp, kButtonDown, kButtonUp, kButtonDown};

    for (auto _ : state) {
        shuffleDeck(&stock, &hand, &gather);
        dealHand(&stock, &hand, &display);
        drawReplacements(&stock, &hand, &gather, &display);
        benchmark::DoNotOptimize(display.handCards.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CardRound)->Unit(benchmark::kMicrosecond);

}  // namespace
