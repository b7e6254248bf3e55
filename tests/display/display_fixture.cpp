#include "display_fixture.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "bmp_writer.h"

extern "C" int __real_SDL_Flip(SDL_Surface* screen);
extern "C" void __real_SDL_Quit(void);

namespace {

bool gAnnounceQuit = false;

FlipLog gFlips{0, {}};

Frame copyPixels(SDL_Surface* surface)
{
    Frame frame(static_cast<size_t>(surface->w) * static_cast<size_t>(surface->h));
    SDL_LockSurface(surface);
    for (int y = 0; y < surface->h; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(surface->pixels) +
                                                            static_cast<size_t>(y) * surface->pitch);
        std::copy(row, row + surface->w, frame.begin() + static_cast<std::ptrdiff_t>(y) * surface->w);
    }
    SDL_UnlockSurface(surface);
    return frame;
}

bool isBackground(const std::string& file)
{
    return file.rfind("image/background", 0) == 0;
}

}  // namespace

extern "C" int __wrap_SDL_Flip(SDL_Surface* screen)
{
    ++gFlips.count;
    gFlips.frames.push_back(copyPixels(screen));
    return __real_SDL_Flip(screen);
}

extern "C" void __wrap_SDL_Quit(void)
{
    if (gAnnounceQuit) {
        std::fputs("SDL_Quit called\n", stderr);
    }
    __real_SDL_Quit();
}

FlipLog& flipLog()
{
    return gFlips;
}

void announceQuit(bool on)
{
    gAnnounceQuit = on;
}

void pushMouse(Uint8 type, Uint8 button, int x, int y)
{
    SDL_Event event{};
    event.type = type;
    event.button.type = type;
    event.button.button = button;
    event.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.button.x = static_cast<Uint16>(x);
    event.button.y = static_cast<Uint16>(y);
    ASSERT_EQ(SDL_PushEvent(&event), 0);
}

void pushKey(Uint8 type, SDLKey key)
{
    SDL_Event event{};
    event.type = type;
    event.key.type = type;
    event.key.keysym.sym = key;
    ASSERT_EQ(SDL_PushEvent(&event), 0);
}

void pushQuit()
{
    SDL_Event event{};
    event.type = SDL_QUIT;
    ASSERT_EQ(SDL_PushEvent(&event), 0);
}

std::vector<SDL_Event> queuedEvents()
{
    std::array<SDL_Event, 128> events{};
    const int count = SDL_PeepEvents(events.data(), static_cast<int>(events.size()), SDL_PEEKEVENT, SDL_ALLEVENTS);
    return {events.begin(), events.begin() + (count > 0 ? count : 0)};
}

void DisplayTest::SetUp()
{
    std::error_code error;
    home_ = std::filesystem::current_path(error).string();
    std::string pattern = (std::filesystem::temp_directory_path(error) / "vantrel_display_XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
    ASSERT_EQ(chdir(folder_.c_str()), 0);

    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    screen_ = SDL_SetVideoMode(kScreenWidth, kScreenHeight, kScreenDepth, SDL_HWSURFACE | SDL_DOUBLEBUF);
    ASSERT_NE(screen_, nullptr) << SDL_GetError();
    ASSERT_EQ(screen_->format->BytesPerPixel, 4);
    SDL_Event stray;
    while (SDL_PollEvent(&stray) == 1) {
    }
    fillScreen(kNeutral);
    gFlips = {0, {}};
    gAnnounceQuit = false;
}

void DisplayTest::TearDown()
{
    SDL_Quit();
    gFlips = {0, {}};
    if (!home_.empty()) {
        EXPECT_EQ(chdir(home_.c_str()), 0);
    }
    if (!folder_.empty()) {
        std::error_code error;
        std::filesystem::remove_all(folder_, error);
    }
}

void DisplayTest::writeFixture(const std::string& file, bool keyed)
{
    const int width = isBackground(file) ? kScreenWidth : kFixtureSize;
    const int height = isBackground(file) ? kScreenHeight : kFixtureSize;
    ASSERT_TRUE(writeBmp(file, width, height, colourOf(file), keyed)) << file;
}

void DisplayTest::writeAllFixtures()
{
    ASSERT_TRUE(writeEveryImage(false));
}

void DisplayTest::removeFixture(const std::string& file)
{
    ASSERT_TRUE(std::filesystem::remove(file)) << file;
}

void DisplayTest::copyFont()
{
    std::error_code error;
    std::filesystem::copy_file(VANTREL_TEST_FONT, kFontFile, std::filesystem::copy_options::overwrite_existing,
                               error);
    ASSERT_FALSE(error) << error.message();
}

void DisplayTest::fillScreen(Rgb colour)
{
    SDL_FillRect(screen_, nullptr, SDL_MapRGB(screen_->format, colour.r, colour.g, colour.b));
}

Frame DisplayTest::currentFrame() const
{
    return copyPixels(screen_);
}

Rgb DisplayTest::at(const Frame& frame, int x, int y) const
{
    Rgb colour{0, 0, 0};
    const uint32_t pixel = frame[static_cast<size_t>(y) * kScreenWidth + static_cast<size_t>(x)];
    SDL_GetRGB(pixel, screen_->format, &colour.r, &colour.g, &colour.b);
    return colour;
}

::testing::AssertionResult DisplayTest::showsImage(const Frame& frame, const std::string& file,
                                                   ScreenPos pos) const
{
    const Rgb colour = colourOf(file);
    const int width = isBackground(file) ? kScreenWidth : kFixtureSize;
    const int height = isBackground(file) ? kScreenHeight : kFixtureSize;
    const int left = pos.x;
    const int top = pos.y;
    const int right = pos.x + width - 1;
    const int bottom = pos.y + height - 1;
    const auto onScreen = [](int x, int y) { return x >= 0 && y >= 0 && x < kScreenWidth && y < kScreenHeight; };
    struct Probe {
        int x;
        int y;
        bool inside;
    };
    const std::array<Probe, 8> probes = {{
        {left, top, true},
        {right, top, true},
        {left, bottom, true},
        {right, bottom, true},
        {left - 1, top, false},
        {left, top - 1, false},
        {right + 1, bottom, false},
        {right, bottom + 1, false},
    }};
    for (const Probe& probe : probes) {
        if (!onScreen(probe.x, probe.y)) {
            continue;
        }
        if ((at(frame, probe.x, probe.y) == colour) != probe.inside) {
            return ::testing::AssertionFailure() << file << (probe.inside ? " missing at (" : " spills onto (")
                                                 << probe.x << ", " << probe.y << ") when drawn at (" << pos.x
                                                 << ", " << pos.y << ")";
        }
    }
    return ::testing::AssertionSuccess();
}
