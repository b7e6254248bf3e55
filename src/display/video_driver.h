// Which of SDL's video drivers the game may start on.
//
// SDL falls back on drivers that show the player nothing (text mode in the
// terminal, an off-screen buffer, no output at all) when no display is
// usable; a game started there runs unseen and can never be quit.
#pragma once

// Whether the driver SDL names (SDL_VideoDriverName) puts a window, or the
// whole screen, in front of the player: the X11, Wayland, KMS and
// framebuffer-console drivers. Any other name, or none, does not.
bool driverShowsAWindow(const char* name);
