// Moving the 52 cards over a round: shuffle into the stock, deal five, draw
// replacements for the cards the player marked.
#pragma once

#include "cards/card_list.h"
#include "state/display_state.h"

// Gathers every card and sorts the deck into `stockList` five times over on
// fresh random keys. Afterwards the stock holds all cards; hand and gather are
// empty.
void shuffleDeck(CardList* stockList, CardList* handList, CardList* gatherList);

// Moves the first five stock cards into `handList` (kept in id order) and
// shows them left to right in deal order in `display->handCards`.
void dealHand(CardList* stockList, CardList* handList, DisplayState* display);

// Exchanges the card of every slot whose Garder button is down for the next
// stock card, slots left to right. Discards go to `gatherList` by key; the
// replacement takes the old card's slot. Garder buttons are left as they are.
void drawReplacements(CardList* stockList, CardList* handList, CardList* gatherList, DisplayState* display);
