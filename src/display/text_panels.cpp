#include "display/text_panels.h"

#include <SDL_ttf.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>

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

// One text of a routine: what it says, where, at which size and colour, and
// what the font check must allow for there: the characters it may hold, its
// longest length and the panel it must stay in.
struct TextJob {
    const char* text;
    ScreenPos pos;
    int pointSize;
    Rgb colour;
    const char* characters;
    size_t longest;
    ScreenPos panelPos;
    PictureSize panelSize;
};

// A score is "%d" of a 32-bit number: its sign and ten digits at most.
constexpr const char* kNumberCharacters = "-0123456789";
constexpr size_t kLongestNumber = std::numeric_limits<int32_t>::digits10 + 2;

int clampToInt(int64_t value) { return static_cast<int>(std::clamp<int64_t>(value, INT_MIN, INT_MAX)); }

// SDL_ttf's metrics of `font` over `characters` (see FontMetrics); false
// when a glyph cannot be loaded. Kerning counts only between two glyphs the
// font has, as SDL_ttf applies it.
bool measureFont(TTF_Font* font, const char* characters, FontMetrics* metrics)
{
    *metrics = {.height = TTF_FontHeight(font),
                .leastAdvance = INT_MAX,
                .leastMinX = INT_MAX,
                .widestReach = INT_MIN,
                .leastStep = INT_MAX,
                .widestStep = INT_MIN};
    // Each character's glyph index, asked once: the pairs below ask for it
    // again and again.
    std::array<int, UCHAR_MAX + 1> glyphIndex{};
    for (const char* c = characters; *c != '\0'; ++c) {
        glyphIndex[static_cast<unsigned char>(*c)] = TTF_GlyphIsProvided(font, static_cast<unsigned char>(*c));
    }
    for (const char* first = characters; *first != '\0'; ++first) {
        const auto firstChar = static_cast<Uint16>(static_cast<unsigned char>(*first));
        int minX = 0;
        int maxX = 0;
        int minY = 0;
        int maxY = 0;
        int advance = 0;
        if (TTF_GlyphMetrics(font, firstChar, &minX, &maxX, &minY, &maxY, &advance) != 0) {
            return false;
        }
        metrics->leastAdvance = std::min(metrics->leastAdvance, advance);
        metrics->leastMinX = std::min(metrics->leastMinX, minX);
        metrics->widestReach = std::max({metrics->widestReach, advance, maxX});
        const int firstIndex = glyphIndex[firstChar];
        for (const char* second = characters; *second != '\0'; ++second) {
            const int secondIndex = glyphIndex[static_cast<unsigned char>(*second)];
            const int kerning =
                firstIndex != 0 && secondIndex != 0 ? TTF_GetFontKerningSize(font, firstIndex, secondIndex) : 0;
            const int step = clampToInt(int64_t{advance} + kerning);
            metrics->leastStep = std::min(metrics->leastStep, step);
            metrics->widestStep = std::max(metrics->widestStep, step);
        }
    }
    return true;
}

// Whether `font` may draw every text of `jobs` set at `pointSize`. Texts
// that share their characters (the score panel's numbers) are measured once:
// a measure is a glyph lookup per character pair, and the panel is redrawn
// at every press.
template <size_t N>
bool fontSuits(TTF_Font* font, const std::array<TextJob, N>& jobs, int pointSize)
{
    FontMetrics metrics{};
    const char* measured = nullptr;  // the characters `metrics` is for
    for (const TextJob& job : jobs) {
        if (job.pointSize != pointSize) {
            continue;
        }
        if (measured == nullptr || std::strcmp(measured, job.characters) != 0) {
            if (!measureFont(font, job.characters, &metrics)) {
                return false;
            }
            measured = job.characters;
        }
        if (!fontFitsText(&metrics, job.longest, job.pos, job.panelPos, job.panelSize)) {
            return false;
        }
    }
    return true;
}

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
        if (ownsFont[i]) {
            fonts[i] = openFont(fontsStarted, jobs[i].pointSize);
            if (fonts[i] != nullptr && !fontSuits(fonts[i], jobs, jobs[i].pointSize)) {
                closeFont(fonts[i]);  // refused: its texts are left out, as with no font
                fonts[i] = nullptr;
            }
        } else {
            fonts[i] = fonts[first];
        }
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
static_assert(kScoreTextSize > kLongestNumber, "every score fits its buffer whole");
static_assert(sizeof(Purse::betText) == kScoreTextSize && sizeof(Purse::totalWonText) == kScoreTextSize,
              "every purse text buffer has the same size");

// A fixed text of a page, which may span the window.
TextJob pageText(const char* text, ScreenPos pos, int pointSize)
{
    return {.text = text,
            .pos = pos,
            .pointSize = pointSize,
            .colour = kPageTextColor,
            .characters = text,
            .longest = std::strlen(text),
            .panelPos = kBackgroundPos,
            .panelSize = kBackgroundSize};
}

}  // namespace

bool fontFitsText(const FontMetrics* font, size_t length, ScreenPos pos, ScreenPos panelPos, PictureSize panelSize)
{
    // SDL_ttf moves a first glyph that starts left of its origin right by as
    // much; any later glyph must start at or right of the text's origin, or
    // it is written before the text surface. In 64 bits, as a font's metrics
    // can be anything.
    if (length == 0 || length > static_cast<size_t>(kScreenWidth) || font->height < 1 || font->leastAdvance < 0 ||
        font->leastStep < 0 || int64_t{font->leastStep} + font->leastMinX < 0) {
        return false;
    }
    // SDL_ttf's text surface is at most this wide: the first glyph's shift,
    // a widest step per glyph after it, and the furthest reach of the last.
    const int64_t width = std::max<int64_t>(0, -int64_t{font->leastMinX}) +
                          static_cast<int64_t>(length - 1) * font->widestStep + font->widestReach;
    const int64_t right = std::min(panelPos.x + panelSize.w, kScreenWidth);
    const int64_t bottom = std::min(panelPos.y + panelSize.h, kScreenHeight);
    return pos.x >= panelPos.x && pos.y >= panelPos.y && pos.x + width <= right &&
           int64_t{pos.y} + font->height <= bottom;
}

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
                   .colour = kScoreColor,
                   .characters = kNumberCharacters,
                   .longest = kLongestNumber,
                   .panelPos = kScoreBackdropPos,
                   .panelSize = kBackdropSize};
    }
    drawTexts(jobs, screen);
}

void drawAideText(SDL_Surface* screen)
{
    drawTexts(std::array<TextJob, 1>{{
                  pageText(kWebAddress, kAideAddressPos, kAideTextPt),
              }},
              screen);
}

void drawAproposText(SDL_Surface* screen)
{
    drawTexts(std::array<TextJob, 2>{{
                  pageText(kWebAddress, kAproposAddressPos, kAproposTextPt),
                  pageText(kVersionText, kAproposVersionPos, kAproposTextPt),
              }},
              screen);
}
