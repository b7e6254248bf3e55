#include "input/overlays.h"

#include <cstdlib>

#include "display/elements.h"
#include "display/screens.h"
#include "display/text_panels.h"
#include "input/hit_areas.h"

namespace {

enum class OverlayPage { Aide, Apropos };

[[noreturn]] void quitNow()
{
    SDL_Quit();
    std::exit(0);
}

// The type is taken as 32 bits: SDL builds whose event codes do not fit a
// byte (the browser build's) would otherwise never match.
bool isLeftButton(const SDL_Event& event, Uint32 type)
{
    return event.type == type && event.button.button == SDL_BUTTON_LEFT;
}

void drawPageButton(const DisplayState* display, SDL_Surface* screen, OverlayPage page)
{
    if (page == OverlayPage::Aide) {
        drawAideButton(display, screen);
    } else {
        drawAproposButton(display, screen);
    }
}

void drawPageText(SDL_Surface* screen, OverlayPage page)
{
    if (page == OverlayPage::Aide) {
        drawAideText(screen);
    } else {
        drawAproposText(screen);
    }
}

void rebuildScreen(DisplayState* display, Purse* purse, SDL_Surface* screen, int32_t returnTo)
{
    switch (returnTo) {
    case kModeStart: showStartScreen(display, screen); break;
    case kModeBet: showBetScreen(display, purse, screen); break;
    case kModeFirstHand:
    case kModeResult: showCardScreen(display, purse, screen); break;
    default: break;  // the page stays on screen
    }
}

void runOverlay(DisplayState* display, Purse* purse, SDL_Surface* screen, int32_t returnTo, OverlayPage page)
{
    int32_t* trigger = page == OverlayPage::Aide ? &display->aideButton : &display->aproposButton;
    if (*trigger != kButtonDown) {
        return;
    }
    display->screen = page == OverlayPage::Aide ? kScreenAide : kScreenApropos;
    drawPageButton(display, screen, page);  // still down: shown pressed over the current screen
    SDL_Flip(screen);
    *trigger = kButtonUp;
    waitRetour(display);  // normally the release of the button that opened the page

    drawBackground(display, screen);
    drawRetourButton(display, screen);
    drawPageText(screen, page);  // flips
    SDL_Flip(screen);
    while (display->retourButton == kButtonUp) {
        waitRetour(display);
    }

    drawRetourButton(display, screen);
    SDL_Flip(screen);
    waitRetour(display);  // normally the release of Retour
    rebuildScreen(display, purse, screen, returnTo);
}

}  // namespace

void waitRetour(DisplayState* display)
{
    for (;;) {
        SDL_Event event;
        // A failed wait would fail again at once: leave as on a quit request
        // rather than spin.
        if (SDL_WaitEvent(&event) == 0 || event.type == SDL_QUIT ||
            (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_ESCAPE)) {
            quitNow();
        }
        if (isLeftButton(event, SDL_MOUSEBUTTONDOWN) && hitTest(kRetourRect, event.button.x, event.button.y)) {
            display->retourButton = kButtonDown;
            return;
        }
        // The Aide band counts too, so the release of the Aide press that
        // opened a page is taken here.
        if (isLeftButton(event, SDL_MOUSEBUTTONUP) && (hitTest(kAideRect, event.button.x, event.button.y) ||
                                                       hitTest(kRetourRect, event.button.x, event.button.y))) {
            display->retourButton = kButtonUp;
            return;
        }
    }
}

void showAideOverlay(DisplayState* display, Purse* purse, SDL_Surface* screen, int32_t returnTo)
{
    runOverlay(display, purse, screen, returnTo, OverlayPage::Aide);
}

void showAproposOverlay(DisplayState* display, Purse* purse, SDL_Surface* screen, int32_t returnTo)
{
    runOverlay(display, purse, screen, returnTo, OverlayPage::Apropos);
}

void refreshBetScreen(DisplayState* display, Purse* purse, SDL_Surface* screen, int32_t returnTo)
{
    showAideOverlay(display, purse, screen, returnTo);
    showAproposOverlay(display, purse, screen, returnTo);
    drawScoreBackdrop(screen);
    drawScorePanel(purse, screen);  // flips
    drawAproposButton(display, screen);
    drawCarteButton(display, screen);
    drawChips(display, screen);
    SDL_Flip(screen);
}

void refreshCardScreen(DisplayState* display, Purse* purse, SDL_Surface* screen, int32_t returnTo)
{
    showAideOverlay(display, purse, screen, returnTo);
    showAproposOverlay(display, purse, screen, returnTo);
    drawAideButton(display, screen);
    drawAproposButton(display, screen);
    drawCarteButton(display, screen);
    drawGarderButtons(display, screen);
}
