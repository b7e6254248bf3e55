#include "display_fixture.h"

#include "sdl_events.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <system_error>

extern "C" int __real_SDL_Flip(SDL_Surface* screen);
extern "C" void __real_SDL_Quit(void);

namespace {

bool gAnnounceQuit = false;
std::vector<Frame> gFlips;

Frame copyPixels(SDL_Surface* surface)  // the screen's rows are packed (checked in SetUp)
{
    SDL_LockSurface(surface);
    const auto* pixels = static_cast<const uint32_t*>(surface->pixels);
    Frame frame(pixels, pixels + surface->w * surface->h);
    SDL_UnlockSurface(surface);
    return frame;
}

void push(SDL_Event event) { ASSERT_EQ(SDL_PushEvent(&event), 0); }

}  // namespace

extern "C" int __wrap_SDL_Flip(SDL_Surface* screen)
{
    gFlips.push_back(copyPixels(screen));
    return __real_SDL_Flip(screen);
}

extern "C" void __wrap_SDL_Quit(void)
{
    if (gAnnounceQuit) {
        std::fputs("SDL_Quit called\n", stderr);
    }
    __real_SDL_Quit();
}

std::vector<Frame>& flips() { return gFlips; }

void announceQuit(bool on) { gAnnounceQuit = on; }

void armAlarm(unsigned seconds)
{
    sigset_t alarmOnly;
    sigemptyset(&alarmOnly);
    sigaddset(&alarmOnly, SIGALRM);
    sigprocmask(SIG_UNBLOCK, &alarmOnly, nullptr);
    std::signal(SIGALRM, SIG_DFL);  // SDL leaves it ignored
    alarm(seconds);
}

void pushMouse(Uint8 type, Uint8 button, int x, int y) { push(mouseEvent(type, x, y, button)); }

void pushKey(SDLKey key) { push(keyDown(key)); }

int queuedEvents()
{
    std::array<SDL_Event, 64> events{};
    return SDL_PeepEvents(events.data(), static_cast<int>(events.size()), SDL_PEEKEVENT, SDL_ALLEVENTS);
}

void drainEvents()
{
    SDL_Event event;
    while (SDL_PollEvent(&event) == 1) {
    }
}

void DisplayTest::SetUp()
{
    std::error_code error;
    home_ = std::filesystem::current_path(error).string();
    folder_ = (std::filesystem::temp_directory_path(error) / "vantrel_display_XXXXXX").string();
    ASSERT_NE(mkdtemp(folder_.data()), nullptr);
    ASSERT_EQ(chdir(folder_.c_str()), 0);
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    screen_ = SDL_SetVideoMode(kScreenWidth, kScreenHeight, kScreenDepth, SDL_HWSURFACE | SDL_DOUBLEBUF);
    ASSERT_NE(screen_, nullptr) << SDL_GetError();
    ASSERT_EQ(screen_->pitch, kScreenWidth * 4);
    armAlarm(120);  // a wait that never ends fails its test instead of stalling the run (room for sanitizers)
    drainEvents();
    clearScreen();
    gFlips.clear();
    gAnnounceQuit = false;
    ASSERT_TRUE(writeEveryImage(false));
    resetDisplayState(&display_);
    resetPurse(&purse_);
}

void DisplayTest::TearDown()
{
    SDL_Quit();
    gFlips.clear();
    alarm(0);
    EXPECT_EQ(chdir(home_.c_str()), 0);
    std::error_code error;
    std::filesystem::remove_all(folder_, error);
}

void DisplayTest::copyFont()
{
    std::error_code error;
    std::filesystem::copy_file(VANTREL_TEST_FONT, kFontFile, error);
    ASSERT_FALSE(error) << error.message();
}

void DisplayTest::clearScreen() { SDL_FillRect(screen_, nullptr, pixel(kNeutral)); }

Frame DisplayTest::frame() const { return copyPixels(screen_); }

uint32_t DisplayTest::pixel(Rgb colour) const { return SDL_MapRGB(screen_->format, colour.r, colour.g, colour.b); }

Ink DisplayTest::ink(const Frame& frame, ScreenPos corner, int width, int height, Rgb colour) const
{
    Ink found{0, 0, 0};
    int top = height;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (at(frame, corner.x + x, corner.y + y) == pixel(colour)) {
                ++found.count;
                found.width = std::max(found.width, x + 1);
                top = std::min(top, y);
                found.height = y + 1 - top;
            }
        }
    }
    return found;
}

::testing::AssertionResult DisplayTest::shows(const Frame& frame, const std::string& file, ScreenPos pos) const
{
    const bool background = file.rfind("image/background", 0) == 0;
    const int width = background ? kScreenWidth : kFixtureSize;
    const int height = background ? kScreenHeight : kFixtureSize;
    // Both inside corners, and the pixels just left of the first and right of the last.
    for (const auto& [dx, dy] : {std::pair{-1, 0}, {0, 0}, {width - 1, height - 1}, {width, height - 1}}) {
        const int x = pos.x + dx;
        const int y = pos.y + dy;
        if (x >= 0 && x < kScreenWidth && (at(frame, x, y) == pixel(colourOf(file))) != (dx >= 0 && dx < width)) {
            return ::testing::AssertionFailure()
                   << file << " drawn at (" << pos.x << ", " << pos.y << ") is wrong at (" << x << ", " << y << ")";
        }
    }
    return ::testing::AssertionSuccess();
}
