#include "display/elements.h"

#include "display/data_file.h"

SDL_Surface* loadImage(const char* path) { return loadBitmap(path); }

void blitImage(SDL_Surface* image, ScreenPos pos, SDL_Surface* screen)
{
    if (image == nullptr) {
        return;
    }
    SDL_Rect place = {pos.x, pos.y, 0, 0};  // the blit takes the size from the image
    SDL_UpperBlit(image, nullptr, screen, &place);
}

void drawImage(const char* path, ScreenPos pos, SDL_Surface* screen)
{
    SDL_Surface* image = loadImage(path);
    blitImage(image, pos, screen);
    SDL_FreeSurface(image);
}

void drawBackground(const DisplayState* display, SDL_Surface* screen)
{
    drawImage(imageFor(kBackgroundImages, display->screen), kBackgroundPos, screen);
}

void drawAideButton(const DisplayState* display, SDL_Surface* screen)
{
    drawImage(imageFor(kAideButtonImages, display->aideButton), kAideButtonPos, screen);
}

void drawAproposButton(const DisplayState* display, SDL_Surface* screen)
{
    drawImage(imageFor(kAproposButtonImages, display->aproposButton), kAproposButtonPos, screen);
}

void drawRetourButton(const DisplayState* display, SDL_Surface* screen)
{
    drawImage(imageFor(kRetourButtonImages, display->retourButton), kRetourButtonPos, screen);
}

void drawContinuerButton(const DisplayState* display, SDL_Surface* screen)
{
    drawImage(imageFor(kContinuerButtonImages, display->continuerButton), kContinuerButtonPos, screen);
}

void drawCarteButton(const DisplayState* display, SDL_Surface* screen)
{
    drawImage(imageFor(kCarteButtonImages, display->carteButton), kCarteButtonPos, screen);
}

void drawGarderButtons(const DisplayState* display, SDL_Surface* screen)
{
    std::array<SDL_Surface*, kHandSlots> images{};
    for (size_t i = 0; i < images.size(); ++i) {
        images[i] = loadImage(imageFor(kGarderButtonImages, display->garderButtons[i]));
        blitImage(images[i], kGarderButtonPos[i], screen);
    }
    freeSurfaces(&images);
}

void drawHandCards(const DisplayState* display, SDL_Surface* screen)
{
    std::array<SDL_Surface*, kHandSlots> images{};
    for (size_t i = 0; i < images.size(); ++i) {
        char path[kCardPathSize];
        if (cardImagePath(display->handCards[i], path, sizeof(path))) {
            images[i] = loadImage(path);
            blitImage(images[i], kCardPos[i], screen);
        }
    }
    freeSurfaces(&images);
}

void keyChipColour(SDL_Surface* chip)
{
    if (chip != nullptr) {
        // Chips are round: the key colour around the disc lets the table show.
        SDL_SetColorKey(chip, SDL_SRCCOLORKEY,
                        SDL_MapRGB(chip->format, kChipColorKey.r, kChipColorKey.g, kChipColorKey.b));
    }
}

void drawChips(const DisplayState* display, SDL_Surface* screen)
{
    std::array<SDL_Surface*, kChipButtons> images{};
    for (size_t i = 0; i < images.size(); ++i) {
        images[i] = loadImage(imageFor(kChipImages[i], display->chipButtons[i]));
        keyChipColour(images[i]);
        blitImage(images[i], kChipPos[i], screen);
    }
    freeSurfaces(&images);
}

void drawStartButtons(const DisplayState* display, SDL_Surface* screen)
{
    std::array<SDL_Surface*, 3> images{};
    images[0] = loadImage(imageFor(kNewGameButtonImages, display->newGameButton));
    blitImage(images[0], kNewGameButtonPos, screen);
    images[1] = loadImage(imageFor(kResumeButtonImages, display->resumeButton));
    blitImage(images[1], kResumeButtonPos, screen);
    images[2] = loadImage(imageFor(kOptionButtonImages, display->optionButton));
    blitImage(images[2], kOptionButtonPos, screen);
    freeSurfaces(&images);
}

void drawMessage(const DisplayState* display, SDL_Surface* screen)
{
    drawImage(imageFor(kMessageImages, display->message), kMessagePos, screen);
}

void drawCombination(const DisplayState* display, SDL_Surface* screen)
{
    drawImage(imageFor(kCombinationImages, display->combination), kCombinationPos, screen);
}

void drawScoreBackdrop(SDL_Surface* screen) { drawImage(kScoreBackdropImage, kScoreBackdropPos, screen); }
