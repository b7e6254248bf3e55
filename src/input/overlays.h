// The modal Aide and Apropos pages, and the refreshes of the game screen that
// give them their chance to open.
//
// A page opens only while its button is down, waits for Retour, then rebuilds
// the screen named by `returnTo` (0 start, 1 betting, 2 or 3 cards; any other
// value leaves the page up).
// Escape or a quit request in any of their waits ends the process, status 0.
#pragma once

#include <SDL.h>

#include <cstdint>

#include "cards/purse.h"
#include "state/display_state.h"
#include "state/modes.h"

// Waits for one event that concerns Retour: a left press on it sets
// `retourButton` to 1, a left release on it or on Aide sets it to 0.
void waitRetour(DisplayState* display);
void showAideOverlay(DisplayState* display, Purse* purse, SDL_Surface* screen, int32_t returnTo);
void showAproposOverlay(DisplayState* display, Purse* purse, SDL_Surface* screen, int32_t returnTo);

// Offers the Aide and Apropos pages, then redraws what betting changes; flips.
void refreshBetScreen(DisplayState* display, Purse* purse, SDL_Surface* screen, int32_t returnTo);
// Offers the Aide and Apropos pages, then redraws the buttons of the card
// phases. Does not flip: the round loop flips right after.
void refreshCardScreen(DisplayState* display, Purse* purse, SDL_Surface* screen, int32_t returnTo);
