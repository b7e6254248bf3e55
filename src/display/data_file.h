// Opening the game's data files (bitmaps, icon, font) safely.
//
// The data folder may hold anything: a FIFO or a device in place of a bitmap
// would block the game in open(), and a picture posing as the icon could
// reach any of SDL_image's decoders, and a bitmap header can claim a
// picture that crashes the decoder or fills the memory. Everything the game
// reads goes through here.
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

// Whether the bitmap on `stream`, judged from its headers alone, is one SDL
// 1.2 decodes and the window can hold: the "BM" signature, a header SDL
// knows (12, 40, 108 or 124 bytes), a width of 1 to kScreenWidth, a height
// whose size is 1 to kScreenHeight (negative: stored top down), 1, 4, 8, 16,
// 24 or 32 bits uncompressed or 16 or 32 with bit fields, no more palette
// colours than the depth holds, and every row of pixels inside the file.
// Leaves the stream at its start when it says yes.
bool bitmapHeaderIsSane(SDL_RWops* stream);

// A bitmap whose header is sane (above) and that decodes to a picture of
// positive size, or null: anything else draws nothing, as a missing file.
SDL_Surface* loadBitmap(const char* path);
// The same from an open stream, which it closes.
SDL_Surface* loadBitmapFrom(SDL_RWops* stream);
