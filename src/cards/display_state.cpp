#include "cards/display_state.h"

void resetDisplayState(DisplayState* display)
{
    display->screen = SCREEN_START;
    display->handCards.fill(0);
    display->garderButtons.fill(BUTTON_UP);
    display->chipButtons.fill(BUTTON_UP);
    display->aideButton = BUTTON_UP;
    display->aproposButton = BUTTON_UP;
    display->carteButton = CARTE_UP;
    display->message = MSG_MISE;
    display->combination = COMBINATION_AIDE;
    display->retourButton = BUTTON_UP;
    display->newGameButton = BUTTON_UP;
    display->resumeButton = RESUME_CLOSED;
    display->optionButton = BUTTON_UP;
    display->continuerButton = BUTTON_UP;
}
