#include "bmp_writer.h"

#include <SDL.h>

#include <cstdint>
#include <filesystem>
#include <system_error>

#include "cards/card_list.h"
#include "input/hit_areas.h"

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
    const auto put = [&ok, realSizes](const char* path, int width, int height, bool keyed) {
        const bool full = realSizes || width == kScreenWidth;
        ok = (path == nullptr || writeBmp(path, full ? width : kFixtureSize, full ? height : kFixtureSize,
                                          colourOf(path), keyed && realSizes)) &&
             ok;
    };
    const auto putAll = [&put](const auto& table, int width, int height, bool keyed) {
        for (const char* path : table) {
            put(path, width, height, keyed);
        }
    };
    putAll(kBackgroundImages, kScreenWidth, kScreenHeight, false);
    for (const auto* table :
         {&kAideButtonImages, &kAproposButtonImages, &kRetourButtonImages, &kContinuerButtonImages}) {
        putAll(*table, kSmallButtonWidth, kSmallButtonHeight, false);
    }
    putAll(kNewGameButtonImages, kLargeButtonWidth, kLargeButtonHeight, false);
    putAll(kOptionButtonImages, kLargeButtonWidth, kLargeButtonHeight, false);
    putAll(kResumeButtonImages, kLargeButtonWidth, kLargeButtonHeight, false);
    putAll(kCarteButtonImages, kCarteButtonWidth, kCarteButtonHeight, false);
    putAll(kGarderButtonImages, kGarderButtonWidth, kGarderButtonHeight, false);
    for (const auto& chip : kChipImages) {
        putAll(chip, kChipSize, kChipSize, true);
    }
    putAll(kMessageImages, 486, 40, false);
    putAll(kCombinationImages, 300, 40, false);
    put(kScoreBackdropImage, 530, 95, false);
    for (int32_t id = 0; id <= kDeckSize; ++id) {
        char path[kCardPathSize];
        ok = cardImagePath(id, path, sizeof(path)) && ok;
        put(path, 80, 96, false);
    }
    return ok;
}
