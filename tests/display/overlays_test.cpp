// The Aide and Apropos pages driven by queued events: which events the
// Retour wait acts on, the open-Retour-close path for every return screen,
// and Escape, quit or a failed wait ending the process with status 0.
#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "cards/purse.h"
#include "display/display_state.h"
#include "display/screens.h"
#include "display_fixture.h"
#include "input/overlays.h"

namespace {

// Points inside the two buttons the pages react to.
constexpr int kButtonX = 60;
constexpr int kAideY = 440;
constexpr int kRetourY = 470;

constexpr ScreenPos kAidePlace = {6, 425};
constexpr ScreenPos kRetourPlace = {6, 456};
constexpr ScreenPos kFreeSpot = {700, 20};

enum class Page { Aide, Apropos };

struct PageInfo {
    const char* name;
    int32_t screenValue;
    const char* background;
    const char* pressedButton;
    ScreenPos buttonPlace;
    int openerY;  // where the opening press is released
};

PageInfo infoFor(Page page)
{
    if (page == Page::Aide) {
        return {"aide", SCREEN_AIDE, "image/backgroundAide.bmp", "image/bouton/boutonAideDown.bmp", kAidePlace,
                kAideY};
    }
    return {"apropos", SCREEN_APROPOS, "image/backgroundApropos.bmp", "image/bouton/boutonApropoDown.bmp",
            kRetourPlace, kRetourY};
}

class OverlaysTest : public DisplayTest {
protected:
    void SetUp() override
    {
        DisplayTest::SetUp();
        writeAllFixtures();
        resetDisplayState(&display_);
        resetPurse(&purse_);
    }

    void open(Page page)
    {
        if (page == Page::Aide) {
            display_.aideButton = BUTTON_DOWN;
        } else {
            display_.aproposButton = BUTTON_DOWN;
        }
    }

    void run(Page page, int32_t returnTo)
    {
        if (page == Page::Aide) {
            showAideOverlay(&display_, &purse_, screen_, returnTo);
        } else {
            showAproposOverlay(&display_, &purse_, screen_, returnTo);
        }
    }

    // A key release no wait acts on: still queued means the overlay stopped
    // reading events where it should.
    static void pushSentinel()
    {
        pushKey(SDL_KEYUP, SDLK_z);
    }

    static bool onlySentinelLeft()
    {
        const std::vector<SDL_Event> left = queuedEvents();
        return left.size() == 1 && left[0].type == SDL_KEYUP && left[0].key.keysym.sym == SDLK_z;
    }

    static void drainEvents()
    {
        SDL_Event event;
        while (SDL_PollEvent(&event) == 1) {
        }
    }

    DisplayState display_{};
    Purse purse_{};
};

struct WaitCase {
    const char* name;
    Uint8 type;
    Uint8 button;
    int x;
    int y;
    int32_t expected;  // -1: the event is passed over
};

TEST_F(OverlaysTest, RetourWaitActsOnlyOnLeftClicksOverRetourOrAide)
{
    const WaitCase cases[] = {
        {"press Retour top-left", SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 7, 457, 1},
        {"press Retour bottom-right", SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 114, 483, 1},
        {"press left of Retour", SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 6, 470, -1},
        {"press right of Retour", SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 115, 470, -1},
        {"press above Retour", SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 60, 456, -1},
        {"press below Retour", SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 60, 484, -1},
        {"press on Aide", SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 60, 440, -1},
        {"right press on Retour", SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 60, 470, -1},
        {"release Retour", SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 60, 470, 0},
        {"release Retour bottom-right", SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 114, 483, 0},
        {"release Aide top-left", SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 7, 426, 0},
        {"release Aide bottom-right", SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 114, 452, 0},
        {"release between Aide and Retour", SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 60, 454, -1},
        {"release above Aide", SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 60, 425, -1},
        {"release right of Aide", SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 115, 440, -1},
        {"release elsewhere", SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 400, 200, -1},
        {"middle release on Aide", SDL_MOUSEBUTTONUP, SDL_BUTTON_MIDDLE, 60, 440, -1},
    };
    for (const WaitCase& c : cases) {
        display_.retourButton = 7;
        pushMouse(c.type, c.button, c.x, c.y);
        pushMouse(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, kButtonX, kRetourY);  // ends the wait if passed over
        waitRetour(&display_);
        if (c.expected >= 0) {
            EXPECT_EQ(display_.retourButton, c.expected) << c.name;
            EXPECT_EQ(queuedEvents().size(), 1U) << c.name;
        } else {
            EXPECT_EQ(display_.retourButton, 1) << c.name;
            EXPECT_TRUE(queuedEvents().empty()) << c.name;
        }
        drainEvents();
    }
    // Keys other than Escape down, and motion, are passed over too.
    pushKey(SDL_KEYDOWN, SDLK_a);
    pushKey(SDL_KEYUP, SDLK_ESCAPE);
    SDL_Event motion{};
    motion.type = SDL_MOUSEMOTION;
    motion.motion.x = kButtonX;
    motion.motion.y = kRetourY;
    ASSERT_EQ(SDL_PushEvent(&motion), 0);
    pushMouse(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, kButtonX, kRetourY);
    display_.retourButton = 1;
    waitRetour(&display_);
    EXPECT_EQ(display_.retourButton, 0);
    EXPECT_TRUE(queuedEvents().empty());
    EXPECT_EQ(flipLog().count, 0);
}

TEST_F(OverlaysTest, ButtonUpMeansNoPage)
{
    display_.handCards = {3, 0, 0, 9, 0};
    const DisplayState before = display_;
    const Frame screenBefore = currentFrame();
    pushSentinel();
    for (const int32_t returnTo : {0, 1, 2, 3}) {
        showAideOverlay(&display_, &purse_, screen_, returnTo);
        showAproposOverlay(&display_, &purse_, screen_, returnTo);
    }
    EXPECT_EQ(std::memcmp(&before, &display_, sizeof(display_)), 0);
    EXPECT_EQ(flipLog().count, 0);
    EXPECT_TRUE(currentFrame() == screenBefore);
    EXPECT_TRUE(onlySentinelLeft());
}

struct CloseCase {
    int32_t returnTo;
    int32_t screenAfter;  // -1: the page's own value, the page stays up
    int redrawFlips;
    const char* shownAfter;  // file at kFreeSpot once closed, null: the page
};

TEST_F(OverlaysTest, PageOpensWaitsForRetourAndRebuildsTheScreenItCameFrom)
{
    copyFont();
    const CloseCase cases[] = {
        {MODE_START, SCREEN_START, 1, "image/backgroundStart.bmp"},
        {MODE_BET, SCREEN_JEU, 2, "image/backgroundJeu.bmp"},
        {MODE_FIRST_HAND, SCREEN_JEU, 2, "image/backgroundJeu.bmp"},
        {MODE_RESULT, SCREEN_JEU, 2, "image/backgroundJeu.bmp"},
        {4, -1, 0, nullptr},
        {-1, -1, 0, nullptr},
        {INT32_MAX, -1, 0, nullptr},
    };
    for (const Page page : {Page::Aide, Page::Apropos}) {
        const PageInfo info = infoFor(page);
        for (const CloseCase& c : cases) {
            SCOPED_TRACE(std::string(info.name) + " returnTo " + std::to_string(c.returnTo));
            fillScreen(kNeutral);
            flipLog() = {0, {}};
            resetDisplayState(&display_);
            display_.handCards = {1, 13, 36, 37, 52};
            display_.chipButtons[0] = BUTTON_DOWN;
            open(page);
            pushMouse(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, kButtonX, info.openerY);
            pushMouse(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, kButtonX, kRetourY);
            pushMouse(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, kButtonX, kRetourY);
            pushSentinel();
            run(page, c.returnTo);

            EXPECT_EQ(display_.aideButton, BUTTON_UP);
            EXPECT_EQ(display_.aproposButton, BUTTON_UP);
            EXPECT_EQ(display_.retourButton, BUTTON_UP);
            EXPECT_EQ(display_.screen, c.screenAfter < 0 ? info.screenValue : c.screenAfter);
            EXPECT_TRUE(onlySentinelLeft());
            drainEvents();
            ASSERT_EQ(flipLog().count, 4 + c.redrawFlips);

            const std::vector<Frame>& frames = flipLog().frames;
            // Opening: the pressed button over the screen that was showing.
            EXPECT_TRUE(showsImage(frames[0], info.pressedButton, info.buttonPlace));
            EXPECT_EQ(at(frames[0], kFreeSpot.x, kFreeSpot.y), kNeutral);
            // The page with its text and Retour up, then Retour pressed.
            EXPECT_EQ(at(frames[2], kFreeSpot.x, kFreeSpot.y), colourOf(info.background));
            EXPECT_TRUE(showsImage(frames[2], "image/bouton/boutonRetourUp.bmp", kRetourPlace));
            EXPECT_TRUE(frames[1] == frames[2]) << "the text flips by itself, then the page flips again";
            EXPECT_TRUE(showsImage(frames[3], "image/bouton/boutonRetourDown.bmp", kRetourPlace));

            const Frame last = currentFrame();
            if (c.shownAfter == nullptr) {
                EXPECT_TRUE(last == frames[3]) << "the page stays up";
                continue;
            }
            EXPECT_EQ(at(last, kFreeSpot.x, kFreeSpot.y), colourOf(c.shownAfter));
            EXPECT_TRUE(showsImage(last, "image/bouton/boutonAideUp.bmp", kAidePlace));
            EXPECT_TRUE(showsImage(last, "image/bouton/boutonApropoUp.bmp", kRetourPlace));
            if (c.returnTo == MODE_BET) {
                EXPECT_TRUE(showsImage(last, "image/jeton/jeton1Down.bmp", {46, 209}));
                EXPECT_EQ(at(last, 61, 221), colourOf(c.shownAfter)) << "no cards on the bet screen";
            } else if (c.returnTo != MODE_START) {
                EXPECT_TRUE(showsImage(last, "image/carte/2Trefle.bmp", {61, 221}));
                EXPECT_TRUE(showsImage(last, "image/carte/asPique.bmp", {425, 221}));
            }
        }
    }
}

TEST_F(OverlaysTest, PageTextIsDrawnOnThePage)
{
    copyFont();
    open(Page::Aide);
    pushMouse(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, kButtonX, kAideY);
    pushMouse(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, kButtonX, kRetourY);
    pushMouse(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, kButtonX, kRetourY);
    run(Page::Aide, 9);
    ASSERT_EQ(flipLog().count, 4);
    int white = 0;
    for (int y = 380; y < 396; ++y) {
        for (int x = 275; x < 395; ++x) {
            white += at(flipLog().frames[1], x, y) == Rgb{247, 247, 247} ? 1 : 0;
        }
    }
    EXPECT_GT(white, 0);
}

TEST_F(OverlaysTest, OpeningWaitEndingOnRetourPressSkipsTheSecondPress)
{
    for (const Page page : {Page::Aide, Page::Apropos}) {
        SCOPED_TRACE(infoFor(page).name);
        flipLog() = {0, {}};
        open(page);
        pushMouse(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 7, 457);
        pushMouse(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 114, 483);
        pushSentinel();
        run(page, MODE_START);
        ASSERT_EQ(flipLog().count, 5);
        // Drawn with Retour already down, and closed by the next release.
        EXPECT_TRUE(showsImage(flipLog().frames[2], "image/bouton/boutonRetourDown.bmp", kRetourPlace));
        EXPECT_EQ(display_.retourButton, BUTTON_UP);
        EXPECT_EQ(display_.screen, SCREEN_START);
        EXPECT_TRUE(onlySentinelLeft());
        drainEvents();
    }
}

TEST_F(OverlaysTest, PageWaitsThroughStrayEventsAndClosesOnASecondRetourPress)
{
    open(Page::Aide);
    // Opening wait: only the release over Aide ends it.
    pushMouse(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, kButtonX, kAideY);
    pushMouse(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 300, 300);
    pushMouse(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT, kButtonX, kAideY);
    pushKey(SDL_KEYDOWN, SDLK_RETURN);
    pushMouse(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 7, 426);
    // Page: releases over Aide or Retour change nothing, a press does.
    pushMouse(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, kButtonX, kAideY);
    pushMouse(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, kButtonX, kRetourY);
    pushMouse(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, kButtonX, kRetourY);
    // Retour down: a release elsewhere keeps the page, a new press closes it.
    pushMouse(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 500, 470);
    pushMouse(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, kButtonX, kRetourY);
    pushSentinel();
    run(Page::Aide, MODE_BET);
    EXPECT_TRUE(onlySentinelLeft());
    EXPECT_EQ(display_.retourButton, BUTTON_DOWN);
    EXPECT_EQ(display_.screen, SCREEN_JEU);
    ASSERT_EQ(flipLog().count, 6);
    EXPECT_TRUE(showsImage(flipLog().frames[0], "image/bouton/boutonAideDown.bmp", kAidePlace));
}

TEST_F(OverlaysTest, RefreshesOfferAideBeforeAproposThenFinishTheirOwnDrawing)
{
    // Both down at once never happens in play, but shows the order.
    display_.aideButton = BUTTON_DOWN;
    display_.aproposButton = BUTTON_DOWN;
    display_.garderButtons = {1, 0, 0, 0, 0};
    display_.carteButton = CARTE_DISABLED;
    for (const int opener : {kAideY, kRetourY}) {
        pushMouse(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, kButtonX, opener);
        pushMouse(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, kButtonX, kRetourY);
        pushMouse(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, kButtonX, kRetourY);
    }
    pushSentinel();
    refreshCardScreen(&display_, &purse_, screen_, MODE_FIRST_HAND);
    EXPECT_TRUE(onlySentinelLeft());
    drainEvents();
    // Two pages of four flips, each closed by a two-flip card screen.
    ASSERT_EQ(flipLog().count, 12);
    EXPECT_TRUE(showsImage(flipLog().frames[0], "image/bouton/boutonAideDown.bmp", kAidePlace));
    EXPECT_EQ(at(flipLog().frames[2], kFreeSpot.x, kFreeSpot.y), colourOf("image/backgroundAide.bmp"));
    EXPECT_TRUE(showsImage(flipLog().frames[6], "image/bouton/boutonApropoDown.bmp", kRetourPlace));
    EXPECT_EQ(at(flipLog().frames[8], kFreeSpot.x, kFreeSpot.y), colourOf("image/backgroundApropos.bmp"));
    EXPECT_EQ(display_.screen, SCREEN_JEU);

    // The bet refresh goes on over the rebuilt screen with its own two flips.
    flipLog() = {0, {}};
    display_.aproposButton = BUTTON_DOWN;
    pushMouse(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, kButtonX, kRetourY);
    pushMouse(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, kButtonX, kRetourY);
    pushMouse(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, kButtonX, kRetourY);
    refreshBetScreen(&display_, &purse_, screen_, MODE_BET);
    EXPECT_TRUE(queuedEvents().empty());
    ASSERT_EQ(flipLog().count, 8);
    const Frame last = currentFrame();
    EXPECT_EQ(at(last, kFreeSpot.x, kFreeSpot.y), colourOf("image/backgroundJeu.bmp"));
    EXPECT_TRUE(showsImage(last, "image/bouton/boutonCarteDisa.bmp", {385, 440}));
    EXPECT_TRUE(showsImage(last, "image/jeton/jeton1Up.bmp", {46, 209}));
}

using OverlaysDeathTest = OverlaysTest;

TEST_F(OverlaysDeathTest, EscapeOrQuitInAnyWaitEndsTheProcessWithStatusZero)
{
    GTEST_FLAG_SET(death_test_style, "fast");
    // Escape while the opening press is held.
    EXPECT_EXIT(
        {
            announceQuit(true);
            open(Page::Aide);
            pushKey(SDL_KEYDOWN, SDLK_ESCAPE);
            run(Page::Aide, MODE_START);
        },
        ::testing::ExitedWithCode(0), "SDL_Quit called");
    // Window closed while the page waits for Retour.
    EXPECT_EXIT(
        {
            announceQuit(true);
            open(Page::Apropos);
            pushMouse(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, kButtonX, kRetourY);
            pushQuit();
            run(Page::Apropos, MODE_BET);
        },
        ::testing::ExitedWithCode(0), "SDL_Quit called");
    // Escape while Retour is held down.
    EXPECT_EXIT(
        {
            announceQuit(true);
            open(Page::Aide);
            pushMouse(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, kButtonX, kAideY);
            pushMouse(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, kButtonX, kRetourY);
            pushKey(SDL_KEYDOWN, SDLK_ESCAPE);
            run(Page::Aide, MODE_RESULT);
        },
        ::testing::ExitedWithCode(0), "SDL_Quit called");
}

TEST_F(OverlaysDeathTest, FailedWaitLeavesLikeAQuitInsteadOfSpinning)
{
    GTEST_FLAG_SET(death_test_style, "fast");
    EXPECT_EXIT(
        {
            SDL_Quit();  // with the event queue gone every wait fails
            // A wait that spins dies of the alarm instead of exiting with 0.
            sigset_t alarmOnly;
            sigemptyset(&alarmOnly);
            sigaddset(&alarmOnly, SIGALRM);
            sigprocmask(SIG_UNBLOCK, &alarmOnly, nullptr);
            std::signal(SIGALRM, SIG_DFL);
            alarm(5);
            announceQuit(true);
            waitRetour(&display_);
        },
        ::testing::ExitedWithCode(0), "SDL_Quit called");
}

}  // namespace
