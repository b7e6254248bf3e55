// Browser glue in C++: the SDL 1.2 calls emscripten declares but does not
// provide. Built into the web target only; the game sources are unchanged.
#include <SDL.h>

// library_vantrel.js: returns once the page has queued input, letting the
// browser run in the meantime (an Asyncify import).
extern "C" void vantrel_wait_input(void);

// The desktop call blocks until an event arrives; here the wait yields to
// the browser between checks of the queue, so the page stays responsive.
extern "C" int SDL_WaitEvent(SDL_Event* event)
{
    while (SDL_PollEvent(event) == 0) {
        vantrel_wait_input();
    }
    return 1;
}
