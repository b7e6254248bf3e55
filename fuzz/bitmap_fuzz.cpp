// The game's bitmap path on any bytes: the header check, SDL's decoder, the
// size guard, the chip colour key and a blit onto a window-sized screen,
// through the same functions the game calls, from memory.
#include <SDL.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "display/data_file.h"
#include "display/elements.h"
#include "display/layout.h"

namespace {

SDL_Surface* startScreen()
{
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::abort();
    }
    SDL_Surface* screen = SDL_SetVideoMode(kScreenWidth, kScreenHeight, kScreenDepth, SDL_SWSURFACE);
    if (screen == nullptr) {
        std::abort();
    }
    return screen;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static SDL_Surface* const screen = startScreen();  // SDL keeps it for the whole run
    SDL_Surface* image = loadBitmapFrom(SDL_RWFromConstMem(data, static_cast<int>(size)));
    blitImage(image, kBackgroundPos, screen);
    keyChipColour(image);
    blitImage(image, kChipPos[0], screen);
    SDL_FreeSurface(image);
    return 0;
}
