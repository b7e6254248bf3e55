// Browser version of src/display/data_file.cpp, built in its place. The
// browser's SDL reads images and fonts by file name, not through stdio
// streams (it has no SDL_RWFromFP): a stream here is the name, handed out
// only for a regular file, as on the desktop.
#include "display/data_file.h"

// In library_vantrel.js: whether the package holds a regular file there.
extern "C" int vantrel_is_data_file(const char* path);

SDL_RWops* openDataFile(const char* path)
{
    // The packaged files live in memory: there is no device or FIFO to block
    // on, but a directory or a missing file must still fail.
    if (path == nullptr || vantrel_is_data_file(path) == 0) {
        return nullptr;
    }
    return SDL_RWFromFile(path, "rb");
}

// A page has no window icon (SDL_WM_SetIcon does nothing there); the page's
// favicon is the game's icon instead.
SDL_Surface* loadIcon(const char* /*path*/) { return nullptr; }

// The pictures are the game's own, packed in at build time, and the page's
// SDL decodes them by name (library_vantrel.js): there are no header bytes
// to read here, and no file a player can swap.
SDL_Surface* loadBitmap(const char* path)
{
    SDL_RWops* stream = openDataFile(path);
    return stream != nullptr ? SDL_LoadBMP_RW(stream, 1) : nullptr;
}
