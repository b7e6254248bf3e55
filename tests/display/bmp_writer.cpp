#include "bmp_writer.h"

#include <SDL.h>

#include <cstdint>
#include <filesystem>
#include <system_error>

bool writeBmp(const std::string& path, int width, int height, Rgb fill, bool keyed)
{
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
    SDL_Surface* image = SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 24, 0x00ff0000, 0x0000ff00, 0x000000ff, 0);
    if (image == nullptr) {
        return false;
    }
    SDL_FillRect(image, nullptr, SDL_MapRGB(image->format, fill.r, fill.g, fill.b));
    if (keyed) {
        SDL_Rect half = {0, 0, static_cast<Uint16>(width / 2), static_cast<Uint16>(height)};
        SDL_FillRect(image, &half, SDL_MapRGB(image->format, kChipColorKey.r, kChipColorKey.g, kChipColorKey.b));
    }
    const bool saved = SDL_SaveBMP(image, path.c_str()) == 0;
    SDL_FreeSurface(image);
    return saved;
}

Rgb colourOf(const std::string& path)
{
    uint32_t hash = 2166136261U;  // FNV-1a
    for (const char c : path) {
        hash = (hash ^ static_cast<uint8_t>(c)) * 16777619U;
    }
    // Red at least 16: never the key colour (red 0) nor a near-black screen.
    return {static_cast<uint8_t>(16 + hash % 224), static_cast<uint8_t>(hash >> 8), static_cast<uint8_t>(hash >> 16)};
}

bool writeEveryImage(bool realSizes)
{
    bool ok = true;
    for (const ImageElement& element : kImageElements) {
        const bool full = realSizes || element.size.w == kScreenWidth;
        const int width = full ? element.size.w : kFixtureSize;
        const int height = full ? element.size.h : kFixtureSize;
        for (size_t value = 0; value < element.imageCount; ++value) {
            const char* path = element.images[value];
            ok = (path == nullptr || writeBmp(path, width, height, colourOf(path), element.keyed && realSizes)) && ok;
        }
    }
    return ok;
}
