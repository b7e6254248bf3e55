// Whole screens and the redraws of the betting and card phases.
#pragma once

#include <SDL.h>

#include <cstdint>

#include "cards/purse.h"
#include "display/display_state.h"

// The start screen; flips.
void showStartScreen(DisplayState* display, SDL_Surface* screen);
// The game screen of the betting phase; flips twice (score first, then all).
void showBetScreen(DisplayState* display, Purse* purse, SDL_Surface* screen);
// Offers the Aide and Apropos pages, then redraws what betting changes; flips.
void refreshBetScreen(DisplayState* display, Purse* purse, SDL_Surface* screen, int32_t returnTo);
// The game screen of the first-hand and result phases; flips twice.
void showCardScreen(DisplayState* display, Purse* purse, SDL_Surface* screen);
// Offers the Aide and Apropos pages, then redraws the buttons of the card
// phases. Does not flip: the round loop flips right after.
void refreshCardScreen(DisplayState* display, Purse* purse, SDL_Surface* screen, int32_t returnTo);
