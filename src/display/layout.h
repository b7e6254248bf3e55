// Where everything is: window size, image files, positions, text placement.
//
// Every file and place the game draws lives here, so the drawing code, the
// asset generator and the tests all read one set of tables. Image tables are
// indexed by the value of the display field that chooses the picture; a null
// entry means "this value has no picture" and the element is skipped.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

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

struct Rgb {
    uint8_t r;
    uint8_t g;
    uint8_t b;
};

template <size_t N>
using ImageTable = std::array<const char*, N>;

// The image a field value selects, or null when the value has none.
template <size_t N>
constexpr const char* imageFor(const ImageTable<N>& table, int32_t value)
{
    return value >= 0 && static_cast<size_t>(value) < N ? table[static_cast<size_t>(value)] : nullptr;
}

// Backgrounds, by `screen`.
constexpr ImageTable<6> kBackgroundImages = {
    "image/backgroundStart.bmp",   "image/backgroundOption.bmp",   "image/backgroundJeu.bmp",
    "image/backgroundApropos.bmp", "image/backgroundAide.bmp",     "image/backgroundGameOver.bmp",
};
constexpr ScreenPos kBackgroundPos = {0, 0};

// Two-state buttons, by BUTTON_UP / BUTTON_DOWN.
constexpr ImageTable<2> kAideButtonImages = {"image/bouton/boutonAideUp.bmp", "image/bouton/boutonAideDown.bmp"};
constexpr ImageTable<2> kAproposButtonImages = {"image/bouton/boutonApropoUp.bmp",
                                                "image/bouton/boutonApropoDown.bmp"};
constexpr ImageTable<2> kRetourButtonImages = {"image/bouton/boutonRetourUp.bmp",
                                               "image/bouton/boutonRetourDown.bmp"};
constexpr ImageTable<2> kContinuerButtonImages = {"image/bouton/boutonContinuerUp.bmp",
                                                  "image/bouton/boutonContinuerDown.bmp"};
constexpr ImageTable<2> kGarderButtonImages = {"image/bouton/boutonGarderUp.bmp",
                                               "image/bouton/boutonGarderDown.bmp"};
constexpr ImageTable<2> kNewGameButtonImages = {"image/bouton/boutonNewGameUp.bmp",
                                                "image/bouton/boutonNewGameDown.bmp"};
constexpr ImageTable<2> kOptionButtonImages = {"image/bouton/boutonOptionUp.bmp",
                                               "image/bouton/boutonOptionDown.bmp"};

constexpr ScreenPos kAideButtonPos = {6, 425};
constexpr ScreenPos kAproposButtonPos = {6, 456};
constexpr ScreenPos kRetourButtonPos = {6, 456};     // shares the Apropos place
constexpr ScreenPos kContinuerButtonPos = {6, 456};  // likewise, on game over
constexpr ScreenPos kNewGameButtonPos = {282, 143};
constexpr ScreenPos kResumeButtonPos = {282, 202};
constexpr ScreenPos kOptionButtonPos = {282, 260};
constexpr ScreenPos kCarteButtonPos = {385, 440};

// Carte / Rejouer, by `carteButton` (2, 3, 4, 5 and 12).
constexpr ImageTable<13> kCarteButtonImages = {
    nullptr,
    nullptr,
    "image/bouton/boutonCarteUp.bmp",
    "image/bouton/boutonCarteDown.bmp",
    "image/bouton/boutonRejouerUp.bmp",
    "image/bouton/boutonRejouerDown.bmp",
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    "image/bouton/boutonCarteDisa.bmp",
};

// Resume, by `resumeButton` (0, 1 and 12).
constexpr ImageTable<13> kResumeButtonImages = {
    "image/bouton/boutonResumeUp.bmp",
    "image/bouton/boutonResumeDown.bmp",
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    "image/bouton/boutonResumeClose.bmp",
};

// Five card slots and the Garder button under each, left to right.
constexpr std::array<ScreenPos, 5> kCardPos = {{{61, 221}, {152, 221}, {243, 221}, {334, 221}, {425, 221}}};
constexpr std::array<ScreenPos, 5> kGarderButtonPos = {{{56, 321}, {147, 321}, {238, 321}, {329, 321}, {420, 321}}};

// Card images: "image/carte/" + rank text + suit text + ".bmp"; id 0 is the back.
constexpr const char* kCardBackImage = "image/carte/back.bmp";
constexpr std::array<const char*, 13> kRankTexts = {"2", "3", "4", "5", "6", "7", "8",
                                                    "9", "10", "J", "Q", "K", "as"};
constexpr std::array<const char*, 4> kSuitTexts = {"Trefle", "Carreau", "Coeur", "Pique"};
constexpr size_t kCardPathSize = 40;  // longest is "image/carte/10Carreau.bmp"

// Writes the image path of card id 0..52 into `out`; false (and an empty
// string) for any other id.
bool cardImagePath(int32_t id, char* out, size_t size);

// Ten chips, in `chipButtons` order; [chip][BUTTON_UP / BUTTON_DOWN].
constexpr std::array<ImageTable<2>, 10> kChipImages = {{
    {"image/jeton/jeton1Up.bmp", "image/jeton/jeton1Down.bmp"},
    {"image/jeton/jeton2Up.bmp", "image/jeton/jeton2Down.bmp"},
    {"image/jeton/jeton5Up.bmp", "image/jeton/jeton5Down.bmp"},
    {"image/jeton/jeton10Up.bmp", "image/jeton/jeton10Down.bmp"},
    {"image/jeton/jeton20Up.bmp", "image/jeton/jeton20Down.bmp"},
    {"image/jeton/jeton50Up.bmp", "image/jeton/jeton50Down.bmp"},
    {"image/jeton/jeton100Up.bmp", "image/jeton/jeton100Down.bmp"},
    {"image/jeton/jeton200Up.bmp", "image/jeton/jeton200Down.bmp"},
    {"image/jeton/jetonAllinUp.bmp", "image/jeton/jetonAllinDown.bmp"},
    {"image/jeton/jetonResetUp.bmp", "image/jeton/jetonResetDown.bmp"},
}};
constexpr std::array<ScreenPos, 10> kChipPos = {{
    {46, 209}, {129, 209}, {212, 209}, {295, 209},  // 1, 2, 5, 10
    {46, 292}, {129, 292}, {212, 292}, {295, 292},  // 20, 50, 100, 200
    {400, 209}, {400, 292},                          // Allin, Reset
}};
// Chips are round: this colour outside the disc is see-through.
constexpr Rgb kChipColorKey = {0, 150, 0};

// Message line at the top, by `message`.
constexpr ImageTable<4> kMessageImages = {"image/texte/texteMise.bmp", "image/texte/texteFirstHand.bmp",
                                          "image/texte/texteWin.bmp", "image/texte/texteLoose.bmp"};
constexpr ScreenPos kMessagePos = {193, 7};

// Combination caption, by `combination`: hand codes 0..9, then the help text.
constexpr ImageTable<11> kCombinationImages = {
    "image/texte/combinaison/texteRien.bmp",      "image/texte/combinaison/textePaire.bmp",
    "image/texte/combinaison/texteDoublePaire.bmp", "image/texte/combinaison/texteBrelan.bmp",
    "image/texte/combinaison/texteSuite.bmp",     "image/texte/combinaison/texteCouleur.bmp",
    "image/texte/combinaison/texteFullHouse.bmp", "image/texte/combinaison/texteCarre.bmp",
    "image/texte/combinaison/texteQuinteFlush.bmp", "image/texte/combinaison/texteQuinteFlushRoyal.bmp",
    "image/texte/texteAide.bmp",
};
constexpr ScreenPos kCombinationPos = {118, 378};

// The panel behind the score numbers, redrawn before each score panel so new
// digits are never blended over old ones.
constexpr const char* kScoreBackdropImage = "image/backTexte.bmp";
constexpr ScreenPos kScoreBackdropPos = {10, 93};

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
    {{140, 108}, kScoreLargePt},
    {{84, 131}, kScoreLargePt},
    {{84, 155}, kScoreLargePt},
    {{452, 108}, kScoreSmallPt},
    {{452, 127}, kScoreSmallPt},
    {{335, 144}, kScoreSmallPt},
    {{335, 162}, kScoreSmallPt},
}};

// A reserved documentation domain: never a real third party's address.
constexpr const char* kWebAddress = "www.vantrel.example";
constexpr const char* kVersionText = "1.0";
constexpr int kAideTextPt = 12;
constexpr ScreenPos kAideAddressPos = {275, 380};
constexpr int kAproposTextPt = 20;
constexpr ScreenPos kAproposAddressPos = {101, 359};
constexpr ScreenPos kAproposVersionPos = {126, 183};
