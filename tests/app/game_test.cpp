// Whole games through the real round loop, scripted as event sequences.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdlib>

#include "../cards/list_check.h"
#include "cards/evaluate.h"
#include "cards/shuffle.h"
#include "session.h"

namespace {

class GameTest : public ::testing::Test {
protected:
    // Real art and font, so every drawing path runs with the files it meets in play.
    void SetUp() override { ASSERT_EQ(chdir(VANTREL_RUNTIME_DIR), 0); }
    Session s{};
};

TEST_F(GameTest, RoundEndingOnAPairPaysTheStakeBack)
{
    startSession(&s, 6);  // a seed whose round ends on a pair

    step(clickOn(kNewGameRect));
    EXPECT_EQ(s.mode, kModeBet);
    EXPECT_EQ(s.display.screen, kScreenJeu);
    EXPECT_EQ(s.display.carteButton, kCarteDisabled);
    EXPECT_EQ(s.purse.bank, 50);

    step(clickOn(kChipRects[3]));  // the 10 chip
    EXPECT_EQ(s.purse.bank, 40);
    EXPECT_EQ(s.purse.bet, 10);
    EXPECT_EQ(s.display.carteButton, kCarteUp);

    step({pressAt(400, 450), releaseAt(700, 20)});  // Carte stays down: a release elsewhere deals nothing
    EXPECT_TRUE(s.display.carteButton == kCarteDown && s.mode == kModeBet);
    step(clickOn(kCarteRect));
    ASSERT_EQ(s.mode, kModeFirstHand);
    // The slots show the hand list's five cards; the rest wait in the stock.
    const std::array<int32_t, 5> dealt = s.display.handCards;
    Ids shown(dealt.begin(), dealt.end());
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ(idsOf(s.handList), shown);
    const Ids stock = idsOf(s.stockList);
    ASSERT_EQ(stock.size(), 47U);
    EXPECT_EQ(s.display.message, kMsgFirstHand);

    std::vector<SDL_Event> marks = clickOn(kGarderRects[0]);
    std::vector<SDL_Event> second = clickOn(kGarderRects[2]);
    marks.insert(marks.end(), second.begin(), second.end());
    step(marks);
    EXPECT_EQ(s.display.garderButtons[0], kButtonDown);
    EXPECT_EQ(s.display.garderButtons[2], kButtonDown);

    step(clickOn(kCarteRect));
    ASSERT_EQ(s.mode, kModeResult);
    // Marked slots take the next stock cards in order; the others keep theirs.
    EXPECT_EQ(s.display.handCards, (std::array<int32_t, 5>{stock[0], dealt[1], stock[1], dealt[3], dealt[4]}));
    EXPECT_EQ(s.display.carteButton, kRejouerUp);

    // A pair wins back the stake: a won hand, but no gain.
    ASSERT_EQ(evaluateHand(&s.handList), kHandPaire) << "the seed no longer ends on a pair";
    EXPECT_EQ(s.display.combination, kHandPaire);
    EXPECT_EQ(s.display.message, kMsgWin);
    EXPECT_EQ(s.purse.win, 10);
    EXPECT_EQ(s.purse.bank, 50);
    EXPECT_EQ(s.purse.bet, 10);
    EXPECT_EQ(s.purse.handsWon, 1);
    EXPECT_EQ(s.purse.handsLost + s.purse.totalWon + s.purse.bestWin, 0);

    step(clickOn(kCarteRect));  // Rejouer
    EXPECT_EQ(s.mode, kModeBet);
    EXPECT_EQ(s.purse.bet, 0);
    EXPECT_EQ(s.purse.win, 0);
    EXPECT_EQ(s.purse.bank, 50);
    EXPECT_EQ(s.display.carteButton, kCarteDisabled);
    EXPECT_EQ(s.display.combination, kCombinationAide);
    EXPECT_EQ(s.display.message, kMsgMise);
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(s.display.handCards[i], 0);
        EXPECT_EQ(s.display.garderButtons[i], kButtonUp);
    }
    finishSession(&s);
}

// A few hundred events over every screen and both pages, losing the whole
// bank in the end; also run under valgrind as the leak check.
TEST_F(GameTest, ScriptedSessionVisitsEveryScreenAndPage)
{
    startSession(&s, 42);
    for (const HitRect& page : {kAproposRect, kAideRect}) {
        step(clickOn(page));
        EXPECT_TRUE(pageOpen(s));
        step(clickOn(kRetourRect));
        EXPECT_EQ(s.display.screen, kScreenStart);
    }
    step(clickOn(kOptionRect));
    EXPECT_TRUE(s.mode == kModeOption && s.display.screen == kScreenOption);
    step(clickOn(kRetourRect));
    EXPECT_TRUE(s.mode == kModeStart && s.display.screen == kScreenStart);
    step(clickOn(kNewGameRect));
    for (int round = 0; s.mode == kModeBet; ++round) {
        if (round < 10) {
            step(clickOn(kChipRects[static_cast<size_t>(round % 8)]));
            step(clickOn(kChipRects[kChipReset]));
            step(clickOn(kChipRects[static_cast<size_t>(round % 8)]));
        } else {
            step(clickOn(kChipRects[kChipAllin]));  // then lose it all
        }
        if (round % 3 == 0) {  // a page keeps the stake
            const int32_t bet = s.purse.bet;
            step(clickOn(round % 2 ? kAideRect : kAproposRect));
            step(clickOn(kRetourRect));
            EXPECT_TRUE(s.mode == kModeBet && s.display.screen == kScreenJeu && s.purse.bet == bet);
        }
        step(clickOn(kCarteRect));
        ASSERT_EQ(s.mode, kModeFirstHand);
        step(clickOn(kGarderRects[static_cast<size_t>(round % 5)]));
        if (round % 4 == 1) {
            step(clickOn(kAproposRect));
            step(clickOn(kRetourRect));
        }
        step(clickOn(kCarteRect));
        ASSERT_EQ(s.mode, kModeResult);
        if (round % 4 == 2) {  // and the round's outcome
            const DisplayState before = s.display;
            step(clickOn(kAideRect));
            step(clickOn(kRetourRect));
            EXPECT_TRUE(s.mode == kModeResult && s.display.screen == kScreenJeu);
            EXPECT_TRUE(s.display.combination == before.combination && s.display.message == before.message);
        }
        step(clickOn(kCarteRect));
        ASSERT_LT(round, 300);
    }
    ASSERT_EQ(s.mode, kModeGameOver);
    EXPECT_EQ(s.display.screen, kScreenGameover);
    EXPECT_EQ(s.purse.bank, 1);  // so that the next pass reaches the start screen
    EXPECT_GT(s.purse.handsLost, 0);
    step(clickOn(kContinuerRect));
    EXPECT_TRUE(s.mode == kModeStart && s.display.screen == kScreenStart);
    step(clickOn(kNewGameRect));  // a new game starts fresh
    EXPECT_EQ(s.purse.bank, 50);
    EXPECT_EQ(s.purse.handsWon + s.purse.handsLost + s.purse.bestWin + s.purse.totalWon, 0);
    finishSession(&s);
}

// Reaches the stage `mode` of a fresh game.
void reach(Session* s, int32_t mode)
{
    if (mode == kModeOption) {
        step(clickOn(kOptionRect));
        return;
    }
    if (mode == kModeStart) {
        return;
    }
    step(clickOn(kNewGameRect));
    if (mode == kModeGameOver) {
        while (s->mode == kModeBet) {
            step(clickOn(kChipRects[kChipAllin]));
            step(clickOn(kCarteRect));
            step(clickOn(kCarteRect));
            step(clickOn(kCarteRect));
        }
        return;
    }
    if (mode == kModeBet) {
        return;
    }
    step(clickOn(kChipRects[0]));
    step(clickOn(kCarteRect));
    if (mode == kModeResult) {
        step(clickOn(kCarteRect));
    }
}

TEST_F(GameTest, QuitFromEveryStageEndsTheLoop)
{
    for (int32_t mode : {kModeStart, kModeOption, kModeBet, kModeFirstHand, kModeResult, kModeGameOver}) {
        for (bool closeWindow : {false, true}) {
            SCOPED_TRACE(testing::Message() << "mode " << mode << (closeWindow ? " close" : " escape"));
            Session session{};
            startSession(&session, 11);
            reach(&session, mode);
            ASSERT_EQ(session.mode, mode);
            SDL_Event quit{};
            quit.type = SDL_QUIT;
            quitWith(&session, closeWindow ? quit : keyDown(SDLK_ESCAPE));
            EXPECT_EQ(session.mode, kModeQuit);
            EXPECT_EQ(session.running, -1);
        }
    }
}

}  // namespace
