// SDL events built by the tests that push them into SDL's queue.
#pragma once

#include <SDL.h>

#include <cstring>

inline SDL_Event eventOfType(Uint8 type)
{
    SDL_Event event;
    std::memset(&event, 0, sizeof event);
    event.type = type;
    return event;
}

// A mouse button press or release at (x, y).
inline SDL_Event mouseEvent(Uint8 type, int x, int y, Uint8 button = SDL_BUTTON_LEFT)
{
    SDL_Event event = eventOfType(type);
    event.button.button = button;
    event.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.button.x = static_cast<Uint16>(x);
    event.button.y = static_cast<Uint16>(y);
    return event;
}

inline SDL_Event pressAt(int x, int y, Uint8 button = SDL_BUTTON_LEFT)
{
    return mouseEvent(SDL_MOUSEBUTTONDOWN, x, y, button);
}

inline SDL_Event releaseAt(int x, int y, Uint8 button = SDL_BUTTON_LEFT)
{
    return mouseEvent(SDL_MOUSEBUTTONUP, x, y, button);
}

inline SDL_Event keyEvent(Uint8 type, SDLKey sym)
{
    SDL_Event event = eventOfType(type);
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = sym;
    return event;
}

inline SDL_Event keyDown(SDLKey sym) { return keyEvent(SDL_KEYDOWN, sym); }
