// Cards and the singly linked lists that hold them.
//
// The deck is a fixed pool of 52 records owned by main; moving a card between
// lists only relinks it, so nothing here allocates.
#pragma once

#include <array>
#include <cstdint>

constexpr int32_t kDeckSize = 52;
constexpr int32_t kRankTwo = 2;
constexpr int32_t kRankAce = 14;

constexpr int32_t kSuitTrefle = 0;   // clubs
constexpr int32_t kSuitCarreau = 1;  // diamonds
constexpr int32_t kSuitCoeur = 2;    // hearts
constexpr int32_t kSuitPique = 3;    // spades

struct Card {
    int32_t rank;        // 2..14, 14 is the ace
    int32_t suit;        // SUIT_*
    int32_t id;          // 1..52, see cardId
    int32_t shuffleKey;  // -1 until the first key assignment
    Card* next;          // following card in the list that holds this one
};

struct CardList {
    Card* head;
    Card* tail;
    int32_t count;  // emptiness is always tested on count, never on head
};

// Ids order cards by rank, then by suit; the hand is kept in this order so
// that every poker combination becomes a pattern of neighbouring cards.
constexpr int32_t cardId(int32_t rank, int32_t suit) { return 4 * (rank - 2) + suit + 1; }
constexpr int32_t rankOfId(int32_t id) { return 2 + (id - 1) / 4; }
constexpr int32_t suitOfId(int32_t id) { return (id - 1) % 4; }

// Builds the 52 cards (stored by id: cards[id - 1]) and links them all into
// `gather` in the fixed start-up order; `stock` and `hand` start empty.
void buildDeck(std::array<Card, kDeckSize>* cards, CardList* gather, CardList* stock, CardList* hand);

// Ordered inserts: `card` must not be in any list. Ties never happen in play.
void insertByKey(Card* card, CardList* list);
void insertById(Card* card, CardList* list);

// Removes and returns the first card; returns null on an empty list instead of
// reading through a null head.
Card* takeHead(CardList* list);

// Empties `source` into `destination`, head first, by insertByKey.
void moveAllByKey(CardList* source, CardList* destination);

// Gives every card of `list` a fresh rand() key, in list order, from a table
// of 52 pairwise distinct values. Ends the process with status 1 when the list
// is empty (it never is in play).
void assignShuffleKeys(CardList* list);
