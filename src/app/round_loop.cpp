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
        display->carteButton = kCarteDisabled;
    } else if (display->carteButton == kCarteDisabled) {
        display->carteButton = kCarteUp;
    }
}

void startScreenStage(const Round& r)
{
    resetPurse(r.purse);  // entering the start screen always begins a new game
    r.display->screen = kScreenStart;
    drawBackground(r.display, r.screen);
    drawAideButton(r.display, r.screen);
    drawAproposButton(r.display, r.screen);
    drawStartButtons(r.display, r.screen);
    SDL_Flip(r.screen);
    handleStartInput(r.display, r.mode, r.running);
    while (*r.mode == kModeStart) {
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
    const bool option = stageMode == kModeOption;
    r.display->screen = option ? kScreenOption : kScreenGameover;
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
    while (*r.mode == kModeBet) {
        applyCarteRule(r.purse, r.display);
        refreshBetScreen(r.display, r.purse, r.screen, *r.mode);
        handleBetInput(r.display, r.purse, r.mode, r.running);
    }
}

// The first hand and the result share the card screen; only the handler
// differs.
void handleCardInput(const Round& r, int32_t stageMode)
{
    if (stageMode == kModeFirstHand) {
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
    r.display->message = code == kHandRien ? kMsgLoose : kMsgWin;
    r.display->combination = code;
}

}  // namespace

// One pass is one round. The shuffle and the settlement run on every pass,
// even one that only showed the start or options screen: with a bet of 0 they
// pay nothing, and the statistics they touch are reset before they are shown.
void runRoundLoop(CardList* gatherList, CardList* stockList, CardList* handList, Purse* purse, DisplayState* display,
                  int32_t* mode, int32_t* running, SDL_Surface* screen)
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

        if (*mode == kModeStart) {
            startScreenStage(r);
        }
        if (*mode == kModeOption) {
            singleButtonStage(r, kModeOption);
        }
        if (*mode == kModeBet) {
            betStage(r);
        }

        display->message = kMsgFirstHand;
        shuffleDeck(stockList, handList, gatherList);
        dealHand(stockList, handList, display);

        if (*mode == kModeFirstHand) {
            cardStage(r, kModeFirstHand);
        }
        settle(r);
        if (*mode == kModeResult) {
            cardStage(r, kModeResult);
        }
        if (*mode == kModeGameOver) {
            singleButtonStage(r, kModeGameOver);
        }
    } while (*running == 1);
}
