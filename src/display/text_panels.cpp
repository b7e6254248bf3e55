#include "display/text_panels.h"

#include <SDL_ttf.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "display/data_file.h"
#include "display/elements.h"
#include "display/layout.h"

namespace {

// A missing or unreadable font leaves the font null: the texts that need it
// are skipped and the screen is still flipped.
TTF_Font* openFont(bool fontsStarted, int pointSize)
{
    SDL_RWops* stream = fontsStarted ? openDataFile(kFontFile) : nullptr;
    return stream != nullptr ? TTF_OpenFontRW(stream, 1, pointSize) : nullptr;  // 1: the font owns the stream
}

void stopFonts(bool fontsStarted)
{
    if (fontsStarted) {
        TTF_Quit();
    }
}

void closeFont(TTF_Font* font)
{
    if (font != nullptr) {
        TTF_CloseFont(font);
    }
}

SDL_Surface* renderText(TTF_Font* font, const char* text, Rgb colour)
{
    if (font == nullptr) {
        return nullptr;
    }
    const SDL_Color color = {colour.r, colour.g, colour.b, 0};
    return TTF_RenderText_Blended(font, text, color);
}

struct ScoreValue {
    int32_t value;
    char* text;
};
constexpr size_t kScoreTextSize = sizeof(Purse::bankText);
static_assert(sizeof(Purse::betText) == kScoreTextSize && sizeof(Purse::totalWonText) == kScoreTextSize,
              "every purse text buffer has the same size");

}  // namespace

void drawScorePanel(Purse* purse, SDL_Surface* screen)
{
    const bool fontsStarted = TTF_Init() == 0;
    TTF_Font* smallFont = openFont(fontsStarted, kScoreSmallPt);
    TTF_Font* largeFont = openFont(fontsStarted, kScoreLargePt);

    // Same order as the slots of the panel.
    const std::array<ScoreValue, kScoreSlots.size()> values = {{
        {purse->bank, purse->bankText},
        {purse->bet, purse->betText},
        {purse->win, purse->winText},
        {purse->handsWon, purse->handsWonText},
        {purse->handsLost, purse->handsLostText},
        {purse->bestWin, purse->bestWinText},
        {purse->totalWon, purse->totalWonText},
    }};
    for (const ScoreValue& entry : values) {
        std::snprintf(entry.text, kScoreTextSize, "%d", static_cast<int>(entry.value));
    }

    std::array<SDL_Surface*, kScoreSlots.size()> texts{};
    for (size_t i = 0; i < texts.size(); ++i) {
        TTF_Font* font = kScoreSlots[i].pointSize == kScoreLargePt ? largeFont : smallFont;
        texts[i] = renderText(font, values[i].text, kScoreColor);
    }
    for (size_t i = 0; i < texts.size(); ++i) {
        blitImage(texts[i], kScoreSlots[i].pos, screen);
    }
    SDL_Flip(screen);

    closeFont(smallFont);
    closeFont(largeFont);
    stopFonts(fontsStarted);
    freeSurfaces(&texts);
}

void drawAideText(SDL_Surface* screen)
{
    const bool fontsStarted = TTF_Init() == 0;
    TTF_Font* font = openFont(fontsStarted, kAideTextPt);
    std::array<SDL_Surface*, 1> texts = {renderText(font, kWebAddress, kPageTextColor)};
    blitImage(texts[0], kAideAddressPos, screen);
    SDL_Flip(screen);
    closeFont(font);
    stopFonts(fontsStarted);
    freeSurfaces(&texts);
}

void drawAproposText(SDL_Surface* screen)
{
    const bool fontsStarted = TTF_Init() == 0;
    TTF_Font* font = openFont(fontsStarted, kAproposTextPt);
    std::array<SDL_Surface*, 2> texts = {
        renderText(font, kWebAddress, kPageTextColor),
        renderText(font, kVersionText, kPageTextColor),
    };
    blitImage(texts[0], kAproposAddressPos, screen);
    blitImage(texts[1], kAproposVersionPos, screen);
    SDL_Flip(screen);
    closeFont(font);
    stopFonts(fontsStarted);
    freeSurfaces(&texts);
}
