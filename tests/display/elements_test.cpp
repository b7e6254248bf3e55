// Bitmap elements: every field value draws the right file at the right
// place, unknown values and missing files draw nothing, chips see through.
#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "bmp_writer.h"
#include "display/display_state.h"
#include "display/elements.h"
#include "display_fixture.h"

namespace {

enum class Element { Background, Aide, Apropos, Retour, Continuer, Carte, Message, Combination };

void drawElement(Element element, const DisplayState* display, SDL_Surface* screen)
{
    switch (element) {
    case Element::Background:
        drawBackground(display, screen);
        break;
    case Element::Aide:
        drawAideButton(display, screen);
        break;
    case Element::Apropos:
        drawAproposButton(display, screen);
        break;
    case Element::Retour:
        drawRetourButton(display, screen);
        break;
    case Element::Continuer:
        drawContinuerButton(display, screen);
        break;
    case Element::Carte:
        drawCarteButton(display, screen);
        break;
    case Element::Message:
        drawMessage(display, screen);
        break;
    case Element::Combination:
        drawCombination(display, screen);
        break;
    }
}

struct SingleElementCase {
    const char* name;
    Element element;
    int32_t DisplayState::*field;
    ScreenPos pos;
    std::vector<std::pair<int32_t, std::string>> files;
    std::vector<int32_t> unlisted;
};

const std::vector<SingleElementCase>& singleElementCases()
{
    static const std::vector<SingleElementCase> cases = {
        {"background",
         Element::Background,
         &DisplayState::screen,
         {0, 0},
         {{0, "image/backgroundStart.bmp"},
          {1, "image/backgroundOption.bmp"},
          {2, "image/backgroundJeu.bmp"},
          {3, "image/backgroundApropos.bmp"},
          {4, "image/backgroundAide.bmp"},
          {5, "image/backgroundGameOver.bmp"}},
         {-1, 6, 12, INT32_MIN, INT32_MAX}},
        {"aide",
         Element::Aide,
         &DisplayState::aideButton,
         {6, 425},
         {{0, "image/bouton/boutonAideUp.bmp"}, {1, "image/bouton/boutonAideDown.bmp"}},
         {-1, 2, 12, INT32_MAX}},
        {"apropos",
         Element::Apropos,
         &DisplayState::aproposButton,
         {6, 456},
         {{0, "image/bouton/boutonApropoUp.bmp"}, {1, "image/bouton/boutonApropoDown.bmp"}},
         {-1, 2, 12, INT32_MIN}},
        {"retour",
         Element::Retour,
         &DisplayState::retourButton,
         {6, 456},
         {{0, "image/bouton/boutonRetourUp.bmp"}, {1, "image/bouton/boutonRetourDown.bmp"}},
         {-1, 2, 12}},
        {"continuer",
         Element::Continuer,
         &DisplayState::continuerButton,
         {6, 456},
         {{0, "image/bouton/boutonContinuerUp.bmp"}, {1, "image/bouton/boutonContinuerDown.bmp"}},
         {-1, 2, 12}},
        {"carte",
         Element::Carte,
         &DisplayState::carteButton,
         {385, 440},
         {{2, "image/bouton/boutonCarteUp.bmp"},
          {3, "image/bouton/boutonCarteDown.bmp"},
          {4, "image/bouton/boutonRejouerUp.bmp"},
          {5, "image/bouton/boutonRejouerDown.bmp"},
          {12, "image/bouton/boutonCarteDisa.bmp"}},
         {-1, 0, 1, 6, 7, 8, 9, 10, 11, 13, INT32_MAX}},
        {"message",
         Element::Message,
         &DisplayState::message,
         {193, 7},
         {{0, "image/texte/texteMise.bmp"},
          {1, "image/texte/texteFirstHand.bmp"},
          {2, "image/texte/texteWin.bmp"},
          {3, "image/texte/texteLoose.bmp"}},
         {-1, 4, 10}},
        {"combination",
         Element::Combination,
         &DisplayState::combination,
         {118, 378},
         {{0, "image/texte/combinaison/texteRien.bmp"},
          {1, "image/texte/combinaison/textePaire.bmp"},
          {2, "image/texte/combinaison/texteDoublePaire.bmp"},
          {3, "image/texte/combinaison/texteBrelan.bmp"},
          {4, "image/texte/combinaison/texteSuite.bmp"},
          {5, "image/texte/combinaison/texteCouleur.bmp"},
          {6, "image/texte/combinaison/texteFullHouse.bmp"},
          {7, "image/texte/combinaison/texteCarre.bmp"},
          {8, "image/texte/combinaison/texteQuinteFlush.bmp"},
          {9, "image/texte/combinaison/texteQuinteFlushRoyal.bmp"},
          {10, "image/texte/texteAide.bmp"}},
         {-1, 11, 12, INT32_MIN}},
    };
    return cases;
}

constexpr std::array<ScreenPos, 5> kCardPlaces = {{{61, 221}, {152, 221}, {243, 221}, {334, 221}, {425, 221}}};
constexpr std::array<ScreenPos, 5> kGarderPlaces = {{{56, 321}, {147, 321}, {238, 321}, {329, 321}, {420, 321}}};
constexpr std::array<ScreenPos, 10> kChipPlaces = {{{46, 209},
                                                    {129, 209},
                                                    {212, 209},
                                                    {295, 209},
                                                    {46, 292},
                                                    {129, 292},
                                                    {212, 292},
                                                    {295, 292},
                                                    {400, 209},
                                                    {400, 292}}};
const std::array<const char*, 10> kChipNames = {"1", "2", "5", "10", "20", "50", "100", "200", "Allin", "Reset"};

// The card file-name rule written out independently of the game's own.
std::string cardFile(int32_t id)
{
    if (id == 0) {
        return "image/carte/back.bmp";
    }
    const std::array<const char*, 13> ranks = {"2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K", "as"};
    const std::array<const char*, 4> suits = {"Trefle", "Carreau", "Coeur", "Pique"};
    return std::string("image/carte/") + ranks[static_cast<size_t>((id - 1) / 4)] +
           suits[static_cast<size_t>((id - 1) % 4)] + ".bmp";
}

std::string chipFile(size_t chip, int32_t state)
{
    return std::string("image/jeton/jeton") + kChipNames[chip] + (state == 0 ? "Up" : "Down") + ".bmp";
}

std::string garderFile(int32_t state)
{
    return state == 0 ? "image/bouton/boutonGarderUp.bmp" : "image/bouton/boutonGarderDown.bmp";
}

class ElementsTest : public DisplayTest {
protected:
    void SetUp() override
    {
        DisplayTest::SetUp();
        writeAllFixtures();
        resetDisplayState(&display_);
    }

    void TearDown() override
    {
        EXPECT_EQ(flipLog().count, 0) << "element routines never flip";
        DisplayTest::TearDown();
    }

    bool untouched(const Frame& frame, ScreenPos pos) const
    {
        return at(frame, pos.x, pos.y) == kNeutral;
    }

    DisplayState display_{};
};

TEST_F(ElementsTest, EveryListedValueDrawsItsFileAtItsPlace)
{
    for (const SingleElementCase& element : singleElementCases()) {
        for (const auto& [value, file] : element.files) {
            fillScreen(kNeutral);
            resetDisplayState(&display_);
            display_.*element.field = value;
            drawElement(element.element, &display_, screen_);
            EXPECT_TRUE(showsImage(currentFrame(), file, element.pos)) << element.name << " value " << value;
        }
    }
}

TEST_F(ElementsTest, UnlistedValuesDrawNothing)
{
    const Frame blank = currentFrame();
    for (const SingleElementCase& element : singleElementCases()) {
        for (const int32_t value : element.unlisted) {
            resetDisplayState(&display_);
            display_.*element.field = value;
            drawElement(element.element, &display_, screen_);
            EXPECT_TRUE(currentFrame() == blank) << element.name << " value " << value;
        }
    }
}

TEST_F(ElementsTest, CardFileNamesFollowRankThenSuit)
{
    // The examples a player would check by eye.
    const std::vector<std::pair<int32_t, const char*>> known = {
        {0, "image/carte/back.bmp"},      {1, "image/carte/2Trefle.bmp"},   {2, "image/carte/2Carreau.bmp"},
        {4, "image/carte/2Pique.bmp"},    {36, "image/carte/10Pique.bmp"},  {37, "image/carte/JTrefle.bmp"},
        {47, "image/carte/KCoeur.bmp"},   {49, "image/carte/asTrefle.bmp"}, {52, "image/carte/asPique.bmp"},
        {13, "image/carte/5Trefle.bmp"},  {43, "image/carte/QCoeur.bmp"},
    };
    for (const auto& [id, file] : known) {
        EXPECT_EQ(cardFile(id), file);
    }
    for (int32_t id = 0; id <= 52; ++id) {
        char path[kCardPathSize];
        ASSERT_TRUE(cardImagePath(id, path, sizeof(path))) << id;
        EXPECT_EQ(std::string(path), cardFile(id));
    }
    for (const int32_t id : {-1, 53, INT32_MIN, INT32_MAX}) {
        char path[kCardPathSize] = "stale";
        EXPECT_FALSE(cardImagePath(id, path, sizeof(path))) << id;
        EXPECT_STREQ(path, "") << id;
    }
    char tiny[8] = "stale";
    EXPECT_FALSE(cardImagePath(36, tiny, sizeof(tiny)));
    EXPECT_STREQ(tiny, "");
}

TEST_F(ElementsTest, HandCardsDrawAll53ImagesLeftToRight)
{
    for (int32_t first = 0; first <= 52; first += 5) {
        fillScreen(kNeutral);
        for (size_t slot = 0; slot < 5; ++slot) {
            display_.handCards[slot] = first + static_cast<int32_t>(slot);
        }
        // The last group runs past the deck: ids 53 and 54 have no image.
        drawHandCards(&display_, screen_);
        const Frame frame = currentFrame();
        for (size_t slot = 0; slot < 5; ++slot) {
            const int32_t id = display_.handCards[slot];
            if (id <= 52) {
                EXPECT_TRUE(showsImage(frame, cardFile(id), kCardPlaces[slot])) << "id " << id;
            } else {
                EXPECT_TRUE(untouched(frame, kCardPlaces[slot])) << "id " << id;
            }
        }
    }
    fillScreen(kNeutral);
    display_.handCards = {0, -1, 0, INT32_MIN, 0};
    drawHandCards(&display_, screen_);
    const Frame frame = currentFrame();
    for (const size_t slot : {0U, 2U, 4U}) {
        EXPECT_TRUE(showsImage(frame, "image/carte/back.bmp", kCardPlaces[slot])) << slot;
    }
    EXPECT_TRUE(untouched(frame, kCardPlaces[1]));
    EXPECT_TRUE(untouched(frame, kCardPlaces[3]));
}

TEST_F(ElementsTest, GarderButtonsFollowTheirOwnField)
{
    const std::vector<std::array<int32_t, 5>> patterns = {{0, 1, 0, 1, 1}, {1, 0, 1, 0, 0}, {0, 2, -1, 1, INT32_MIN}};
    for (const auto& pattern : patterns) {
        fillScreen(kNeutral);
        display_.garderButtons = pattern;
        drawGarderButtons(&display_, screen_);
        const Frame frame = currentFrame();
        for (size_t slot = 0; slot < 5; ++slot) {
            if (pattern[slot] == 0 || pattern[slot] == 1) {
                EXPECT_TRUE(showsImage(frame, garderFile(pattern[slot]), kGarderPlaces[slot])) << slot;
            } else {
                EXPECT_TRUE(untouched(frame, kGarderPlaces[slot])) << slot << " value " << pattern[slot];
            }
        }
    }
}

TEST_F(ElementsTest, ChipsFollowTheirOwnField)
{
    const std::vector<std::array<int32_t, 10>> patterns = {
        {0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
        {1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
        {1, 0, 0, 1, 0, 1, 1, 0, 1, 0},
        {0, 2, 1, -1, 0, 12, 1, INT32_MAX, 0, 1},
    };
    for (const auto& pattern : patterns) {
        fillScreen(kNeutral);
        display_.chipButtons = pattern;
        drawChips(&display_, screen_);
        const Frame frame = currentFrame();
        for (size_t chip = 0; chip < 10; ++chip) {
            if (pattern[chip] == 0 || pattern[chip] == 1) {
                EXPECT_TRUE(showsImage(frame, chipFile(chip, pattern[chip]), kChipPlaces[chip])) << chip;
            } else {
                EXPECT_TRUE(untouched(frame, kChipPlaces[chip])) << chip << " value " << pattern[chip];
            }
        }
    }
}

TEST_F(ElementsTest, StartButtonsCoverEveryStateCombination)
{
    const ScreenPos newGame = {282, 143};
    const ScreenPos resume = {282, 202};
    const ScreenPos option = {282, 260};
    const std::vector<std::pair<int32_t, std::string>> resumeFiles = {
        {0, "image/bouton/boutonResumeUp.bmp"},
        {1, "image/bouton/boutonResumeDown.bmp"},
        {12, "image/bouton/boutonResumeClose.bmp"},
    };
    for (int32_t newGameState = 0; newGameState <= 1; ++newGameState) {
        for (const auto& [resumeState, resumeFile] : resumeFiles) {
            for (int32_t optionState = 0; optionState <= 1; ++optionState) {
                fillScreen(kNeutral);
                display_.newGameButton = newGameState;
                display_.resumeButton = resumeState;
                display_.optionButton = optionState;
                drawStartButtons(&display_, screen_);
                const Frame frame = currentFrame();
                EXPECT_TRUE(showsImage(frame,
                                       newGameState == 0 ? "image/bouton/boutonNewGameUp.bmp"
                                                         : "image/bouton/boutonNewGameDown.bmp",
                                       newGame));
                EXPECT_TRUE(showsImage(frame, resumeFile, resume));
                EXPECT_TRUE(showsImage(frame,
                                       optionState == 0 ? "image/bouton/boutonOptionUp.bmp"
                                                        : "image/bouton/boutonOptionDown.bmp",
                                       option));
            }
        }
    }
    // An unknown state skips that button only.
    for (const int32_t badResume : {2, 11, 13, -1}) {
        fillScreen(kNeutral);
        display_.newGameButton = 1;
        display_.resumeButton = badResume;
        display_.optionButton = 0;
        drawStartButtons(&display_, screen_);
        const Frame frame = currentFrame();
        EXPECT_TRUE(showsImage(frame, "image/bouton/boutonNewGameDown.bmp", newGame));
        EXPECT_TRUE(untouched(frame, resume)) << badResume;
        EXPECT_TRUE(showsImage(frame, "image/bouton/boutonOptionUp.bmp", option));
    }
    fillScreen(kNeutral);
    display_.newGameButton = 12;
    display_.resumeButton = 12;
    display_.optionButton = -1;
    drawStartButtons(&display_, screen_);
    const Frame frame = currentFrame();
    EXPECT_TRUE(untouched(frame, newGame));
    EXPECT_TRUE(showsImage(frame, "image/bouton/boutonResumeClose.bmp", resume));
    EXPECT_TRUE(untouched(frame, option));
}

TEST_F(ElementsTest, MissingOrUnreadableFileSkipsOnlyThatElement)
{
    removeFixture("image/jeton/jeton50Up.bmp");
    drawChips(&display_, screen_);
    Frame frame = currentFrame();
    for (size_t chip = 0; chip < 10; ++chip) {
        if (chip == 5) {
            EXPECT_TRUE(untouched(frame, kChipPlaces[chip]));
        } else {
            EXPECT_TRUE(showsImage(frame, chipFile(chip, 0), kChipPlaces[chip])) << chip;
        }
    }

    // A file that is there but is no bitmap counts as missing.
    {
        FILE* file = std::fopen("image/bouton/boutonGarderDown.bmp", "wb");
        ASSERT_NE(file, nullptr);
        std::fputs("not a bitmap", file);
        std::fclose(file);
    }
    fillScreen(kNeutral);
    display_.garderButtons = {0, 1, 0, 1, 0};
    drawGarderButtons(&display_, screen_);
    frame = currentFrame();
    for (size_t slot = 0; slot < 5; ++slot) {
        if (slot == 1 || slot == 3) {
            EXPECT_TRUE(untouched(frame, kGarderPlaces[slot])) << slot;
        } else {
            EXPECT_TRUE(showsImage(frame, garderFile(0), kGarderPlaces[slot])) << slot;
        }
    }

    removeFixture("image/carte/10Pique.bmp");
    fillScreen(kNeutral);
    display_.handCards = {1, 13, 36, 37, 52};
    drawHandCards(&display_, screen_);
    frame = currentFrame();
    EXPECT_TRUE(showsImage(frame, "image/carte/2Trefle.bmp", kCardPlaces[0]));
    EXPECT_TRUE(showsImage(frame, "image/carte/5Trefle.bmp", kCardPlaces[1]));
    EXPECT_TRUE(untouched(frame, kCardPlaces[2]));
    EXPECT_TRUE(showsImage(frame, "image/carte/JTrefle.bmp", kCardPlaces[3]));
    EXPECT_TRUE(showsImage(frame, "image/carte/asPique.bmp", kCardPlaces[4]));

    removeFixture("image/bouton/boutonNewGameUp.bmp");
    fillScreen(kNeutral);
    drawStartButtons(&display_, screen_);
    frame = currentFrame();
    EXPECT_TRUE(untouched(frame, {282, 143}));
    EXPECT_TRUE(showsImage(frame, "image/bouton/boutonResumeClose.bmp", {282, 202}));
    EXPECT_TRUE(showsImage(frame, "image/bouton/boutonOptionUp.bmp", {282, 260}));

    removeFixture("image/backgroundJeu.bmp");
    removeFixture("image/backTexte.bmp");
    fillScreen(kNeutral);
    const Frame blank = currentFrame();
    display_.screen = 2;
    drawBackground(&display_, screen_);
    drawScoreBackdrop(screen_);
    EXPECT_TRUE(currentFrame() == blank);
}

TEST_F(ElementsTest, OnlyChipsSeeThroughTheKeyColour)
{
    for (size_t chip = 0; chip < 10; ++chip) {
        writeFixture(chipFile(chip, 0), true);
        writeFixture(chipFile(chip, 1), true);
    }
    for (const int32_t state : {0, 1}) {
        fillScreen(kNeutral);
        display_.chipButtons.fill(state);
        drawChips(&display_, screen_);
        const Frame frame = currentFrame();
        for (size_t chip = 0; chip < 10; ++chip) {
            const ScreenPos pos = kChipPlaces[chip];
            EXPECT_EQ(at(frame, pos.x, pos.y), kNeutral) << chip << " state " << state;
            EXPECT_EQ(at(frame, pos.x + kFixtureSize - 1, pos.y), colourOf(chipFile(chip, state))) << chip;
        }
    }

    // The same colour anywhere else is drawn as it is.
    const Rgb key = kChipColorKey;
    writeFixture("image/bouton/boutonCarteUp.bmp", true);
    writeFixture("image/bouton/boutonGarderUp.bmp", true);
    writeFixture("image/carte/2Trefle.bmp", true);
    writeFixture("image/backTexte.bmp", true);
    fillScreen(kNeutral);
    display_.carteButton = CARTE_UP;
    display_.handCards = {1, 1, 1, 1, 1};
    drawCarteButton(&display_, screen_);
    drawGarderButtons(&display_, screen_);
    drawHandCards(&display_, screen_);
    drawScoreBackdrop(screen_);
    const Frame frame = currentFrame();
    EXPECT_EQ(at(frame, 385, 440), key);
    EXPECT_EQ(at(frame, kGarderPlaces[2].x, kGarderPlaces[2].y), key);
    EXPECT_EQ(at(frame, kCardPlaces[4].x, kCardPlaces[4].y), key);
    EXPECT_EQ(at(frame, 10, 93), key);
}

TEST_F(ElementsTest, EveryDrawRereadsItsFile)
{
    drawAideButton(&display_, screen_);
    EXPECT_EQ(at(currentFrame(), 6, 425), colourOf("image/bouton/boutonAideUp.bmp"));
    const Rgb changed = {200, 10, 200};
    ASSERT_TRUE(writeBmp("image/bouton/boutonAideUp.bmp", kFixtureSize, kFixtureSize, changed, false));
    drawAideButton(&display_, screen_);
    EXPECT_EQ(at(currentFrame(), 6, 425), changed);
}

}  // namespace
