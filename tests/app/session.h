// Drives the real round loop in a background thread with pushed SDL events,
// under the dummy video driver. The test thread looks at the game's records
// only while the loop is parked in a wait: each step ends with a probe event
// that every wait ignores, and once the queue is empty the probe has been
// taken, so the loop has finished with every event before it (the SDL queue
// lock orders the two threads).
#pragma once

#include <SDL.h>

#include <array>
#include <cstdint>
#include <thread>
#include <vector>

#include "cards/card_list.h"
#include "cards/purse.h"
#include "input/hit_areas.h"
#include "sdl_events.h"
#include "state/display_state.h"
#include "state/modes.h"

struct Session {
    std::array<Card, kDeckSize> cards;
    CardList gatherList;
    CardList stockList;
    CardList handList;
    Purse purse;
    DisplayState display;
    int32_t mode;
    int32_t running;
    SDL_Surface* screen;
    std::thread loop;
};

// Sets the state up as main does (seeding rand with `seed` instead of the
// clock) and starts the round loop.
void startSession(Session* session, unsigned seed);

// Pushes the events, then waits until the loop has handled them all.
void step(const std::vector<SDL_Event>& events);

// Pushes one event that ends the loop (Escape or a close request) and waits
// for the loop to return.
void quitWith(Session* session, const SDL_Event& event);

// Closes any open page, quits with Escape and checks that the loop ended.
void finishSession(Session* session);

// Press and release at the middle of a rectangle.
std::vector<SDL_Event> clickOn(const HitRect& rect);

// True while an Aide or Apropos page holds the loop.
bool pageOpen(const Session& session);
