// Screen compositions: which elements each one draws, on which side of its
// flips, and which places it leaves alone.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "display/screens.h"
#include "display_fixture.h"
#include "input/overlays.h"

namespace {

constexpr ScreenPos kFreeSpot = {700, 20};  // only a background ever covers it
const std::string kJeu = "image/backgroundJeu.bmp";

using Shown = std::vector<std::pair<std::string, ScreenPos>>;

class ScreensTest : public DisplayTest {
protected:
    void SetUp() override
    {
        DisplayTest::SetUp();
        // As large as the real panel, under all seven numbers: digits drawn
        // before it would be hidden.
        ASSERT_TRUE(writeBmp(kScoreBackdropImage, 500, 100, colourOf(kScoreBackdropImage), false));
        copyFont();
    }

    void expectShown(const Frame& frame, const Shown& shown) const
    {
        for (const auto& [file, pos] : shown) {
            EXPECT_TRUE(shows(frame, file, pos));
        }
    }

    void expectColour(const Frame& frame, Rgb colour, const std::vector<ScreenPos>& places) const
    {
        for (const ScreenPos pos : places) {
            EXPECT_EQ(at(frame, pos), pixel(colour)) << "at " << pos.x << ", " << pos.y;
        }
    }

    // The score digits over their backdrop.
    bool scoreShown(const Frame& frame) const
    {
        return at(frame, kScoreBackdropPos) == pixel(colourOf(kScoreBackdropImage)) &&
               ink(frame, kScoreSlots[0].pos, 30, 24, kGold).count > 0;
    }
};

TEST_F(ScreensTest, StartScreenDrawsItsButtonsOverTheStartBackground)
{
    display_.screen = kScreenAide;
    display_.newGameButton = kButtonDown;
    showStartScreen(&display_, screen_);
    EXPECT_EQ(display_.screen, kScreenStart);
    ASSERT_EQ(flips().size(), 1U);
    const Frame& shown = flips()[0];
    expectColour(shown, colourOf("image/backgroundStart.bmp"), {kFreeSpot});
    expectShown(shown, {{"image/bouton/boutonAideUp.bmp", kAideButtonPos},
                        {"image/bouton/boutonApropoUp.bmp", kAproposButtonPos},
                        {"image/bouton/boutonNewGameDown.bmp", kNewGameButtonPos},
                        {"image/bouton/boutonResumeClose.bmp", kResumeButtonPos},
                        {"image/bouton/boutonOptionUp.bmp", kOptionButtonPos}});
    EXPECT_TRUE(shown == frame());
}

TEST_F(ScreensTest, GameScreensFlipTheScoreFirstThenEverythingOfTheirPhaseOnly)
{
    display_.handCards = {1, 13, 36, 37, 52};
    display_.garderButtons = {0, 1, 0, 0, 1};
    display_.chipButtons[9] = kButtonDown;
    const Shown chips = {{"image/jeton/jeton1Up.bmp", kChipPos[0]}, {"image/jeton/jetonResetDown.bmp", kChipPos[9]}};
    const Shown hand = {{"image/carte/2Trefle.bmp", kCardPos[0]},
                        {"image/carte/asPique.bmp", kCardPos[4]},
                        {"image/bouton/boutonGarderUp.bmp", kGarderButtonPos[0]},
                        {"image/bouton/boutonGarderDown.bmp", kGarderButtonPos[4]}};
    for (const bool bet : {true, false}) {
        SCOPED_TRACE(bet ? "bet screen" : "card screen");
        flips().clear();
        display_.screen = kScreenAide;
        display_.carteButton = bet ? kCarteDisabled : kRejouerUp;
        display_.message = bet ? kMsgMise : kMsgWin;
        display_.combination = bet ? kCombinationAide : 2;
        if (bet) {
            showBetScreen(&display_, &purse_, screen_);
        } else {
            showCardScreen(&display_, &purse_, screen_);
        }
        EXPECT_EQ(display_.screen, kScreenJeu);
        EXPECT_STREQ(purse_.bankText, "50");
        ASSERT_EQ(flips().size(), 2U);

        const Frame& scoreOnly = flips()[0];
        EXPECT_TRUE(scoreShown(scoreOnly));
        expectShown(scoreOnly,
                    {{"image/bouton/boutonAideUp.bmp", kAideButtonPos},
                     {"image/bouton/boutonApropoUp.bmp", kAproposButtonPos},
                     {bet ? "image/bouton/boutonCarteDisa.bmp" : "image/bouton/boutonRejouerUp.bmp", kCarteButtonPos}});
        expectShown(scoreOnly, bet ? chips : hand);
        expectColour(scoreOnly, colourOf(kJeu), {kFreeSpot, kMessagePos, kCombinationPos});

        const Frame& complete = flips()[1];
        expectShown(complete, {{bet ? "image/texte/texteMise.bmp" : "image/texte/texteWin.bmp", kMessagePos},
                               {bet ? "image/texte/texteAide.bmp" : "image/texte/combinaison/texteDoublePaire.bmp",
                                kCombinationPos}});
        for (const auto& [file, pos] : bet ? hand : chips) {
            EXPECT_EQ(at(complete, pos), pixel(colourOf(kJeu))) << file << " belongs to the other phase";
        }
        EXPECT_TRUE(complete == frame());
    }
}

TEST_F(ScreensTest, BetRefreshRedrawsScoreAndBetControlsOnly)
{
    display_.screen = kScreenGameover;
    display_.carteButton = kCarteUp;
    display_.chipButtons[0] = kButtonDown;
    purse_.bet = 5;
    refreshBetScreen(&display_, &purse_, screen_, kModeBet);
    EXPECT_EQ(display_.screen, kScreenGameover) << "a refresh sets no screen";
    EXPECT_STREQ(purse_.betText, "5");
    ASSERT_EQ(flips().size(), 2U);

    const Frame& scoreOnly = flips()[0];
    EXPECT_TRUE(scoreShown(scoreOnly));
    expectColour(scoreOnly, kNeutral, {kChipPos[0], kAproposButtonPos});

    const Frame& complete = flips()[1];
    expectShown(complete, {{"image/bouton/boutonApropoUp.bmp", kAproposButtonPos},
                           {"image/bouton/boutonCarteUp.bmp", kCarteButtonPos},
                           {"image/jeton/jeton1Down.bmp", kChipPos[0]},
                           {"image/jeton/jetonResetUp.bmp", kChipPos[9]}});
    expectColour(complete, kNeutral,
                 {kFreeSpot, kAideButtonPos, kMessagePos, kCombinationPos, kCardPos[0], kGarderButtonPos[0]});
}

TEST_F(ScreensTest, CardRefreshRedrawsButtonsOnlyAndDoesNotFlip)
{
    display_.screen = kScreenOption;
    display_.carteButton = kCarteDown;
    display_.handCards = {1, 2, 3, 4, 5};
    display_.garderButtons = {1, 0, 0, 0, 0};
    refreshCardScreen(&display_, &purse_, screen_, kModeFirstHand);
    EXPECT_EQ(flips().size(), 0U);
    EXPECT_EQ(display_.screen, kScreenOption);
    EXPECT_STREQ(purse_.bankText, "") << "the score is not redrawn";

    const Frame now = frame();
    expectShown(now, {{"image/bouton/boutonAideUp.bmp", kAideButtonPos},
                      {"image/bouton/boutonApropoUp.bmp", kAproposButtonPos},
                      {"image/bouton/boutonCarteDown.bmp", kCarteButtonPos},
                      {"image/bouton/boutonGarderDown.bmp", kGarderButtonPos[0]},
                      {"image/bouton/boutonGarderUp.bmp", kGarderButtonPos[4]}});
    expectColour(now, kNeutral,
                 {kFreeSpot, kCardPos[0], kCardPos[4], kMessagePos, kCombinationPos, kChipPos[0], kScoreBackdropPos});
}

}  // namespace
