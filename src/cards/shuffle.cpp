#include "cards/shuffle.h"

#include <cstddef>

namespace {

constexpr int32_t kShufflePasses = 5;

// Unlinks and returns the card with `id`, or null when the list lacks it. The
// walk is bounded by count, so a broken slot never leads past the tail.
Card* unlinkById(CardList* list, int32_t id)
{
    Card* previous = nullptr;
    Card* card = list->head;
    for (int32_t i = 0; i < list->count; ++i) {
        if (card->id == id) {
            if (previous == nullptr) {
                list->head = card->next;
            } else {
                previous->next = card->next;
            }
            if (card == list->tail) {
                list->tail = previous;
            }
            --list->count;
            if (list->count == 0) {
                list->head = nullptr;
                list->tail = nullptr;
            }
            return card;
        }
        previous = card;
        card = card->next;
    }
    return nullptr;
}

}  // namespace

void shuffleDeck(CardList* stockList, CardList* handList, CardList* gatherList)
{
    moveAllByKey(stockList, gatherList);
    moveAllByKey(handList, gatherList);

    // Each pass sorts the whole deck on keys it has just handed out, then
    // re-keys it; the last sort decides the stock order.
    for (int32_t pass = 0; pass < kShufflePasses; ++pass) {
        moveAllByKey(stockList, gatherList);
        assignShuffleKeys(gatherList);
        moveAllByKey(gatherList, stockList);
        assignShuffleKeys(stockList);
    }
}

void dealHand(CardList* stockList, CardList* handList, DisplayState* display)
{
    for (int32_t& slot : display->handCards) {
        Card* card = takeHead(stockList);
        if (card == nullptr) {
            return;  // an exhausted stock leaves the remaining slots as they are
        }
        slot = card->id;
        insertById(card, handList);
    }
}

void drawReplacements(CardList* stockList, CardList* handList, CardList* gatherList, DisplayState* display)
{
    for (size_t slot = 0; slot < display->handCards.size(); ++slot) {
        if (display->garderButtons[slot] != kButtonDown) {
            continue;
        }
        // Without a card to give, the old one stays: the hand never shrinks.
        if (stockList->count == 0) {
            return;
        }
        Card* old = unlinkById(handList, display->handCards[slot]);
        if (old == nullptr) {
            continue;  // the slot does not show a hand card; nothing to exchange
        }
        insertByKey(old, gatherList);
        Card* fresh = takeHead(stockList);
        display->handCards[slot] = fresh->id;
        insertById(fresh, handList);
    }
}
