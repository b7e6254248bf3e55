#include "app/round_loop.h"

#include "cards/evaluate.h"
#include "cards/shuffle.h"
#include "display/elements.h"
#include "display/screens.h"
#include "input/handlers.h"
#include "input/overlays.h"

namespace {

// Everything one pass works on; all of it is main's.
struct Round {
    CardList* gatherList;
    CardList* stockList;
    CardList* handList;
    Purse* purse;
    DisplayState* display;
    int32_t* mode;
    int32_t* running;
    SDL_Surface* screen;
};

// Carte can only deal once something is staked.
void applyCarteRule(const Purse* purse, DisplayState* display)
{
    if (purse->bet == 0) {
        display->carteButton = CARTE_DISABLED;
    } else if (display->carteButton == CARTE_DISABLED) {
        display->carteButton = CARTE_UP;
    }
}

void startScreenStage(const Round& r)
{
    resetPurse(r.purse);  // entering the start screen always begins a new game
    r.display->screen = SCREEN_START;
    drawBackground(r.display, r.screen);
    drawAideButton(r.display, r.screen);
    drawAproposButton(r.display, r.screen);
    drawStartButtons(r.display, r.screen);
    SDL_Flip(r.screen);
    handleStartInput(r.display, r.mode, r.running);
    while (*r.mode == MODE_START) {
        showAideOverlay(r.display, r.purse, r.screen, *r.mode);
        showAproposOverlay(r.display, r.purse, r.screen, *r.mode);
        drawAideButton(r.display, r.screen);
        drawAproposButton(r.display, r.screen);
        drawStartButtons(r.display, r.screen);
        SDL_Flip(r.screen);
        handleStartInput(r.display, r.mode, r.running);
    }
}

// The options and game-over stages: one background and one button that is
// redrawn until its release leaves the stage.
void singleButtonStage(const Round& r, int32_t stageMode)
{
    const bool option = stageMode == MODE_OPTION;
    r.display->screen = option ? SCREEN_OPTION : SCREEN_GAMEOVER;
    drawBackground(r.display, r.screen);
    do {
        if (option) {
            drawRetourButton(r.display, r.screen);
        } else {
            drawContinuerButton(r.display, r.screen);
        }
        SDL_Flip(r.screen);
        if (option) {
            handleOptionInput(r.display, r.mode, r.running);
        } else {
            handleGameOverInput(r.display, r.mode, r.running);
        }
    } while (*r.mode == stageMode);
}

void betStage(const Round& r)
{
    applyCarteRule(r.purse, r.display);
    showBetScreen(r.display, r.purse, r.screen);
    handleBetInput(r.display, r.purse, r.mode, r.running);
    while (*r.mode == MODE_BET) {
        applyCarteRule(r.purse, r.display);
        refreshBetScreen(r.display, r.purse, r.screen, *r.mode);
        handleBetInput(r.display, r.purse, r.mode, r.running);
    }
}

// The first hand and the result share the card screen; only the handler
// differs.
void handleCardInput(const Round& r, int32_t stageMode)
{
    if (stageMode == MODE_FIRST_HAND) {
        handleFirstHandInput(r.display, r.mode, r.running);
    } else {
        handleResultInput(r.display, r.mode, r.running);
    }
}

void cardStage(const Round& r, int32_t stageMode)
{
    showCardScreen(r.display, r.purse, r.screen);
    handleCardInput(r, stageMode);
    while (*r.mode == stageMode) {
        refreshCardScreen(r.display, r.purse, r.screen, *r.mode);
        SDL_Flip(r.screen);
        handleCardInput(r, stageMode);
    }
}

// Exchanges the marked cards, then pays and records the final hand.
void settle(const Round& r)
{
    drawReplacements(r.stockList, r.handList, r.gatherList, r.display);
    const int32_t code = evaluateHand(r.handList);
    payOut(r.purse, code);
    recordResult(r.purse, code);
    r.display->message = code == HAND_RIEN ? MSG_LOOSE : MSG_WIN;
    r.display->combination = code;
}

}  // namespace

// One pass is one round. The shuffle and the settlement run on every pass,
// even one that only showed the start or options screen: with a bet of 0 they
// pay nothing, and the statistics they touch are reset before they are shown.
void runRoundLoop(CardList* gatherList, CardList* stockList, CardList* handList, Purse* purse,
                  DisplayState* display, int32_t* mode, int32_t* running, SDL_Surface* screen)
{
    const Round r{.gatherList = gatherList,
                  .stockList = stockList,
                  .handList = handList,
                  .purse = purse,
                  .display = display,
                  .mode = mode,
                  .running = running,
                  .screen = screen};
    do {
        startRound(purse, mode);  // an empty bank leads to game over
        resetDisplayState(display);

        if (*mode == MODE_START) {
            startScreenStage(r);
        }
        if (*mode == MODE_OPTION) {
            singleButtonStage(r, MODE_OPTION);
        }
        if (*mode == MODE_BET) {
            betStage(r);
        }

        display->message = MSG_FIRST_HAND;
        shuffleDeck(stockList, handList, gatherList);
        dealHand(stockList, handList, display);

        if (*mode == MODE_FIRST_HAND) {
            cardStage(r, MODE_FIRST_HAND);
        }
        settle(r);
        if (*mode == MODE_RESULT) {
            cardStage(r, MODE_RESULT);
        }
        if (*mode == MODE_GAME_OVER) {
            singleButtonStage(r, MODE_GAME_OVER);
        }
    } while (*running == 1);
}
