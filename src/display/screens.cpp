#include "display/screens.h"

#include "display/elements.h"
#include "display/text_panels.h"

namespace {

// The game screen of every phase begins and ends alike; only the middle
// (chips, or Garder buttons and cards) differs.
void drawGameScreenStart(DisplayState* display, SDL_Surface* screen)
{
    display->screen = kScreenJeu;
    drawBackground(display, screen);
    drawScoreBackdrop(screen);
    drawAideButton(display, screen);
    drawAproposButton(display, screen);
    drawCarteButton(display, screen);
}

void drawGameScreenEnd(const DisplayState* display, Purse* purse, SDL_Surface* screen)
{
    drawScorePanel(purse, screen);  // flips: the new score shows first
    drawMessage(display, screen);
    drawCombination(display, screen);
    SDL_Flip(screen);
}

}  // namespace

void showStartScreen(DisplayState* display, SDL_Surface* screen)
{
    display->screen = kScreenStart;
    drawBackground(display, screen);
    drawAideButton(display, screen);
    drawAproposButton(display, screen);
    drawStartButtons(display, screen);
    SDL_Flip(screen);
}

void showBetScreen(DisplayState* display, Purse* purse, SDL_Surface* screen)
{
    drawGameScreenStart(display, screen);
    drawChips(display, screen);
    drawGameScreenEnd(display, purse, screen);
}

void showCardScreen(DisplayState* display, Purse* purse, SDL_Surface* screen)
{
    drawGameScreenStart(display, screen);
    drawGarderButtons(display, screen);
    drawHandCards(display, screen);
    drawGameScreenEnd(display, purse, screen);
}
