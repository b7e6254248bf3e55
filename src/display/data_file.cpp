#include "display/data_file.h"

#include <SDL_image.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <cstdio>

#include "display/layout.h"

SDL_RWops* openDataFile(const char* path)
{
    // Special files are turned away before they are ever opened: opening a
    // device can have effects of its own.
    struct stat info {};
    if (path == nullptr || stat(path, &info) != 0 || !S_ISREG(info.st_mode)) {
        return nullptr;
    }
    // The file may be swapped between stat and open: open without blocking
    // and check again what was actually opened.
    const int fd = open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return nullptr;
    }
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(fd);
        return nullptr;
    }
    // Reads of a regular file never block; drop the flag all the same so the
    // stream behaves like any other file.
    const int flags = fcntl(fd, F_GETFL);
    if (flags != -1) {
        fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    }
    FILE* file = fdopen(fd, "rb");
    if (file == nullptr) {
        close(fd);
        return nullptr;
    }
    SDL_RWops* stream = SDL_RWFromFP(file, 1);  // 1: closing the stream closes the file
    if (stream == nullptr) {
        std::fclose(file);
    }
    return stream;
}

namespace {

uint32_t bigEndian32(const uint8_t* bytes)
{
    return (uint32_t{bytes[0]} << 24) | (uint32_t{bytes[1]} << 16) | (uint32_t{bytes[2]} << 8) | uint32_t{bytes[3]};
}

bool isSaneIconSide(uint32_t side) { return side >= 1 && side <= static_cast<uint32_t>(kMaxIconSide); }

// A PNG opens with its signature and then the IHDR chunk, which gives the
// size. Checking it first means a file claiming a huge picture is turned away
// before the decoder allocates anything for it.
bool headerIsSaneIcon(SDL_RWops* stream)
{
    constexpr std::array<uint8_t, 16> kSignatureAndIhdr = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n',
                                                           0,    0,   0,   13,  'I',  'H',  'D',  'R'};
    std::array<uint8_t, 24> header{};
    if (SDL_RWread(stream, header.data(), header.size(), 1) != 1) {
        return false;
    }
    for (size_t i = 0; i < kSignatureAndIhdr.size(); ++i) {
        if (header[i] != kSignatureAndIhdr[i]) {
            return false;
        }
    }
    return isSaneIconSide(bigEndian32(&header[16])) && isSaneIconSide(bigEndian32(&header[20])) &&
           SDL_RWseek(stream, 0, RW_SEEK_SET) == 0;
}

}  // namespace

SDL_Surface* loadIcon(const char* path)
{
    SDL_RWops* stream = openDataFile(path);
    if (stream == nullptr) {
        return nullptr;
    }
    // The PNG decoder only: IMG_Load picks a decoder from the content, so any
    // of them would be reachable through the icon.
    SDL_Surface* icon = headerIsSaneIcon(stream) ? IMG_LoadPNG_RW(stream) : nullptr;
    SDL_RWclose(stream);
    return icon;
}
