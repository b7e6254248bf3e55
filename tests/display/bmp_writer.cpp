#include "bmp_writer.h"

#include <SDL.h>

#include <cstdint>
#include <filesystem>
#include <system_error>

#include "cards/card_list.h"
#include "input/hit_areas.h"

namespace {

struct ArtSize {
    int width;
    int height;
};

template <size_t N>
bool writeTable(const ImageTable<N>& table, ArtSize size, bool keyed)
{
    bool ok = true;
    for (const char* path : table) {
        ok = (path == nullptr || writeBmp(path, size.width, size.height, colourOf(path), keyed)) && ok;
    }
    return ok;
}

}  // namespace

bool writeBmp(const std::string& path, int width, int height, Rgb fill, bool keyed)
{
    std::error_code error;
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    if (!parent.empty()) {
        std::filesystem::create_directories(parent, error);
    }
    SDL_Surface* image =
        SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 24, 0x00ff0000, 0x0000ff00, 0x000000ff, 0);
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
    const auto sized = [realSizes](int width, int height) {
        return realSizes ? ArtSize{width, height} : ArtSize{kFixtureSize, kFixtureSize};
    };
    const ArtSize small = sized(kSmallButtonWidth, kSmallButtonHeight);
    const ArtSize large = sized(kLargeButtonWidth, kLargeButtonHeight);
    bool ok = writeTable(kBackgroundImages, {kScreenWidth, kScreenHeight}, false);
    for (const auto* table : {&kAideButtonImages, &kAproposButtonImages, &kRetourButtonImages,
                              &kContinuerButtonImages}) {
        ok = writeTable(*table, small, false) && ok;
    }
    ok = writeTable(kNewGameButtonImages, large, false) && ok;
    ok = writeTable(kOptionButtonImages, large, false) && ok;
    ok = writeTable(kResumeButtonImages, large, false) && ok;
    ok = writeTable(kCarteButtonImages, sized(kCarteButtonWidth, kCarteButtonHeight), false) && ok;
    ok = writeTable(kGarderButtonImages, sized(kGarderButtonWidth, kGarderButtonHeight), false) && ok;
    for (const auto& chip : kChipImages) {
        ok = writeTable(chip, sized(kChipSize, kChipSize), realSizes) && ok;
    }
    ok = writeTable(kMessageImages, sized(486, 40), false) && ok;
    ok = writeTable(kCombinationImages, sized(300, 40), false) && ok;
    const ArtSize backdrop = sized(530, 95);
    ok = writeBmp(kScoreBackdropImage, backdrop.width, backdrop.height, colourOf(kScoreBackdropImage), false) && ok;
    const ArtSize card = sized(80, 96);
    for (int32_t id = 0; id <= DECK_SIZE; ++id) {
        char path[kCardPathSize];
        ok = cardImagePath(id, path, sizeof(path)) && writeBmp(path, card.width, card.height, colourOf(path), false) &&
             ok;
    }
    return ok;
}
