// Texts rendered from the font: the score panel and the two page texts.
// Each routine starts and stops the font library itself and flips when done.
#pragma once

#include <SDL.h>

#include <cstddef>

#include "cards/purse.h"
#include "display/layout.h"

// Writes the seven purse values into their text buffers and draws them.
// The caller draws the panel backdrop first.
void drawScorePanel(Purse* purse, SDL_Surface* screen);
// The web address of the Aide page.
void drawAideText(SDL_Surface* screen);
// The web address and the version of the Apropos page.
void drawAproposText(SDL_Surface* screen);

// What the font check reads of a font at one size, from SDL_ttf's own
// metrics, over every character a text may hold: the line height, the least
// advance and left edge of any glyph, the furthest any glyph reaches right of
// its origin (its advance or its ink), and the least and greatest step from
// one glyph's origin to the next's (the first's advance plus their kerning).
struct FontMetrics {
    int height;
    int leastAdvance;
    int leastMinX;
    int widestReach;
    int leastStep;
    int widestStep;
};

// Whether a text of up to `length` characters set in that font, drawn at
// `pos`, is one SDL_ttf renders safely and that stays inside `panel` and the
// window: no glyph has a negative advance, no glyph after the first starts
// left of the text's origin (SDL_ttf would write it before its text
// surface), and the widest such text and the line height fit. A font that
// fails draws no text, as a missing one.
bool fontFitsText(const FontMetrics* font, size_t length, ScreenPos pos, ScreenPos panelPos, PictureSize panelSize);
