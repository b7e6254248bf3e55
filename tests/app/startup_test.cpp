// main's start-up and shutdown under the dummy driver. main is built here as
// vantrelMain with its round loop replaced by a recorder (see CMakeLists);
// SDL_Init, SDL_VideoDriverName, SDL_SetVideoMode, SDL_WM_SetIcon, SDL_Quit
// and time are wrapped at link time.
#include <SDL.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <ctime>
#include <string>

#include "app/round_loop.h"
#include "cards/shuffle.h"
#include "display/video_driver.h"

int vantrelMain(int argc, char* argv[]);
extern "C" int __real_SDL_Init(Uint32 flags);
extern "C" SDL_Surface* __real_SDL_SetVideoMode(int width, int height, int bpp, Uint32 flags);
extern "C" void __real_SDL_WM_SetIcon(SDL_Surface* icon, Uint8* mask);
extern "C" void __real_SDL_Quit(void);

namespace {

struct Seen {
    bool failInit = false;
    bool failVideo = false;
    const char* driver = "x11";  // what SDL_VideoDriverName reports; the real one is "dummy"
    bool traceQuit = false;      // SDL_Quit says so on standard error
    time_t now = 0;
    std::array<int, 4> videoMode{};  // width, height, depth, flags
    int iconWidth = 0;
    std::array<int32_t, 5> deal{};
    std::string caption;  // copied: SDL_Quit frees its own
};
Seen gSeen;

}  // namespace

extern "C" int __wrap_SDL_Init(Uint32 flags)
{
    if (gSeen.failInit) {
        SDL_SetError("no video here");
        return -1;
    }
    return __real_SDL_Init(flags);
}

extern "C" char* __wrap_SDL_VideoDriverName(char* name, int size)
{
    std::snprintf(name, static_cast<size_t>(size), "%s", gSeen.driver);
    return name;
}

extern "C" void __wrap_SDL_Quit(void)
{
    if (gSeen.traceQuit) {
        std::fputs("SDL_Quit\n", stderr);
    }
    __real_SDL_Quit();
}

extern "C" SDL_Surface* __wrap_SDL_SetVideoMode(int width, int height, int bpp, Uint32 flags)
{
    gSeen.videoMode = {width, height, bpp, static_cast<int>(flags)};
    if (gSeen.failVideo) {
        SDL_SetError("mode refused");
        return nullptr;
    }
    return __real_SDL_SetVideoMode(width, height, bpp, flags);
}

extern "C" void __wrap_SDL_WM_SetIcon(SDL_Surface* icon, Uint8* mask)
{
    gSeen.iconWidth = icon != nullptr ? icon->w : -1;
    __real_SDL_WM_SetIcon(icon, mask);
}

extern "C" time_t __wrap_time(time_t* /*out: main passes null*/) { return gSeen.now; }

// Stands in for the round loop (renamed by the build): deals once from the
// deck main prepared and notes the caption.
void runRoundLoop(CardList* gatherList, CardList* stockList, CardList* handList, Purse* /*purse*/,
                  DisplayState* display, int32_t* /*mode*/, int32_t* /*running*/, SDL_Surface* /*screen*/)
{
    shuffleDeck(stockList, handList, gatherList);
    dealHand(stockList, handList, display);
    gSeen.deal = display->handCards;
    char* caption = nullptr;
    SDL_WM_GetCaption(&caption, nullptr);
    gSeen.caption = caption != nullptr ? caption : "";
}

namespace {

class Startup : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(chdir(VANTREL_RUNTIME_DIR), 0);  // the real icon
        gSeen = Seen{};
    }

    static int start()
    {
        std::array<char*, 1> argv = {nullptr};
        return vantrelMain(0, argv.data());
    }
};

TEST_F(Startup, OpensItsWindowWithTheIconAndDealsFromTheClock)
{
    const std::array<time_t, 3> clock = {1000, 2000, 1000};
    std::array<std::array<int32_t, 5>, 3> deals{};
    for (size_t i = 0; i < clock.size(); ++i) {
        gSeen.now = clock[i];
        EXPECT_EQ(start(), 0);
        deals[i] = gSeen.deal;
    }
    EXPECT_EQ(gSeen.videoMode, (std::array<int, 4>{872, 488, 32, SDL_HWSURFACE | SDL_DOUBLEBUF}));
    EXPECT_EQ(gSeen.iconWidth, 32);
    EXPECT_EQ(gSeen.caption, "Vantrel");
    EXPECT_EQ(deals[0], deals[2]) << "the same second deals the same cards";
    EXPECT_NE(deals[0], deals[1]) << "another second deals other cards";
}

using StartupDeathTest = Startup;

TEST_F(StartupDeathTest, FailuresSayWhichStepFailedAndExitOne)
{
    gSeen.failInit = true;
    EXPECT_EXIT(start(), ::testing::ExitedWithCode(1), "^Erreur d'initialisation de la SDL : no video here\n$");
    gSeen.failInit = false;
    gSeen.failVideo = true;
    EXPECT_EXIT(start(), ::testing::ExitedWithCode(1), "^Impossible de charger le mode video : mode refused\n$");
}

TEST_F(StartupDeathTest, ADriverThatShowsNoWindowIsAFailureBeforeAnythingIsDrawn)
{
    // The video mode would fail too: a driver check made after it would
    // print that line instead.
    gSeen.failVideo = true;
    gSeen.traceQuit = true;
    for (const char* driver : {"caca", "offscreen"}) {
        gSeen.driver = driver;
        EXPECT_EXIT(start(), ::testing::ExitedWithCode(1),
                    std::string("^Erreur d'initialisation de la SDL : le pilote vidéo ") + driver +
                        " n'affiche aucune fenêtre\nSDL_Quit\n$");
    }
}

TEST(VideoDriver, OnlyDriversThatShowThePlayerAPictureAreAccepted)
{
    for (const char* driver : {"x11", "dga", "wayland", "KMSDRM", "directfb", "fbcon", "svgalib"}) {
        EXPECT_TRUE(driverShowsAWindow(driver)) << driver;
    }
    for (const char* driver : {"caca", "aalib", "offscreen", "dummy", "evdev", "x1", "x11x", ""}) {
        EXPECT_FALSE(driverShowsAWindow(driver)) << driver;
    }
    EXPECT_FALSE(driverShowsAWindow(nullptr));
}

}  // namespace
