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

uint32_t littleEndian16(const uint8_t* bytes) { return uint32_t{bytes[0]} | (uint32_t{bytes[1]} << 8); }

uint32_t littleEndian32(const uint8_t* bytes) { return littleEndian16(bytes) | (littleEndian16(bytes + 2) << 16); }

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

bool bitmapHeaderIsSane(SDL_RWops* stream)
{
    // The file header (14 bytes), then the picture's: 12 bytes in the old
    // OS/2 form (16-bit sides), 40 and more in the Windows forms (32-bit
    // signed sides, then depth and compression). Later fields of the larger
    // forms only refine colours.
    constexpr uint32_t kFileHeader = 14;
    constexpr uint32_t kCoreHeader = 12;
    constexpr uint32_t kInfoHeader = 40;
    constexpr uint32_t kRgb = 0;
    constexpr uint32_t kBitFields = 3;
    std::array<uint8_t, kFileHeader + kInfoHeader> header{};
    const int64_t fileSize = SDL_RWseek(stream, 0, RW_SEEK_END);
    if (fileSize < 0 || SDL_RWseek(stream, 0, RW_SEEK_SET) != 0) {
        return false;
    }
    const int got = SDL_RWread(stream, header.data(), 1, static_cast<int>(header.size()));  // -1 on an error
    if (SDL_RWseek(stream, 0, RW_SEEK_SET) != 0 || got < static_cast<int>(kFileHeader + kCoreHeader) ||
        header[0] != 'B' || header[1] != 'M') {
        return false;
    }
    const uint32_t pixelOffset = littleEndian32(&header[10]);
    const uint32_t headerSize = littleEndian32(&header[14]);
    int64_t width = 0;
    int64_t height = 0;
    uint32_t depth = 0;
    uint32_t compression = kRgb;
    uint32_t paletteSize = 0;
    if (headerSize == kCoreHeader) {
        width = littleEndian16(&header[18]);
        height = littleEndian16(&header[20]);
        depth = littleEndian16(&header[24]);
    } else if (headerSize == kInfoHeader || headerSize == 108 || headerSize == 124) {
        if (got < static_cast<int>(header.size())) {
            return false;
        }
        // Read as 64 bits: the size of INT_MIN does not fit in 32.
        width = static_cast<int32_t>(littleEndian32(&header[18]));
        height = static_cast<int32_t>(littleEndian32(&header[22]));
        depth = littleEndian16(&header[28]);
        compression = littleEndian32(&header[30]);
        paletteSize = littleEndian32(&header[46]);
    } else {
        return false;
    }
    const int64_t rows = height < 0 ? -height : height;
    const bool depthDecodes =
        compression == kRgb ? (depth == 1 || depth == 4 || depth == 8 || depth == 16 || depth == 24 || depth == 32)
                            : compression == kBitFields && (depth == 16 || depth == 32);
    if (width < 1 || width > kScreenWidth || rows < 1 || rows > kScreenHeight || !depthDecodes ||
        (depth <= 8 && paletteSize > (uint32_t{1} << depth))) {
        return false;
    }
    // Rows are padded to whole 32-bit words; the sides are bounded above,
    // so this cannot overflow.
    const int64_t rowBytes = (width * depth + 31) / 32 * 4;
    return pixelOffset >= kFileHeader + headerSize && pixelOffset + rowBytes * rows <= fileSize;
}

SDL_Surface* loadBitmap(const char* path) { return loadBitmapFrom(openDataFile(path)); }

SDL_Surface* loadBitmapFrom(SDL_RWops* stream)
{
    if (stream == nullptr) {
        return nullptr;
    }
    if (!bitmapHeaderIsSane(stream)) {
        SDL_RWclose(stream);
        return nullptr;
    }
    SDL_Surface* image = SDL_LoadBMP_RW(stream, 1);  // closes the stream whatever happens
    // A second guard, whatever the SDL: a picture of no size (or a negative
    // one) cannot be blitted safely.
    if (image != nullptr && (image->w <= 0 || image->h <= 0)) {
        SDL_FreeSurface(image);
        return nullptr;
    }
    return image;
}
