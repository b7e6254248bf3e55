#include "state/display_state.h"

void resetDisplayState(DisplayState* display)
{
    display->screen = kScreenStart;
    display->handCards.fill(0);
    display->garderButtons.fill(kButtonUp);
    display->chipButtons.fill(kButtonUp);
    display->aideButton = kButtonUp;
    display->aproposButton = kButtonUp;
    display->carteButton = kCarteUp;
    display->message = kMsgMise;
    display->combination = kCombinationAide;
    display->retourButton = kButtonUp;
    display->newGameButton = kButtonUp;
    display->resumeButton = kResumeClosed;
    display->optionButton = kButtonUp;
    display->continuerButton = kButtonUp;
}
