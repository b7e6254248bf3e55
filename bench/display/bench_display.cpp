// Screen drawing per call. Run from build/game (`make bench` does); the
// dummy video driver is used unless SDL_VIDEODRIVER names another.
#include <SDL.h>
#include <SDL_ttf.h>
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "bmp_writer.h"
#include "cards/purse.h"
#include "display/elements.h"
#include "display/layout.h"
#include "display/screens.h"
#include "display/text_panels.h"
#include "input/overlays.h"
#include "state/display_state.h"

namespace {

// One window per benchmark run, with a mid-game purse and hand; the timed
// loops only draw.
class ScreenBench : public benchmark::Fixture {
public:
    void SetUp(benchmark::State& state) override
    {
        if (SDL_Init(SDL_INIT_VIDEO) != 0) {
            state.SkipWithError(SDL_GetError());
            return;
        }
        screen = SDL_SetVideoMode(kScreenWidth, kScreenHeight, kScreenDepth, SDL_HWSURFACE | SDL_DOUBLEBUF);
        if (screen == nullptr) {
            state.SkipWithError(SDL_GetError());
        }
        resetDisplayState(&display);
        display.handCards = {1, 13, 36, 37, 52};
        resetPurse(&purse);
        purse.bet = 20;
        purse.handsWon = 12;
        purse.totalWon = 1480;
    }

    void TearDown(benchmark::State& /*state*/) override { SDL_Quit(); }

protected:
    SDL_Surface* screen = nullptr;
    DisplayState display{};
    Purse purse{};
};

BENCHMARK_F(ScreenBench, ShowBetScreen)(benchmark::State& state)
{
    for (auto _ : state) {
        showBetScreen(&display, &purse, screen);
    }
}

BENCHMARK_F(ScreenBench, ShowCardScreen)(benchmark::State& state)
{
    for (auto _ : state) {
        showCardScreen(&display, &purse, screen);
    }
}

BENCHMARK_F(ScreenBench, RefreshBetScreen)(benchmark::State& state)
{
    for (auto _ : state) {
        refreshBetScreen(&display, &purse, screen, kModeBet);
    }
}

BENCHMARK_F(ScreenBench, RefreshCardScreen)(benchmark::State& state)
{
    for (auto _ : state) {
        refreshCardScreen(&display, &purse, screen, kModeFirstHand);
        SDL_Flip(screen);  // the round loop flips right after
    }
}

BENCHMARK_F(ScreenBench, DrawScorePanel)(benchmark::State& state)
{
    for (auto _ : state) {
        drawScorePanel(&purse, screen);
    }
}

// The full-window bitmap every whole screen starts with.
BENCHMARK_F(ScreenBench, DrawBackground)(benchmark::State& state)
{
    display.screen = kScreenJeu;
    for (auto _ : state) {
        drawBackground(&display, screen);
    }
}

// The part of each score panel spent starting and stopping the font.
void FontStartup(benchmark::State& state)
{
    for (auto _ : state) {
        TTF_Init();
        TTF_Font* small = TTF_OpenFont(kFontFile, kScoreSmallPt);
        TTF_Font* large = TTF_OpenFont(kFontFile, kScoreLargePt);
        benchmark::DoNotOptimize(small);
        benchmark::DoNotOptimize(large);
        if (small != nullptr) {
            TTF_CloseFont(small);
        }
        if (large != nullptr) {
            TTF_CloseFont(large);
        }
        TTF_Quit();
    }
}
BENCHMARK(FontStartup);

}  // namespace

int main(int argc, char** argv)
{
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    benchmark::Initialize(&argc, argv);

    // The real art when run from the runtime folder, otherwise bitmaps of the
    // real sizes in a folder of our own.
    std::error_code error;
    const std::filesystem::path home = std::filesystem::current_path(error);
    std::string standIn;
    if (!std::filesystem::exists(kBackgroundImages[kScreenJeu])) {
        std::string pattern = (std::filesystem::temp_directory_path(error) / "vantrel_bench_XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr || chdir(pattern.c_str()) != 0) {
            std::fputs("cannot make a folder for the stand-in art\n", stderr);
            return 1;
        }
        standIn = pattern;
        const std::filesystem::path font =
            std::filesystem::exists(home / kFontFile) ? home / kFontFile : VANTREL_BENCH_FONT;
        std::filesystem::copy_file(font, kFontFile, error);
        if (error || !writeEveryImage(true)) {
            std::fputs("cannot write the stand-in art\n", stderr);
            return 1;
        }
    }
    benchmark::AddCustomContext("art", standIn.empty() ? "runtime folder" : "stand-in bitmaps of the real sizes");
    benchmark::AddCustomContext("video driver", std::getenv("SDL_VIDEODRIVER"));

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (!standIn.empty()) {
        std::filesystem::current_path(home, error);
        std::filesystem::remove_all(standIn, error);
    }
    return 0;
}
