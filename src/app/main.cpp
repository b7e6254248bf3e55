// Vantrel: five-card draw video poker.
//
// main owns every piece of game state for the whole run and hands it to the
// round loop by pointer; nothing else keeps state between calls.
#include <SDL.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "app/round_loop.h"
#include "cards/card_list.h"
#include "cards/purse.h"
#include "display/data_file.h"
#include "display/layout.h"
#include "display/video_driver.h"
#include "state/display_state.h"

int main(int /*argc*/, char* /*argv*/[])
{
    std::array<Card, kDeckSize> cards{};
    CardList gatherList{};
    CardList stockList{};
    CardList handList{};
    buildDeck(&cards, &gatherList, &stockList, &handList);
    int32_t mode = kModeStart;
    int32_t running = 1;

    Purse purse{};
    resetPurse(&purse);
    DisplayState display{};
    resetDisplayState(&display);

    std::srand(static_cast<unsigned>(std::time(nullptr)));
    assignShuffleKeys(&gatherList);

    if (SDL_Init(SDL_INIT_VIDEO) == -1) {
        std::fprintf(stderr, "Erreur d'initialisation de la SDL : %s\n", SDL_GetError());
        std::exit(1);
    }
    // With no usable display SDL may settle for a driver that shows nothing
    // (text mode, off-screen): the player would get a game that never
    // appears and cannot be quit. That is a start-up failure like any other.
    std::array<char, 32> driver{};
    if (SDL_VideoDriverName(driver.data(), static_cast<int>(driver.size())) == nullptr ||
        !driverShowsAWindow(driver.data())) {
        std::fprintf(stderr, "Erreur d'initialisation de la SDL : le pilote vidéo %s n'affiche aucune fenêtre\n",
                     driver.data());
        SDL_Quit();
        std::exit(1);
    }

    // A missing or unusable icon is no error: the window keeps the default one.
    SDL_Surface* icon = loadIcon(kIconFile);
    if (icon != nullptr) {
        SDL_WM_SetIcon(icon, nullptr);
    }

    SDL_Surface* screen = SDL_SetVideoMode(kScreenWidth, kScreenHeight, kScreenDepth, SDL_HWSURFACE | SDL_DOUBLEBUF);
    if (screen == nullptr) {
        std::fprintf(stderr, "Impossible de charger le mode video : %s\n", SDL_GetError());
        std::exit(1);
    }
    SDL_WM_SetCaption(kWindowCaption, nullptr);

    runRoundLoop(&gatherList, &stockList, &handList, &purse, &display, &mode, &running, screen);

    SDL_FreeSurface(icon);
    SDL_Quit();
    return 0;
}
