// Bitmap elements: each routine turns one or more display fields into images
// on the screen surface. None of them flips; the caller does.
#pragma once

#include <SDL.h>

#include <array>
#include <cstddef>

#include "display/layout.h"
#include "state/display_state.h"

// Shared by every routine that draws an image or a rendered text.
// Loads a bitmap; null for a null path or a file that does not load.
SDL_Surface* loadImage(const char* path);
// Blits the whole image with its top-left corner at `pos`; a null image draws nothing.
void blitImage(SDL_Surface* image, ScreenPos pos, SDL_Surface* screen);
// Loads, blits and frees one image.
void drawImage(const char* path, ScreenPos pos, SDL_Surface* screen);
// Makes the chip pictures' corner colour see-through; a null chip is left alone.
void keyChipColour(SDL_Surface* chip);

// Frees every surface of a set drawn together, after the last blit.
template <size_t N>
void freeSurfaces(std::array<SDL_Surface*, N>* surfaces)
{
    for (SDL_Surface*& surface : *surfaces) {
        SDL_FreeSurface(surface);
        surface = nullptr;
    }
}

void drawBackground(const DisplayState* display, SDL_Surface* screen);
void drawAideButton(const DisplayState* display, SDL_Surface* screen);
void drawAproposButton(const DisplayState* display, SDL_Surface* screen);
void drawRetourButton(const DisplayState* display, SDL_Surface* screen);
void drawContinuerButton(const DisplayState* display, SDL_Surface* screen);
void drawCarteButton(const DisplayState* display, SDL_Surface* screen);
void drawGarderButtons(const DisplayState* display, SDL_Surface* screen);  // left to right
void drawHandCards(const DisplayState* display, SDL_Surface* screen);      // left to right
void drawChips(const DisplayState* display, SDL_Surface* screen);          // chip 1 first, Reset last
void drawStartButtons(const DisplayState* display, SDL_Surface* screen);   // NewGame, Resume, Option
void drawMessage(const DisplayState* display, SDL_Surface* screen);
void drawCombination(const DisplayState* display, SDL_Surface* screen);

// The panel behind the score numbers.
void drawScoreBackdrop(SDL_Surface* screen);
