// The game's tables as the browser page and its tests read them: every
// picture element (files, places, size, screens), every click rectangle and
// the score panel's text places, written from the C++ tables so that the page
// never keeps a copy of its own.
#include <cstddef>
#include <cstdio>
#include <cstring>

#include "art/art.h"
#include "input/hit_areas.h"
#include "state/display_state.h"

namespace art {

namespace {

struct NamedRect {
    const char* element;  // the picture element the rectangle lies in
    size_t index;         // which copy of it
    HitRect rect;
};

// Every click rectangle of the game, beside the element it answers for.
constexpr std::array<NamedRect, 7 + kChipButtons + kHandSlots> makeNamedRects()
{
    std::array<NamedRect, 7 + kChipButtons + kHandSlots> all = {{
        {"aide", 0, kAideRect},
        {"apropos", 0, kAproposRect},
        {"retour", 0, kRetourRect},
        {"continuer", 0, kContinuerRect},
        {"newgame", 0, kNewGameRect},
        {"option", 0, kOptionRect},
        {"carte", 0, kCarteRect},
    }};
    size_t next = 7;
    for (size_t chip = 0; chip < kChipRects.size(); ++chip) {
        all[next++] = {"chip", chip, kChipRects[chip]};
    }
    for (size_t slot = 0; slot < kGarderRects.size(); ++slot) {
        all[next++] = {"garder", slot, kGarderRects[slot]};
    }
    return all;
}
constexpr auto kNamedRects = makeNamedRects();

// The screens each value of `screen` shows, as kOn* bits: the page packs the
// backgrounds by the screen that first needs them. The options screen has
// no bit of its own.
constexpr uint32_t screenBitsOf(int32_t screen)
{
    switch (screen) {
    case kScreenStart: return kOnStart;
    case kScreenJeu: return kOnGame;
    case kScreenApropos: return kOnApropos;
    case kScreenAide: return kOnAide;
    case kScreenGameover: return kOnGameOver;
    default: return 0;
    }
}

bool writeScreenValues(std::FILE* out)
{
    bool ok =
        std::fprintf(out, "\"screenField\": %d, \"screenValueBits\": [", fieldAt(offsetof(DisplayState, screen))) > 0;
    for (size_t v = 0; v < kBackgroundImages.size() && ok; ++v) {
        ok = std::fprintf(out, "%s%u", v == 0 ? "" : ", ", screenBitsOf(static_cast<int32_t>(v))) > 0;
    }
    return ok && std::fprintf(out, "],\n") > 0;
}

// Every field as the game's first frame has it (the start screen after a
// reset): the page's first download holds only the pictures these pick.
bool writeFirstFrame(std::FILE* out)
{
    DisplayState display{};
    resetDisplayState(&display);
    display.screen = kScreenStart;
    std::array<int32_t, sizeof(DisplayState) / sizeof(int32_t)> fields{};
    std::memcpy(fields.data(), &display, sizeof display);
    bool ok = std::fprintf(out, "\"firstFrameFields\": [") > 0;
    for (size_t f = 0; f < fields.size() && ok; ++f) {
        ok = std::fprintf(out, "%s%d", f == 0 ? "" : ", ", fields[f]) > 0;
    }
    return ok && std::fprintf(out, "],\n") > 0;
}

bool writeElements(std::FILE* out)
{
    bool ok = std::fprintf(out, "\"elements\": [\n") > 0;
    for (size_t e = 0; e < kImageElements.size() && ok; ++e) {
        const ImageElement& element = kImageElements[e];
        ok =
            std::fprintf(out, "  {\"name\": \"%s\", \"field\": %d, \"size\": [%d, %d], \"screens\": %u, \"keyed\": %s,",
                         element.name, element.field, element.size.w, element.size.h, element.screens,
                         element.keyed ? "true" : "false") > 0;
        ok = ok && std::fprintf(out, " \"places\": [") > 0;
        for (size_t p = 0; p < element.placeCount && ok; ++p) {
            ok = std::fprintf(out, "%s[%d, %d]", p == 0 ? "" : ", ", element.places[p].x, element.places[p].y) > 0;
        }
        ok = ok && std::fprintf(out, "], \"files\": [") > 0;
        for (size_t v = 0; v < element.imageCount && ok; ++v) {
            const char* file = element.images[v];
            ok = std::fprintf(out, file != nullptr ? "%s\"%s\"" : "%snull", v == 0 ? "" : ", ", file) > 0;
        }
        ok = ok && std::fprintf(out, "]}%s\n", e + 1 < kImageElements.size() ? "," : "") > 0;
    }
    return ok && std::fprintf(out, "],\n") > 0;
}

bool writeRects(std::FILE* out)
{
    bool ok = std::fprintf(out, "\"hitRects\": [\n") > 0;
    for (size_t i = 0; i < kNamedRects.size() && ok; ++i) {
        const NamedRect& named = kNamedRects[i];
        ok = std::fprintf(out, "  {\"element\": \"%s\", \"index\": %zu, \"rect\": [%d, %d, %d, %d]}%s\n", named.element,
                          named.index, named.rect.left, named.rect.top, named.rect.right, named.rect.bottom,
                          i + 1 < kNamedRects.size() ? "," : "") > 0;
    }
    return ok && std::fprintf(out, "],\n") > 0;
}

bool writeScoreSlots(std::FILE* out)
{
    bool ok = std::fprintf(out, "\"scoreSlots\": [") > 0;
    for (size_t i = 0; i < kScoreSlots.size() && ok; ++i) {
        ok = std::fprintf(out, "%s{\"at\": [%d, %d], \"pt\": %d}", i == 0 ? "" : ", ", kScoreSlots[i].pos.x,
                          kScoreSlots[i].pos.y, kScoreSlots[i].pointSize) > 0;
    }
    return ok && std::fprintf(out, "],\n") > 0;
}

}  // namespace

bool writeWebTables(const char* webDir)
{
    std::FILE* out = openWebFile(webDir, "tables.json");
    if (out == nullptr) {
        return false;
    }
    bool ok = std::fprintf(out, "{\n\"width\": %d, \"height\": %d,\n", kScreenWidth, kScreenHeight) > 0;
    ok = ok && std::fprintf(out,
                            "\"screenBits\": {\"start\": %u, \"bet\": %u, \"deal\": %u, \"aide\": %u, \"apropos\": "
                            "%u, \"gameover\": %u},\n",
                            kOnStart, kOnBet, kOnDeal, kOnAide, kOnApropos, kOnGameOver) > 0;
    ok = ok && writeScreenValues(out) && writeFirstFrame(out) && writeElements(out) && writeRects(out) &&
         writeScoreSlots(out);
    ok = ok &&
         std::fprintf(out, "\"chipKey\": [%d, %d, %d]\n}\n", kChipColorKey.r, kChipColorKey.g, kChipColorKey.b) > 0;
    return std::fclose(out) == 0 && ok;
}

}  // namespace art
