// Opening the game's data files (bitmaps, icon, font) safely.
//
// The data folder may hold anything: a FIFO or a device in place of a bitmap
// would block the game in open(), and a picture posing as the icon could
// reach any of SDL_image's decoders. Everything the game reads goes through
// here.
#pragma once

#include <SDL.h>

// A read stream on `path` when it is a regular file; null for a null path or
// anything else (missing, unreadable, FIFO, device, directory, socket).
// Never blocks. Closing the stream closes the file.
SDL_RWops* openDataFile(const char* path);

// The window icon: a PNG whose sides are between 1 and kMaxIconSide pixels,
// or null (any other format, size or file), in which case the window keeps
// its default icon.
SDL_Surface* loadIcon(const char* path);
