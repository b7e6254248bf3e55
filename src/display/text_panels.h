// Texts rendered from the font: the score panel and the two page texts.
// Each routine starts and stops the font library itself and flips when done.
#pragma once

#include <SDL.h>

#include "cards/purse.h"

// Writes the seven purse values into their text buffers and draws them.
// The caller draws the panel backdrop first.
void drawScorePanel(Purse* purse, SDL_Surface* screen);
// The web address of the Aide page.
void drawAideText(SDL_Surface* screen);
// The web address and the version of the Apropos page.
void drawAproposText(SDL_Surface* screen);
