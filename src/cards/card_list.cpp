#include "cards/card_list.h"

#include <cstdlib>

void buildDeck(std::array<Card, kDeckSize>* cards, CardList* gather, CardList* stock, CardList* hand)
{
    *gather = CardList{nullptr, nullptr, 0};
    *stock = CardList{nullptr, nullptr, 0};
    *hand = CardList{nullptr, nullptr, 0};

    // Link order: spades, hearts, diamonds, clubs; in each suit King down to
    // Two, then the Ace. Key assignments follow list order, so this order
    // decides which card gets which key until the first sort.
    constexpr std::array<int32_t, 4> kSuitOrder = {kSuitPique, kSuitCoeur, kSuitCarreau, kSuitTrefle};
    constexpr std::array<int32_t, 13> kRankOrder = {13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, kRankAce};

    for (int32_t suit : kSuitOrder) {
        for (int32_t rank : kRankOrder) {
            const int32_t id = cardId(rank, suit);
            Card* card = &(*cards)[static_cast<size_t>(id - 1)];
            *card = Card{.rank = rank, .suit = suit, .id = id, .shuffleKey = -1, .next = nullptr};
            if (gather->count == 0) {
                gather->head = card;
            } else {
                gather->tail->next = card;
            }
            gather->tail = card;
            ++gather->count;
        }
    }
}

// One insert for both orders; the key is a member of Card chosen at compile time.
template <int32_t Card::*Key>
static void insertOrdered(Card* card, CardList* list)
{
    if (list->count == 0) {
        list->head = card;
        list->tail = card;
        card->next = nullptr;
        list->count = 1;
        return;
    }
    if (card->*Key < list->head->*Key) {
        card->next = list->head;
        list->head = card;
        ++list->count;
        return;
    }
    // Walk by count rather than by next: the list's own length bounds the walk.
    Card* previous = list->head;
    for (int32_t i = 1; i < list->count; ++i) {
        Card* current = previous->next;
        if (current->*Key > card->*Key) {
            previous->next = card;
            card->next = current;
            ++list->count;
            return;
        }
        previous = current;
    }
    list->tail->next = card;
    card->next = nullptr;
    list->tail = card;
    ++list->count;
}

void insertByKey(Card* card, CardList* list) { insertOrdered<&Card::shuffleKey>(card, list); }

void insertById(Card* card, CardList* list) { insertOrdered<&Card::id>(card, list); }

Card* takeHead(CardList* list)
{
    if (list->count == 0) {
        return nullptr;
    }
    Card* card = list->head;
    list->head = card->next;
    --list->count;
    if (list->count == 0) {
        list->head = nullptr;
        list->tail = nullptr;
    }
    return card;
}

void moveAllByKey(CardList* source, CardList* destination)
{
    while (source->count != 0) {
        insertByKey(takeHead(source), destination);
    }
}

static bool hasDuplicate(const std::array<int32_t, kDeckSize>& table)
{
    for (size_t i = 0; i < table.size(); ++i) {
        for (size_t j = i + 1; j < table.size(); ++j) {
            if (table[i] == table[j]) {
                return true;
            }
        }
    }
    return false;
}

void assignShuffleKeys(CardList* list)
{
    std::array<int32_t, kDeckSize> keyTable{};

    // The first value after seeding is dropped once per call, not per attempt.
    (void)std::rand();
    do {
        for (int32_t& key : keyTable) {
            key = std::rand();
        }
    } while (hasDuplicate(keyTable));  // distinct keys keep every sort strict

    if (list->count == 0) {
        std::exit(1);
    }

    Card* card = list->head;
    for (int32_t k = 0; k < list->count && k < kDeckSize; ++k) {
        card->shuffleKey = keyTable[static_cast<size_t>(k)];
        card = card->next;
    }
}
