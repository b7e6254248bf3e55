#include "app/round_loop.h"

// Until the game stages exist the window only waits to be closed.
void runRoundLoop(CardList* /*gatherList*/, CardList* /*stockList*/, CardList* /*handList*/, Purse* /*purse*/,
                  DisplayState* /*display*/, int32_t* mode, int32_t* running, SDL_Surface* screen)
{
    SDL_Flip(screen);
    while (*running == 1) {
        SDL_Event event;
        if (SDL_WaitEvent(&event) == 0 || event.type == SDL_QUIT ||
            (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_ESCAPE)) {
            *mode = MODE_QUIT;
            *running = -1;
        }
    }
}
