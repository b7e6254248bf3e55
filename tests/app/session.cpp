#include "session.h"

#include <gtest/gtest.h>

#include <chrono>

#include "app/round_loop.h"
#include "display/layout.h"

namespace {

SDL_Surface* testScreen()
{
    static SDL_Surface* screen = [] {
        if (SDL_Init(SDL_INIT_VIDEO) == -1) {
            return static_cast<SDL_Surface*>(nullptr);
        }
        return SDL_SetVideoMode(kScreenWidth, kScreenHeight, kScreenDepth, SDL_SWSURFACE);
    }();
    return screen;
}

int queuedEvents()
{
    std::array<SDL_Event, 128> peek{};
    return SDL_PeepEvents(peek.data(), static_cast<int>(peek.size()), SDL_PEEKEVENT, SDL_ALLEVENTS);
}

void waitForEmptyQueue()
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (queuedEvents() > 0) {
        ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "the loop stopped taking events";
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
}

}  // namespace

void startSession(Session* s, unsigned seed)
{
    s->screen = testScreen();
    ASSERT_NE(s->screen, nullptr) << SDL_GetError();
    while (queuedEvents() > 0) {  // nothing left over from an earlier session
        SDL_Event dropped;
        SDL_PollEvent(&dropped);
    }
    buildDeck(&s->cards, &s->gatherList, &s->stockList, &s->handList);
    s->mode = kModeStart;
    s->running = 1;
    resetPurse(&s->purse);
    resetDisplayState(&s->display);
    std::srand(seed);
    assignShuffleKeys(&s->gatherList);
    s->loop = std::thread([s] {
        runRoundLoop(&s->gatherList, &s->stockList, &s->handList, &s->purse, &s->display, &s->mode, &s->running,
                     s->screen);
    });
}

void step(const std::vector<SDL_Event>& events)
{
    ASSERT_LT(events.size(), 120u) << "the SDL queue holds 127 events";
    waitForEmptyQueue();
    for (SDL_Event event : events) {
        ASSERT_EQ(SDL_PushEvent(&event), 0);
    }
    SDL_Event probe{};
    probe.type = SDL_USEREVENT;
    ASSERT_EQ(SDL_PushEvent(&probe), 0);
    waitForEmptyQueue();
}

bool pageOpen(const Session& s) { return s.display.screen == kScreenAide || s.display.screen == kScreenApropos; }

void finishSession(Session* s)
{
    for (int i = 0; i < 5 && pageOpen(*s); ++i) {
        step(clickOn(kRetourRect));
    }
    ASSERT_FALSE(pageOpen(*s)) << "Escape on a page would end the whole test process";
    quitWith(s, keyDown(SDLK_ESCAPE));
    EXPECT_EQ(s->mode, kModeQuit);
    EXPECT_EQ(s->running, -1);
}

void quitWith(Session* s, const SDL_Event& event)
{
    waitForEmptyQueue();
    SDL_Event copy = event;
    ASSERT_EQ(SDL_PushEvent(&copy), 0);
    s->loop.join();
}

std::vector<SDL_Event> clickOn(const HitRect& rect)
{
    const int32_t x = (rect.left + rect.right) / 2;
    const int32_t y = (rect.top + rect.bottom) / 2;
    return {pressAt(x, y), releaseAt(x, y)};
}
