// Where everything is: window size, image files, positions, text placement.
//
// Every file and place the game draws lives here, so the drawing code, the
// asset generator and the tests all read one set of tables. Image tables are
// written as (field value, file) pairs and indexed by the value of the display
// field that chooses the picture; a null entry means "this value has no
// picture" and the element is skipped.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>

#include "cards/card_list.h"
#include "cards/evaluate.h"
#include "state/display_state.h"

constexpr int kScreenWidth = 872;
constexpr int kScreenHeight = 488;
constexpr int kScreenDepth = 32;
constexpr const char* kWindowCaption = "Vantrel";
constexpr const char* kIconFile = "image/icon.png";
// Largest icon side the window accepts; desktop icons go up to 256 px.
constexpr int kMaxIconSide = 256;
constexpr const char* kFontFile = "arial.ttf";

struct ScreenPos {
    int16_t x;
    int16_t y;
};

// The size a picture is drawn at. Click rectangles (input/hit_areas.h) lie a
// little inside their pictures.
struct PictureSize {
    int w;
    int h;
};

struct Rgb {
    uint8_t r;
    uint8_t g;
    uint8_t b;
};

template <size_t N>
using ImageTable = std::array<const char*, N>;

// One picture of a table: the field value that selects it, and its file.
struct ImageEntry {
    int32_t value;
    const char* file;
};

// A table indexed by field value, filled from (value, file) pairs; values
// without a pair have no picture. A value outside 0..N-1, or given twice,
// makes the table fail to compile.
template <size_t N, size_t M>
constexpr ImageTable<N> imagesByValue(const ImageEntry (&entries)[M])
{
    ImageTable<N> table{};
    for (const ImageEntry& entry : entries) {
        const auto index = static_cast<size_t>(entry.value);
        if (entry.value < 0 || index >= N || table[index] != nullptr) {
            throw "image table entry out of range or repeated";
        }
        table[index] = entry.file;
    }
    return table;
}

// The two faces of a two-state button.
constexpr ImageTable<2> upDownImages(const char* up, const char* down)
{
    return imagesByValue<2>({{kButtonUp, up}, {kButtonDown, down}});
}

// The image a field value selects, or null when the value has none.
template <size_t N>
constexpr const char* imageFor(const ImageTable<N>& table, int32_t value)
{
    return value >= 0 && static_cast<size_t>(value) < N ? table[static_cast<size_t>(value)] : nullptr;
}

// Backgrounds, by `screen`.
constexpr ImageTable<6> kBackgroundImages = imagesByValue<6>({
    {kScreenStart, "image/backgroundStart.bmp"},
    {kScreenOption, "image/backgroundOption.bmp"},
    {kScreenJeu, "image/backgroundJeu.bmp"},
    {kScreenApropos, "image/backgroundApropos.bmp"},
    {kScreenAide, "image/backgroundAide.bmp"},
    {kScreenGameover, "image/backgroundGameOver.bmp"},
});
constexpr ScreenPos kBackgroundPos = {0, 0};
constexpr PictureSize kBackgroundSize = {kScreenWidth, kScreenHeight};

// Two-state buttons.
constexpr ImageTable<2> kAideButtonImages =
    upDownImages("image/bouton/boutonAideUp.bmp", "image/bouton/boutonAideDown.bmp");
constexpr ImageTable<2> kAproposButtonImages =
    upDownImages("image/bouton/boutonApropoUp.bmp", "image/bouton/boutonApropoDown.bmp");
constexpr ImageTable<2> kRetourButtonImages =
    upDownImages("image/bouton/boutonRetourUp.bmp", "image/bouton/boutonRetourDown.bmp");
constexpr ImageTable<2> kContinuerButtonImages =
    upDownImages("image/bouton/boutonContinuerUp.bmp", "image/bouton/boutonContinuerDown.bmp");
constexpr ImageTable<2> kGarderButtonImages =
    upDownImages("image/bouton/boutonGarderUp.bmp", "image/bouton/boutonGarderDown.bmp");
constexpr ImageTable<2> kNewGameButtonImages =
    upDownImages("image/bouton/boutonNewGameUp.bmp", "image/bouton/boutonNewGameDown.bmp");
constexpr ImageTable<2> kOptionButtonImages =
    upDownImages("image/bouton/boutonOptionUp.bmp", "image/bouton/boutonOptionDown.bmp");

constexpr ScreenPos kAideButtonPos = {6, 425};
constexpr ScreenPos kAproposButtonPos = {6, 456};
constexpr ScreenPos kRetourButtonPos = {6, 456};     // shares the Apropos place
constexpr ScreenPos kContinuerButtonPos = {6, 456};  // likewise, on game over
constexpr ScreenPos kNewGameButtonPos = {282, 143};
constexpr ScreenPos kResumeButtonPos = {282, 202};
constexpr ScreenPos kOptionButtonPos = {282, 260};
constexpr ScreenPos kCarteButtonPos = {385, 440};

constexpr PictureSize kSmallButtonSize = {110, 29};  // Aide, Apropos, Retour, Continuer
constexpr PictureSize kLargeButtonSize = {306, 39};  // NewGame, Resume, Option
constexpr PictureSize kCarteButtonSize = {154, 39};  // Carte, Rejouer

// Carte / Rejouer, by `carteButton`.
constexpr ImageTable<kCarteDisabled + 1> kCarteButtonImages = imagesByValue<kCarteDisabled + 1>({
    {kCarteUp, "image/bouton/boutonCarteUp.bmp"},
    {kCarteDown, "image/bouton/boutonCarteDown.bmp"},
    {kRejouerUp, "image/bouton/boutonRejouerUp.bmp"},
    {kRejouerDown, "image/bouton/boutonRejouerDown.bmp"},
    {kCarteDisabled, "image/bouton/boutonCarteDisa.bmp"},
});

// Resume, by `resumeButton`.
constexpr ImageTable<kResumeClosed + 1> kResumeButtonImages = imagesByValue<kResumeClosed + 1>({
    {kButtonUp, "image/bouton/boutonResumeUp.bmp"},
    {kButtonDown, "image/bouton/boutonResumeDown.bmp"},
    {kResumeClosed, "image/bouton/boutonResumeClose.bmp"},
});

// Five card slots and the Garder button under each, left to right.
constexpr std::array<ScreenPos, kHandSlots> kCardPos = {{{61, 221}, {152, 221}, {243, 221}, {334, 221}, {425, 221}}};
constexpr std::array<ScreenPos, kHandSlots> kGarderButtonPos = {
    {{56, 321}, {147, 321}, {238, 321}, {329, 321}, {420, 321}}};
constexpr PictureSize kCardSize = {70, 98};
constexpr PictureSize kGarderButtonSize = {80, 20};

// Card images: "image/carte/" + rank text + suit text + ".bmp"; id 0 is the back.
constexpr const char* kCardBackImage = "image/carte/back.bmp";
constexpr std::array<const char*, 13> kRankTexts = {"2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K", "as"};
constexpr std::array<const char*, 4> kSuitTexts = {"Trefle", "Carreau", "Coeur", "Pique"};
constexpr size_t kCardPathSize = 40;  // longest is "image/carte/10Carreau.bmp"

using CardPath = std::array<char, kCardPathSize>;

// The parts one after the other; a path too long for CardPath fails to compile.
constexpr CardPath joinPath(std::initializer_list<const char*> parts)
{
    CardPath path{};
    size_t length = 0;
    for (const char* part : parts) {
        for (; *part != '\0'; ++part) {
            if (length + 1 >= path.size()) {
                throw "card path too long";
            }
            path[length++] = *part;
        }
    }
    return path;
}

constexpr std::array<CardPath, kDeckSize + 1> makeCardPaths()
{
    std::array<CardPath, kDeckSize + 1> paths{};
    paths[0] = joinPath({kCardBackImage});
    for (int32_t id = 1; id <= kDeckSize; ++id) {
        paths[static_cast<size_t>(id)] =
            joinPath({"image/carte/", kRankTexts[static_cast<size_t>(rankOfId(id) - kRankTwo)],
                      kSuitTexts[static_cast<size_t>(suitOfId(id))], ".bmp"});
    }
    return paths;
}
inline constexpr std::array<CardPath, kDeckSize + 1> kCardPaths = makeCardPaths();

// Card images by id, as a table like the others.
constexpr ImageTable<kDeckSize + 1> makeCardImages()
{
    ImageTable<kDeckSize + 1> table{};
    for (size_t id = 0; id < table.size(); ++id) {
        table[id] = kCardPaths[id].data();
    }
    return table;
}
inline constexpr ImageTable<kDeckSize + 1> kCardImages = makeCardImages();

// Writes the image path of card id 0..52 into `out`; false (and an empty
// string) for any other id or a buffer too small.
bool cardImagePath(int32_t id, char* out, size_t size);

// Ten chips, in `chipButtons` order; [chip][kButtonUp / kButtonDown].
constexpr std::array<ImageTable<2>, kChipButtons> kChipImages = {
    upDownImages("image/jeton/jeton1Up.bmp", "image/jeton/jeton1Down.bmp"),
    upDownImages("image/jeton/jeton2Up.bmp", "image/jeton/jeton2Down.bmp"),
    upDownImages("image/jeton/jeton5Up.bmp", "image/jeton/jeton5Down.bmp"),
    upDownImages("image/jeton/jeton10Up.bmp", "image/jeton/jeton10Down.bmp"),
    upDownImages("image/jeton/jeton20Up.bmp", "image/jeton/jeton20Down.bmp"),
    upDownImages("image/jeton/jeton50Up.bmp", "image/jeton/jeton50Down.bmp"),
    upDownImages("image/jeton/jeton100Up.bmp", "image/jeton/jeton100Down.bmp"),
    upDownImages("image/jeton/jeton200Up.bmp", "image/jeton/jeton200Down.bmp"),
    upDownImages("image/jeton/jetonAllinUp.bmp", "image/jeton/jetonAllinDown.bmp"),
    upDownImages("image/jeton/jetonResetUp.bmp", "image/jeton/jetonResetDown.bmp"),
};
constexpr std::array<ScreenPos, kChipButtons> kChipPos = {{
    {46, 209},   // 1
    {129, 209},  // 2
    {212, 209},  // 5
    {295, 209},  // 10
    {46, 292},   // 20
    {129, 292},  // 50
    {212, 292},  // 100
    {295, 292},  // 200
    {400, 209},  // Allin
    {400, 292},  // Reset
}};
constexpr PictureSize kChipImageSize = {72, 72};
// Chips are round: this colour outside the disc is see-through.
constexpr Rgb kChipColorKey = {0, 150, 0};

// Message line at the top, by `message`.
constexpr ImageTable<4> kMessageImages = imagesByValue<4>({
    {kMsgMise, "image/texte/texteMise.bmp"},
    {kMsgFirstHand, "image/texte/texteFirstHand.bmp"},
    {kMsgWin, "image/texte/texteWin.bmp"},
    {kMsgLoose, "image/texte/texteLoose.bmp"},
});
constexpr ScreenPos kMessagePos = {193, 7};
constexpr PictureSize kMessageSize = {382, 46};

// Combination caption, by `combination`: a hand code, or the help text.
constexpr ImageTable<kCombinationAide + 1> kCombinationImages = imagesByValue<kCombinationAide + 1>({
    {kHandRien, "image/texte/combinaison/texteRien.bmp"},
    {kHandPaire, "image/texte/combinaison/textePaire.bmp"},
    {kHandDoublePaire, "image/texte/combinaison/texteDoublePaire.bmp"},
    {kHandBrelan, "image/texte/combinaison/texteBrelan.bmp"},
    {kHandSuite, "image/texte/combinaison/texteSuite.bmp"},
    {kHandCouleur, "image/texte/combinaison/texteCouleur.bmp"},
    {kHandFullHouse, "image/texte/combinaison/texteFullHouse.bmp"},
    {kHandCarre, "image/texte/combinaison/texteCarre.bmp"},
    {kHandQuinteFlush, "image/texte/combinaison/texteQuinteFlush.bmp"},
    {kHandQuinteFlushRoyal, "image/texte/combinaison/texteQuinteFlushRoyal.bmp"},
    {kCombinationAide, "image/texte/texteAide.bmp"},
});
constexpr ScreenPos kCombinationPos = {118, 378};
constexpr PictureSize kCaptionSize = {262, 38};

// The panel behind the score numbers, redrawn before each score panel so new
// digits are never blended over old ones.
constexpr const char* kScoreBackdropImage = "image/backTexte.bmp";
constexpr ScreenPos kScoreBackdropPos = {10, 93};
constexpr PictureSize kBackdropSize = {548, 98};

// ---- every picture, in one list ----
//
// Each element names its files, its places, the field that picks its picture
// and its size: the art tool must write every file listed here, the tests
// write, load and draw them from it, and the contact sheet shows them all.

// Screens an element shows on, one bit each, for the art's overlap check; the
// game screen shows the chips while betting, the cards once dealt.
constexpr uint32_t kOnStart = 1;
constexpr uint32_t kOnBet = 2;
constexpr uint32_t kOnDeal = 4;
constexpr uint32_t kOnGame = kOnBet | kOnDeal;
constexpr uint32_t kOnAide = 8;
constexpr uint32_t kOnApropos = 16;
constexpr uint32_t kOnGameOver = 32;
constexpr uint32_t kUnderAll = 0;  // the backgrounds: everything stands on them

// Which of DisplayState's 31 integers picks a picture, by the field's offset.
constexpr int32_t fieldAt(size_t offset) { return static_cast<int32_t>(offset / sizeof(int32_t)); }
constexpr int32_t kFixedPicture = -1;  // no field: the element always shows its first file

struct ImageElement {
    const char* name;
    const char* const* images;  // by field value; null where a value has no picture
    size_t imageCount;
    const ScreenPos* places;  // one copy of the element at each
    size_t placeCount;
    int32_t field;  // the copy at places[i] reads field + i
    PictureSize size;
    uint32_t screens;
    bool keyed;  // drawn with kChipColorKey see-through
};

template <size_t N>
constexpr ImageElement imageElement(const char* name, const ImageTable<N>& images, const ScreenPos& place,
                                    int32_t field, PictureSize size, uint32_t screens)
{
    return {name, images.data(), N, &place, 1, field, size, screens, false};
}

template <size_t N, size_t P>
constexpr ImageElement imageElement(const char* name, const ImageTable<N>& images,
                                    const std::array<ScreenPos, P>& places, int32_t field, PictureSize size,
                                    uint32_t screens)
{
    return {name, images.data(), N, places.data(), P, field, size, screens, false};
}

// The elements one by one; a chip each follows. The list's length is counted
// from these initialisers, so no count is kept by hand to go stale.
constexpr ImageElement kSingleElements[] = {
    imageElement("background", kBackgroundImages, kBackgroundPos, fieldAt(offsetof(DisplayState, screen)),
                 kBackgroundSize, kUnderAll),
    imageElement("aide", kAideButtonImages, kAideButtonPos, fieldAt(offsetof(DisplayState, aideButton)),
                 kSmallButtonSize, kOnStart | kOnGame),
    imageElement("apropos", kAproposButtonImages, kAproposButtonPos, fieldAt(offsetof(DisplayState, aproposButton)),
                 kSmallButtonSize, kOnStart | kOnGame),
    imageElement("retour", kRetourButtonImages, kRetourButtonPos, fieldAt(offsetof(DisplayState, retourButton)),
                 kSmallButtonSize, kOnAide | kOnApropos),
    imageElement("continuer", kContinuerButtonImages, kContinuerButtonPos,
                 fieldAt(offsetof(DisplayState, continuerButton)), kSmallButtonSize, kOnGameOver),
    imageElement("newgame", kNewGameButtonImages, kNewGameButtonPos, fieldAt(offsetof(DisplayState, newGameButton)),
                 kLargeButtonSize, kOnStart),
    imageElement("resume", kResumeButtonImages, kResumeButtonPos, fieldAt(offsetof(DisplayState, resumeButton)),
                 kLargeButtonSize, kOnStart),
    imageElement("option", kOptionButtonImages, kOptionButtonPos, fieldAt(offsetof(DisplayState, optionButton)),
                 kLargeButtonSize, kOnStart),
    imageElement("carte", kCarteButtonImages, kCarteButtonPos, fieldAt(offsetof(DisplayState, carteButton)),
                 kCarteButtonSize, kOnGame),
    imageElement("garder", kGarderButtonImages, kGarderButtonPos, fieldAt(offsetof(DisplayState, garderButtons)),
                 kGarderButtonSize, kOnDeal),
    imageElement("card", kCardImages, kCardPos, fieldAt(offsetof(DisplayState, handCards)), kCardSize, kOnDeal),
    imageElement("message", kMessageImages, kMessagePos, fieldAt(offsetof(DisplayState, message)), kMessageSize,
                 kOnGame),
    imageElement("combination", kCombinationImages, kCombinationPos, fieldAt(offsetof(DisplayState, combination)),
                 kCaptionSize, kOnGame),
    {"backdrop", &kScoreBackdropImage, 1, &kScoreBackdropPos, 1, kFixedPicture, kBackdropSize, kOnGame, false},
};

constexpr size_t kImageElementCount = std::size(kSingleElements) + kChipButtons;

constexpr std::array<ImageElement, kImageElementCount> makeImageElements()
{
    std::array<ImageElement, kImageElementCount> all{};
    size_t next = 0;
    for (const ImageElement& element : kSingleElements) {
        all[next++] = element;
    }
    for (size_t chip = 0; chip < kChipImages.size(); ++chip) {
        all[next++] = {"chip",
                       kChipImages[chip].data(),
                       2,
                       &kChipPos[chip],
                       1,
                       fieldAt(offsetof(DisplayState, chipButtons)) + static_cast<int32_t>(chip),
                       kChipImageSize,
                       kOnBet,
                       true};
    }
    return all;
}
// Not inline: it points at the tables above, which each file has its own copy of.
constexpr std::array<ImageElement, kImageElementCount> kImageElements = makeImageElements();

// Text rendered from the font.
constexpr Rgb kScoreColor = {247, 201, 17};
constexpr Rgb kPageTextColor = {247, 247, 247};
constexpr int kScoreSmallPt = 14;
constexpr int kScoreLargePt = 18;

struct TextSlot {
    ScreenPos pos;
    int pointSize;
};
// In Purse order: bank, bet, win, handsWon, handsLost, bestWin, totalWon.
constexpr std::array<TextSlot, 7> kScoreSlots = {{
    {.pos = {140, 108}, .pointSize = kScoreLargePt},
    {.pos = {84, 131}, .pointSize = kScoreLargePt},
    {.pos = {84, 155}, .pointSize = kScoreLargePt},
    {.pos = {452, 108}, .pointSize = kScoreSmallPt},
    {.pos = {452, 127}, .pointSize = kScoreSmallPt},
    {.pos = {335, 144}, .pointSize = kScoreSmallPt},
    {.pos = {335, 162}, .pointSize = kScoreSmallPt},
}};

// A reserved documentation domain: never a real third party's address.
constexpr const char* kWebAddress = "www.vantrel.example";
constexpr const char* kVersionText = "1.0";
constexpr int kAideTextPt = 12;
constexpr ScreenPos kAideAddressPos = {275, 380};
constexpr int kAproposTextPt = 20;
constexpr ScreenPos kAproposAddressPos = {101, 359};
constexpr ScreenPos kAproposVersionPos = {126, 183};
