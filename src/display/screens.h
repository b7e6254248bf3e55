// Whole screens: start, betting, and the card phases.
#pragma once

#include <SDL.h>

#include "cards/purse.h"
#include "state/display_state.h"

// The start screen; flips.
void showStartScreen(DisplayState* display, SDL_Surface* screen);
// The game screen of the betting phase; flips twice (score first, then all).
void showBetScreen(DisplayState* display, Purse* purse, SDL_Surface* screen);
// The game screen of the first-hand and result phases; flips twice.
void showCardScreen(DisplayState* display, Purse* purse, SDL_Surface* screen);
