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

// One text of a routine: what it says, where, at which size and colour.
struct TextJob {
    const char* text;
    ScreenPos pos;
    int pointSize;
    Rgb colour;
};

// The one place the text routines open and close fonts. Starts the font
// library, opens one font per point size, renders and blits every text in
// order, flips, then closes the fonts, stops the library and frees the texts.
template <size_t N>
void drawTexts(const std::array<TextJob, N>& jobs, SDL_Surface* screen)
{
    const bool fontsStarted = TTF_Init() == 0;
    std::array<TTF_Font*, N> fonts{};
    std::array<bool, N> ownsFont{};  // true where a text's size is met first
    std::array<SDL_Surface*, N> texts{};
    for (size_t i = 0; i < N; ++i) {
        size_t first = 0;
        while (jobs[first].pointSize != jobs[i].pointSize) {
            ++first;
        }
        ownsFont[i] = first == i;
        fonts[i] = ownsFont[i] ? openFont(fontsStarted, jobs[i].pointSize) : fonts[first];
        texts[i] = renderText(fonts[i], jobs[i].text, jobs[i].colour);
    }
    for (size_t i = 0; i < N; ++i) {
        blitImage(texts[i], jobs[i].pos, screen);
    }
    SDL_Flip(screen);
    for (size_t i = 0; i < N; ++i) {
        if (ownsFont[i]) {
            closeFont(fonts[i]);
        }
    }
    stopFonts(fontsStarted);
    freeSurfaces(&texts);
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
    std::array<TextJob, kScoreSlots.size()> jobs{};
    for (size_t i = 0; i < jobs.size(); ++i) {
        std::snprintf(values[i].text, kScoreTextSize, "%d", static_cast<int>(values[i].value));
        jobs[i] = {.text = values[i].text,
                   .pos = kScoreSlots[i].pos,
                   .pointSize = kScoreSlots[i].pointSize,
                   .colour = kScoreColor};
    }
    drawTexts(jobs, screen);
}

void drawAideText(SDL_Surface* screen)
{
    drawTexts(std::array<TextJob, 1>{{
                  {.text = kWebAddress, .pos = kAideAddressPos, .pointSize = kAideTextPt, .colour = kPageTextColor},
              }},
              screen);
}

void drawAproposText(SDL_Surface* screen)
{
    drawTexts(
        std::array<TextJob, 2>{{
            {.text = kWebAddress, .pos = kAproposAddressPos, .pointSize = kAproposTextPt, .colour = kPageTextColor},
            {.text = kVersionText, .pos = kAproposVersionPos, .pointSize = kAproposTextPt, .colour = kPageTextColor},
        }},
        screen);
}
