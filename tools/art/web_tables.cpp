// The game's tables as the browser page and its tests read them: every
// picture element (files, places, size, screens), every click rectangle and
// the score panel's text places, written from the C++ tables so that the page
// never keeps a copy of its own. With them, the words the page's access layer
// says for what the canvas shows: the screens, the controls, the words on
// the pictures and the cards.
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
    const char* name;  // what the control does, as a screen reader says it
};

// The chips' names, in `chipButtons` order after the eight values.
constexpr std::array<const char*, kChipButtons - kChipValues.size()> kChipWordNames = {"Tapis", "Annuler la mise"};

// Every click rectangle of the game, beside the element it answers for; a
// chip is named after its value, a CHANGER button after its card's place
// (the page adds the card).
// REPRENDRE is always closed and the game never acts on it; the page still
// offers it, greyed out as the game draws it, over the rectangle its
// picture would have.
constexpr std::array<NamedRect, 8 + kChipButtons + kHandSlots> makeNamedRects()
{
    std::array<NamedRect, 8 + kChipButtons + kHandSlots> all = {{
        {"aide", 0, kAideRect, "Aide"},
        {"apropos", 0, kAproposRect, "À propos"},
        {"retour", 0, kRetourRect, "Retour"},
        {"continuer", 0, kContinuerRect, "Continuer"},
        {"newgame", 0, kNewGameRect, "Nouvelle partie"},
        {"option", 0, kOptionRect, "Options"},
        {"carte", 0, kCarteRect, "Carte"},
        {"resume", 0, hitRectAt(kResumeButtonPos, kLargeButtonWidth, kLargeButtonHeight), "Reprendre"},
    }};
    size_t next = 8;
    for (size_t chip = 0; chip < kChipRects.size(); ++chip) {
        all[next++] = {"chip", chip, kChipRects[chip],
                       chip < kChipValues.size() ? "Jeton" : kChipWordNames[chip - kChipValues.size()]};
    }
    for (size_t slot = 0; slot < kGarderRects.size(); ++slot) {
        all[next++] = {"garder", slot, kGarderRects[slot], "Changer la carte"};
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

// The screens by `screen`, and the cards by rank and suit, in words.
constexpr std::array<const char*, kBackgroundImages.size()> kScreenNames = {"Accueil",  "Options", "Table de jeu",
                                                                            "À propos", "Aide",    "Partie terminée"};
constexpr std::array<const char*, kRankTexts.size()> kRankNames = {"2", "3",  "4",     "5",    "6",   "7", "8",
                                                                   "9", "10", "valet", "dame", "roi", "as"};
constexpr std::array<const char*, kSuitTexts.size()> kSuitNames = {"trèfle", "carreau", "cœur", "pique"};

// A JSON string; the game's words hold no quote or backslash to escape.
bool writeString(std::FILE* out, const char* text)
{
    if (text == nullptr) {
        return std::fprintf(out, "null") > 0;
    }
    return std::strpbrk(text, "\"\\") == nullptr && std::fprintf(out, "\"%s\"", text) > 0;
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
        ok = std::fprintf(
                 out, "  {\"element\": \"%s\", \"index\": %zu, \"rect\": [%d, %d, %d, %d], \"name\": ", named.element,
                 named.index, named.rect.left, named.rect.top, named.rect.right, named.rect.bottom) > 0;
        ok = ok && writeString(out, named.name);
        if (ok && std::strcmp(named.element, "chip") == 0 && named.index < kChipValues.size()) {
            ok = std::fprintf(out, ", \"value\": %d", kChipValues[named.index]) > 0;
        }
        ok = ok && std::fprintf(out, "}%s\n", i + 1 < kNamedRects.size() ? "," : "") > 0;
    }
    return ok && std::fprintf(out, "],\n") > 0;
}

bool writeScoreSlots(std::FILE* out)
{
    bool ok = std::fprintf(out, "\"scoreSlots\": [") > 0;
    for (size_t i = 0; i < kScoreSlots.size() && ok; ++i) {
        ok = std::fprintf(out, "%s{\"at\": [%d, %d], \"pt\": %d, \"label\": ", i == 0 ? "" : ", ", kScoreSlots[i].pos.x,
                          kScoreSlots[i].pos.y, kScoreSlots[i].pointSize) > 0;
        ok = ok && writeString(out, scoreLabel(i)) && std::fprintf(out, "}") > 0;
    }
    return ok && std::fprintf(out, "],\n") > 0;
}

// The words on every picture that has some, by file: the buttons' labels,
// the messages and the combination captions (the help caption is no news).
bool writeWords(std::FILE* out)
{
    bool ok = std::fprintf(out, "\"words\": {") > 0;
    const char* separator = "\n  ";
    const auto word = [&](const char* file, const char* text) {
        if (file != nullptr && text != nullptr && ok) {
            ok = std::fprintf(out, "%s\"%s\": ", separator, file) > 0 && writeString(out, text);
            separator = ",\n  ";
        }
    };
    for (const ImageElement& element : kImageElements) {
        for (size_t v = 0; v < element.imageCount; ++v) {
            word(element.images[v], buttonLabel(element.images[v] != nullptr ? element.images[v] : ""));
        }
    }
    for (int32_t message = 0; static_cast<size_t>(message) < kMessageImages.size(); ++message) {
        word(imageFor(kMessageImages, message), messageWords(message));
    }
    for (const PayRow& row : kPayRows) {
        word(imageFor(kCombinationImages, row.code), row.name);
    }
    return ok && std::fprintf(out, "\n},\n") > 0;
}

bool writeNames(std::FILE* out)
{
    bool ok = std::fprintf(out, "\"screenNames\": [") > 0;
    for (size_t i = 0; i < kScreenNames.size() && ok; ++i) {
        ok = std::fprintf(out, "%s", i == 0 ? "" : ", ") >= 0 && writeString(out, kScreenNames[i]);
    }
    // By card id; 0 is a card face down.
    ok = ok && std::fprintf(out, "],\n\"cardNames\": [\"carte retournée\"") > 0;
    for (int32_t id = 1; id <= kDeckSize && ok; ++id) {
        ok = std::fprintf(out, ", \"%s de %s\"", kRankNames[static_cast<size_t>(rankOfId(id) - kRankTwo)],
                          kSuitNames[static_cast<size_t>(suitOfId(id))]) > 0;
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
         writeScoreSlots(out) && writeWords(out) && writeNames(out);
    // The field values the page reads the buttons' states by.
    ok = ok && std::fprintf(out,
                            "\"values\": {\"down\": %d, \"carteDisabled\": %d, \"rejouerUp\": %d, \"rejouerDown\": %d, "
                            "\"resumeClosed\": %d},\n",
                            kButtonDown, kCarteDisabled, kRejouerUp, kRejouerDown, kResumeClosed) > 0;
    ok = ok &&
         std::fprintf(out, "\"chipKey\": [%d, %d, %d]\n}\n", kChipColorKey.r, kChipColorKey.g, kChipColorKey.b) > 0;
    return std::fclose(out) == 0 && ok;
}

}  // namespace art
