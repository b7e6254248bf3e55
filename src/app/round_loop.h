// The round loop: drives the stages of play until a handler asks to quit.
#pragma once

#include <SDL.h>

#include <cstdint>

#include "cards/card_list.h"
#include "cards/purse.h"
#include "state/display_state.h"
#include "state/modes.h"

// Runs rounds until `*running` becomes -1. All state is main's, by pointer.
void runRoundLoop(CardList* gatherList, CardList* stockList, CardList* handList, Purse* purse, DisplayState* display,
                  int32_t* mode, int32_t* running, SDL_Surface* screen);
