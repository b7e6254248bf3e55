// The Aide and Apropos pages driven by queued events: which events the
// Retour wait acts on, the open-Retour-close path for every return screen,
// and Escape, quit or a failed wait ending the process with status 0.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>

#include "display/screens.h"
#include "display_fixture.h"
#include "input/overlays.h"

namespace {

// A point inside each of the two buttons the pages react to.
constexpr int kButtonX = 60;
constexpr int kAideY = 440;
constexpr int kRetourY = 470;
constexpr ScreenPos kFreeSpot = {700, 20};  // only a background ever covers it

void click(Uint8 type, int y) { pushMouse(type, SDL_BUTTON_LEFT, kButtonX, y); }

void pressAndReleaseRetour()
{
    click(SDL_MOUSEBUTTONDOWN, kRetourY);
    click(SDL_MOUSEBUTTONUP, kRetourY);
}

class OverlaysTest : public DisplayTest {
protected:
    // Holds the page's button down and, unless told not to, queues the release that opened it.
    void open(bool aide, bool release = true)
    {
        (aide ? display_.aideButton : display_.aproposButton) = kButtonDown;
        if (release) {
            click(SDL_MOUSEBUTTONUP, aide ? kAideY : kRetourY);
        }
    }

    void run(bool aide, int32_t returnTo)
    {
        if (aide) {
            showAideOverlay(&display_, &purse_, screen_, returnTo);
        } else {
            showAproposOverlay(&display_, &purse_, screen_, returnTo);
        }
    }
};

TEST_F(OverlaysTest, RetourWaitActsOnlyOnLeftClicksOverRetourOrAide)
{
    struct Case {
        Uint8 type;
        Uint8 button;
        int x;
        int y;
        int32_t expected;  // -1: the event is passed over
    };
    const Case cases[] = {
        {SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 7, 457, kButtonDown},  // Retour's corner
        {SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 6, 470, -1},           // just left of Retour
        {SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 60, 440, -1},          // a press on Aide
        {SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 60, 470, -1},
        {SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 114, 483, kButtonUp},  // releases over Retour or Aide
        {SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 7, 426, kButtonUp},
        {SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 60, 454, -1},  // between the two
        {SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 400, 200, -1},
        {SDL_MOUSEBUTTONUP, SDL_BUTTON_MIDDLE, 60, 440, -1},
    };
    for (const Case& c : cases) {
        display_.retourButton = 7;
        pushMouse(c.type, c.button, c.x, c.y);
        click(SDL_MOUSEBUTTONDOWN, kRetourY);  // ends the wait if the first is passed over
        waitRetour(&display_);
        EXPECT_EQ(display_.retourButton, c.expected < 0 ? kButtonDown : c.expected) << c.x << ", " << c.y;
        EXPECT_EQ(queuedEvents(), c.expected < 0 ? 0 : 1) << c.x << ", " << c.y;
        drainEvents();
    }
    pushKey(SDLK_a);
    click(SDL_MOUSEBUTTONUP, kRetourY);
    waitRetour(&display_);
    EXPECT_EQ(display_.retourButton, kButtonUp) << "other keys are passed over";
    EXPECT_TRUE(flips().empty());
}

TEST_F(OverlaysTest, PageOpensWaitsForRetourAndRebuildsTheScreenItCameFrom)
{
    copyFont();
    struct Case {
        int32_t returnTo;
        int32_t screenAfter;  // -1: the page stays up
        const char* background;
    };
    const Case cases[] = {{kModeStart, kScreenStart, "image/backgroundStart.bmp"},
                          {kModeBet, kScreenJeu, "image/backgroundJeu.bmp"},
                          {kModeFirstHand, kScreenJeu, "image/backgroundJeu.bmp"},
                          {kModeResult, kScreenJeu, "image/backgroundJeu.bmp"},
                          {4, -1, nullptr},
                          {-1, -1, nullptr},
                          {INT32_MAX, -1, nullptr}};
    for (const bool aide : {true, false}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(aide ? "aide" : "apropos") + " returnTo " + std::to_string(c.returnTo));
            clearScreen();
            flips().clear();
            resetDisplayState(&display_);
            display_.handCards = {1, 13, 36, 37, 52};
            display_.chipButtons[0] = kButtonDown;
            open(aide);
            pressAndReleaseRetour();
            run(aide, c.returnTo);
            EXPECT_TRUE(display_.aideButton == kButtonUp && display_.aproposButton == kButtonUp &&
                        display_.retourButton == kButtonUp);
            EXPECT_EQ(display_.screen, c.screenAfter >= 0 ? c.screenAfter : aide ? kScreenAide : kScreenApropos);
            EXPECT_EQ(queuedEvents(), 0);
            const size_t redrawFlips = c.returnTo == kModeStart ? 1 : c.background != nullptr ? 2 : 0;
            ASSERT_EQ(flips().size(), 4 + redrawFlips);

            // The pressed button over the screen that was showing; the page's
            // text flipped by itself, then the page with Retour up; Retour pressed.
            const std::vector<Frame>& frames = flips();
            EXPECT_TRUE(shows(frames[0], aide ? "image/bouton/boutonAideDown.bmp" : "image/bouton/boutonApropoDown.bmp",
                              aide ? kAideButtonPos : kAproposButtonPos));
            EXPECT_EQ(at(frames[0], kFreeSpot), pixel(kNeutral));
            EXPECT_GT(ink(frames[1], aide ? kAideAddressPos : kAproposVersionPos, 40, 16, kNearWhite).count, 0);
            EXPECT_TRUE(frames[1] == frames[2]);
            EXPECT_EQ(at(frames[2], kFreeSpot),
                      pixel(colourOf(aide ? "image/backgroundAide.bmp" : "image/backgroundApropos.bmp")));
            EXPECT_TRUE(shows(frames[2], "image/bouton/boutonRetourUp.bmp", kRetourButtonPos));
            EXPECT_TRUE(shows(frames[3], "image/bouton/boutonRetourDown.bmp", kRetourButtonPos));

            const Frame last = frame();
            if (c.background == nullptr) {
                EXPECT_TRUE(last == frames[3]) << "the page stays up";
                continue;
            }
            EXPECT_EQ(at(last, kFreeSpot), pixel(colourOf(c.background)));
            EXPECT_TRUE(shows(last, "image/bouton/boutonAideUp.bmp", kAideButtonPos));
            EXPECT_TRUE(shows(last, "image/bouton/boutonApropoUp.bmp", kAproposButtonPos));
            if (c.returnTo == kModeBet) {
                EXPECT_TRUE(shows(last, "image/jeton/jeton1Down.bmp", kChipPos[0]));
                EXPECT_EQ(at(last, kCardPos[0]), pixel(colourOf(c.background))) << "no cards on the bet screen";
            } else if (c.returnTo != kModeStart) {
                EXPECT_TRUE(shows(last, "image/carte/2Trefle.bmp", kCardPos[0]));
            }
        }
    }
}

TEST_F(OverlaysTest, OpeningWaitEndingOnRetourPressSkipsTheSecondPress)
{
    for (const bool aide : {true, false}) {
        flips().clear();
        open(aide, false);
        pressAndReleaseRetour();
        run(aide, kModeStart);
        ASSERT_EQ(flips().size(), 5U);
        // Drawn with Retour already down, and closed by the next release.
        EXPECT_TRUE(shows(flips()[2], "image/bouton/boutonRetourDown.bmp", kRetourButtonPos));
        EXPECT_EQ(display_.retourButton, kButtonUp);
        EXPECT_EQ(display_.screen, kScreenStart);
        EXPECT_EQ(queuedEvents(), 0);
    }
}

TEST_F(OverlaysTest, ReleasesKeepThePageUpAndARetourPressAfterRetourClosesIt)
{
    open(true);
    click(SDL_MOUSEBUTTONUP, kAideY);
    click(SDL_MOUSEBUTTONUP, kRetourY);
    click(SDL_MOUSEBUTTONDOWN, kRetourY);
    click(SDL_MOUSEBUTTONDOWN, kRetourY);  // the closing wait takes a second press too
    run(true, kModeBet);
    EXPECT_EQ(queuedEvents(), 0);
    EXPECT_EQ(display_.retourButton, kButtonDown);
    EXPECT_EQ(display_.screen, kScreenJeu);
    EXPECT_EQ(flips().size(), 6U);
}

TEST_F(OverlaysTest, RefreshesOfferAideBeforeAproposThenFinishTheirOwnDrawing)
{
    // Both down at once never happens in play, but shows the order.
    open(true);
    pressAndReleaseRetour();
    open(false);
    pressAndReleaseRetour();
    refreshCardScreen(&display_, &purse_, screen_, kModeFirstHand);
    EXPECT_EQ(queuedEvents(), 0);
    // Two pages of four flips, each closed by a two-flip card screen.
    ASSERT_EQ(flips().size(), 12U);
    EXPECT_EQ(at(flips()[2], kFreeSpot), pixel(colourOf("image/backgroundAide.bmp")));
    EXPECT_EQ(at(flips()[8], kFreeSpot), pixel(colourOf("image/backgroundApropos.bmp")));

    // The bet refresh goes on over the rebuilt screen with its own two flips.
    flips().clear();
    open(false);
    pressAndReleaseRetour();
    refreshBetScreen(&display_, &purse_, screen_, kModeBet);
    EXPECT_EQ(queuedEvents(), 0);
    EXPECT_EQ(flips().size(), 8U);
    EXPECT_TRUE(shows(frame(), "image/texte/texteMise.bmp", kMessagePos)) << "drawn on, not cleared";
}

using OverlaysDeathTest = OverlaysTest;

TEST_F(OverlaysDeathTest, EscapeOrQuitInAnyWaitEndsTheProcessWithStatusZero)
{
    GTEST_FLAG_SET(death_test_style, "fast");
    // Escape while the opening press is held, a quit request while the page
    // waits for Retour, Escape while Retour is held.
    for (int stage = 0; stage < 3; ++stage) {
        EXPECT_EXIT(
            {
                armAlarm(5);  // an ignored Escape fails here instead of hanging
                announceQuit(true);
                open(stage != 1, stage > 0);
                if (stage == 2) {
                    click(SDL_MOUSEBUTTONDOWN, kRetourY);
                }
                SDL_Event quit{};
                quit.type = SDL_QUIT;
                if (stage == 1) {
                    SDL_PushEvent(&quit);
                } else {
                    pushKey(SDLK_ESCAPE);
                }
                run(stage != 1, kModeResult);
            },
            ::testing::ExitedWithCode(0), "SDL_Quit called")
            << "stage " << stage;
    }
}

TEST_F(OverlaysDeathTest, FailedWaitLeavesLikeAQuitInsteadOfSpinning)
{
    GTEST_FLAG_SET(death_test_style, "fast");
    EXPECT_EXIT(
        {
            SDL_Quit();   // with the event queue gone every wait fails
            armAlarm(5);  // a wait that spins dies of the alarm instead of exiting with 0
            announceQuit(true);
            waitRetour(&display_);
        },
        ::testing::ExitedWithCode(0), "SDL_Quit called");
}

}  // namespace
