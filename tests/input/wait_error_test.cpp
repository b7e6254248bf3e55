// A failed wait must end the game instead of leaving the handler spinning.
#include <gtest/gtest.h>

#include <SDL.h>

#include <array>
#include <cstdint>
#include <cstring>

#include "cards/purse.h"
#include "display/display_state.h"
#include "input/handlers.h"

namespace {

int waitCalls = 0;

}  // namespace

// The first wait fails with an event the handlers ignore; a handler that
// overlooked the failure and waited again gets Escape, so it still returns and
// the call count shows the fault.
extern "C" int __wrap_SDL_WaitEvent(SDL_Event* event)
{
    ++waitCalls;
    std::memset(event, 0, sizeof *event);
    if (waitCalls == 1) {
        event->type = SDL_USEREVENT;
        return 0;
    }
    event->type = SDL_KEYDOWN;
    event->key.keysym.sym = SDLK_ESCAPE;
    return 1;
}

namespace {

TEST(WaitFailure, EveryHandlerQuitsAtOnce)
{
    constexpr std::array<int32_t, 6> kStageModes = {MODE_START,      MODE_OPTION, MODE_BET,
                                                    MODE_FIRST_HAND, MODE_RESULT, MODE_GAME_OVER};
    for (std::size_t stage = 0; stage < kStageModes.size(); ++stage) {
        SCOPED_TRACE(stage);
        DisplayState display{};
        resetDisplayState(&display);
        DisplayState before = display;
        Purse purse{};
        resetPurse(&purse);
        int32_t mode = kStageModes[stage];
        int32_t running = 1;
        waitCalls = 0;

        switch (stage) {
        case 0: handleStartInput(&display, &mode, &running); break;
        case 1: handleOptionInput(&display, &mode, &running); break;
        case 2: handleBetInput(&display, &purse, &mode, &running); break;
        case 3: handleFirstHandInput(&display, &mode, &running); break;
        case 4: handleResultInput(&display, &mode, &running); break;
        default: handleGameOverInput(&display, &mode, &running); break;
        }

        EXPECT_EQ(waitCalls, 1);
        EXPECT_EQ(mode, MODE_QUIT);
        EXPECT_EQ(running, -1);
        EXPECT_EQ(std::memcmp(&display, &before, sizeof display), 0);
        EXPECT_EQ(purse.bank, STARTING_BANK);
        EXPECT_EQ(purse.bet, 0);
    }
}

}  // namespace
