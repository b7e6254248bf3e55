// Screen compositions: which elements each one draws, in which order
// relative to its flips, and which places it leaves alone.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "bmp_writer.h"
#include "cards/purse.h"
#include "display/display_state.h"
#include "display/screens.h"
#include "display_fixture.h"

namespace {

constexpr Rgb kGold = {247, 201, 17};
const std::string kJeu = "image/backgroundJeu.bmp";
const std::string kBackdrop = "image/backTexte.bmp";

// Places the tests look at, with the file each screen is expected to show.
constexpr ScreenPos kFreeSpot = {700, 20};  // only a background ever covers it
constexpr ScreenPos kAide = {6, 425};
constexpr ScreenPos kApropos = {6, 456};
constexpr ScreenPos kCarte = {385, 440};
constexpr ScreenPos kMessage = {193, 7};
constexpr ScreenPos kCombination = {118, 378};
constexpr ScreenPos kFirstCard = {61, 221};
constexpr ScreenPos kLastCard = {425, 221};
constexpr ScreenPos kFirstGarder = {56, 321};
constexpr ScreenPos kLastGarder = {420, 321};
constexpr ScreenPos kFirstChip = {46, 209};
constexpr ScreenPos kResetChip = {400, 292};
constexpr ScreenPos kBank = {140, 108};

class ScreensTest : public DisplayTest {
protected:
    void SetUp() override
    {
        DisplayTest::SetUp();
        writeAllFixtures();
        // A backdrop as large as the real panel, under all seven numbers,
        // so digits drawn before it would be hidden.
        ASSERT_TRUE(writeBmp(kBackdrop, 500, 100, colourOf(kBackdrop), false));
        copyFont();
        resetDisplayState(&display_);
        resetPurse(&purse_);
    }

    bool golden(const Frame& frame, ScreenPos pos) const
    {
        for (int y = pos.y; y < pos.y + 24; ++y) {
            for (int x = pos.x; x < pos.x + 30; ++x) {
                if (at(frame, x, y) == kGold) {
                    return true;
                }
            }
        }
        return false;
    }

    Rgb colourAt(const Frame& frame, ScreenPos pos) const
    {
        return at(frame, pos.x, pos.y);
    }

    DisplayState display_{};
    Purse purse_{};
};

TEST_F(ScreensTest, StartScreenDrawsItsButtonsOverTheStartBackground)
{
    display_.screen = SCREEN_AIDE;
    display_.newGameButton = BUTTON_DOWN;
    showStartScreen(&display_, screen_);
    EXPECT_EQ(display_.screen, SCREEN_START);
    ASSERT_EQ(flipLog().count, 1);
    const Frame& frame = flipLog().frames[0];
    EXPECT_EQ(colourAt(frame, kFreeSpot), colourOf("image/backgroundStart.bmp"));
    EXPECT_TRUE(showsImage(frame, "image/bouton/boutonAideUp.bmp", kAide));
    EXPECT_TRUE(showsImage(frame, "image/bouton/boutonApropoUp.bmp", kApropos));
    EXPECT_TRUE(showsImage(frame, "image/bouton/boutonNewGameDown.bmp", {282, 143}));
    EXPECT_TRUE(showsImage(frame, "image/bouton/boutonResumeClose.bmp", {282, 202}));
    EXPECT_TRUE(showsImage(frame, "image/bouton/boutonOptionUp.bmp", {282, 260}));
    EXPECT_TRUE(frame == currentFrame());
}

TEST_F(ScreensTest, BetScreenFlipsScoreFirstThenEverythingAndNeverCards)
{
    display_.screen = SCREEN_APROPOS;
    display_.carteButton = CARTE_DISABLED;
    display_.chipButtons[9] = BUTTON_DOWN;
    display_.handCards = {1, 2, 3, 4, 5};
    display_.garderButtons = {1, 1, 1, 1, 1};
    showBetScreen(&display_, &purse_, screen_);
    EXPECT_EQ(display_.screen, SCREEN_JEU);
    EXPECT_STREQ(purse_.bankText, "50");
    ASSERT_EQ(flipLog().count, 2);

    const Frame& scoreOnly = flipLog().frames[0];
    EXPECT_EQ(colourAt(scoreOnly, kFreeSpot), colourOf(kJeu));
    EXPECT_EQ(colourAt(scoreOnly, {10, 93}), colourOf(kBackdrop));
    EXPECT_TRUE(golden(scoreOnly, kBank)) << "digits over the backdrop";
    EXPECT_TRUE(showsImage(scoreOnly, "image/bouton/boutonAideUp.bmp", kAide));
    EXPECT_TRUE(showsImage(scoreOnly, "image/bouton/boutonApropoUp.bmp", kApropos));
    EXPECT_TRUE(showsImage(scoreOnly, "image/bouton/boutonCarteDisa.bmp", kCarte));
    EXPECT_TRUE(showsImage(scoreOnly, "image/jeton/jeton1Up.bmp", kFirstChip));
    EXPECT_TRUE(showsImage(scoreOnly, "image/jeton/jetonResetDown.bmp", kResetChip));
    EXPECT_EQ(colourAt(scoreOnly, kMessage), colourOf(kJeu)) << "message comes after the score";
    EXPECT_EQ(colourAt(scoreOnly, kCombination), colourOf(kJeu));

    const Frame& complete = flipLog().frames[1];
    EXPECT_TRUE(showsImage(complete, "image/texte/texteMise.bmp", kMessage));
    EXPECT_TRUE(showsImage(complete, "image/texte/texteAide.bmp", kCombination));
    for (const ScreenPos place : {kFirstCard, kLastCard, kFirstGarder, kLastGarder}) {
        EXPECT_EQ(colourAt(complete, place), colourOf(kJeu)) << place.x << ", " << place.y;
    }
    EXPECT_TRUE(complete == currentFrame());
}

TEST_F(ScreensTest, CardScreenFlipsScoreFirstThenEverythingAndNeverChips)
{
    display_.screen = SCREEN_AIDE;
    display_.carteButton = REJOUER_UP;
    display_.handCards = {1, 13, 36, 37, 52};
    display_.garderButtons = {0, 1, 0, 0, 1};
    display_.message = MSG_WIN;
    display_.combination = 2;
    display_.chipButtons.fill(BUTTON_DOWN);
    showCardScreen(&display_, &purse_, screen_);
    EXPECT_EQ(display_.screen, SCREEN_JEU);
    ASSERT_EQ(flipLog().count, 2);

    const Frame& scoreOnly = flipLog().frames[0];
    EXPECT_EQ(colourAt(scoreOnly, kFreeSpot), colourOf(kJeu));
    EXPECT_TRUE(golden(scoreOnly, kBank));
    EXPECT_TRUE(showsImage(scoreOnly, "image/bouton/boutonAideUp.bmp", kAide));
    EXPECT_TRUE(showsImage(scoreOnly, "image/bouton/boutonApropoUp.bmp", kApropos));
    EXPECT_TRUE(showsImage(scoreOnly, "image/bouton/boutonRejouerUp.bmp", kCarte));
    EXPECT_TRUE(showsImage(scoreOnly, "image/carte/2Trefle.bmp", kFirstCard));
    EXPECT_TRUE(showsImage(scoreOnly, "image/carte/asPique.bmp", kLastCard));
    EXPECT_TRUE(showsImage(scoreOnly, "image/bouton/boutonGarderUp.bmp", kFirstGarder));
    EXPECT_TRUE(showsImage(scoreOnly, "image/bouton/boutonGarderDown.bmp", kLastGarder));
    EXPECT_EQ(colourAt(scoreOnly, kMessage), colourOf(kJeu));

    const Frame& complete = flipLog().frames[1];
    EXPECT_TRUE(showsImage(complete, "image/texte/texteWin.bmp", kMessage));
    EXPECT_TRUE(showsImage(complete, "image/texte/combinaison/texteDoublePaire.bmp", kCombination));
    EXPECT_EQ(colourAt(complete, kFirstChip), colourOf(kJeu));
    EXPECT_EQ(colourAt(complete, kResetChip), colourOf(kJeu));
}

TEST_F(ScreensTest, BetRefreshRedrawsScoreAndBetControlsOnly)
{
    display_.screen = SCREEN_GAMEOVER;
    display_.carteButton = CARTE_UP;
    display_.chipButtons[0] = BUTTON_DOWN;
    purse_.bank = 45;
    purse_.bet = 5;
    refreshBetScreen(&display_, &purse_, screen_, MODE_BET);
    EXPECT_EQ(display_.screen, SCREEN_GAMEOVER) << "refresh sets no screen";
    EXPECT_STREQ(purse_.bankText, "45");
    EXPECT_STREQ(purse_.betText, "5");
    ASSERT_EQ(flipLog().count, 2);

    const Frame& scoreOnly = flipLog().frames[0];
    EXPECT_TRUE(golden(scoreOnly, kBank));
    EXPECT_EQ(colourAt(scoreOnly, kFirstChip), kNeutral) << "chips come after the score";
    EXPECT_EQ(colourAt(scoreOnly, kApropos), kNeutral);

    const Frame& complete = flipLog().frames[1];
    EXPECT_TRUE(showsImage(complete, "image/bouton/boutonApropoUp.bmp", kApropos));
    EXPECT_TRUE(showsImage(complete, "image/bouton/boutonCarteUp.bmp", kCarte));
    EXPECT_TRUE(showsImage(complete, "image/jeton/jeton1Down.bmp", kFirstChip));
    EXPECT_TRUE(showsImage(complete, "image/jeton/jetonResetUp.bmp", kResetChip));
    for (const ScreenPos place : {kFreeSpot, kAide, kMessage, kCombination, kFirstCard, kFirstGarder}) {
        EXPECT_EQ(colourAt(complete, place), kNeutral) << place.x << ", " << place.y;
    }
}

TEST_F(ScreensTest, CardRefreshRedrawsButtonsOnlyAndDoesNotFlip)
{
    display_.screen = SCREEN_OPTION;
    display_.carteButton = CARTE_DOWN;
    display_.handCards = {1, 2, 3, 4, 5};
    display_.garderButtons = {1, 0, 0, 0, 0};
    const Frame before = currentFrame();
    refreshCardScreen(&display_, &purse_, screen_, MODE_FIRST_HAND);
    EXPECT_EQ(flipLog().count, 0);
    EXPECT_EQ(display_.screen, SCREEN_OPTION);
    EXPECT_STREQ(purse_.bankText, "") << "the score is not redrawn";

    const Frame frame = currentFrame();
    EXPECT_TRUE(showsImage(frame, "image/bouton/boutonAideUp.bmp", kAide));
    EXPECT_TRUE(showsImage(frame, "image/bouton/boutonApropoUp.bmp", kApropos));
    EXPECT_TRUE(showsImage(frame, "image/bouton/boutonCarteDown.bmp", kCarte));
    EXPECT_TRUE(showsImage(frame, "image/bouton/boutonGarderDown.bmp", kFirstGarder));
    EXPECT_TRUE(showsImage(frame, "image/bouton/boutonGarderUp.bmp", kLastGarder));
    for (const ScreenPos place : {kFreeSpot, kFirstCard, kLastCard, kMessage, kCombination, kFirstChip,
                                  ScreenPos{10, 93}}) {
        EXPECT_EQ(colourAt(frame, place), colourAt(before, place)) << place.x << ", " << place.y;
    }
}

}  // namespace
