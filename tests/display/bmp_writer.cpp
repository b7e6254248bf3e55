#include "bmp_writer.h"

#include <SDL.h>

#include <filesystem>
#include <system_error>

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
