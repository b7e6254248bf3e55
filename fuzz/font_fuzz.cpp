// The game's font path on any bytes: the font check, then every text the
// game draws (the widest scores, the web address, the version) at each of
// its point sizes, through the very routines the game calls. The bytes stay
// in memory: "arial.ttf" in the working folder (run_fuzzer.sh runs it in its
// output folder) links to a memory file that each input overwrites, so the
// font is opened as the game opens it.
#include <SDL.h>
#include <sys/mman.h>
#include <unistd.h>

#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "display/layout.h"
#include "display/text_panels.h"

namespace {

struct Harness {
    SDL_Surface* screen;
    int fontFile;
};

Harness start()
{
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    const int fontFile = memfd_create(kFontFile, MFD_CLOEXEC);
    unlink(kFontFile);  // a link left by an earlier run
    if (SDL_Init(SDL_INIT_VIDEO) != 0 || fontFile < 0 ||
        symlink(("/proc/self/fd/" + std::to_string(fontFile)).c_str(), kFontFile) != 0) {
        std::perror("font fuzzer");
        std::abort();
    }
    SDL_Surface* screen = SDL_SetVideoMode(kScreenWidth, kScreenHeight, kScreenDepth, SDL_SWSURFACE);
    if (screen == nullptr) {
        std::abort();
    }
    return {screen, fontFile};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const Harness harness = start();  // SDL and the scratch folder last the whole run
    if (ftruncate(harness.fontFile, 0) != 0 || pwrite(harness.fontFile, data, size, 0) != static_cast<ssize_t>(size)) {
        std::abort();
    }
    // Every digit and the sign, in numbers as wide as a score gets, and
    // repeated digits, between which a font may kern.
    Purse purse = {.bank = INT32_MIN,
                   .bet = 1234567890,
                   .win = -987654321,
                   .handsWon = 0,
                   .handsLost = INT32_MAX,
                   .bestWin = -1100229933,
                   .totalWon = 1144556677};
    drawScorePanel(&purse, harness.screen);
    drawAideText(harness.screen);
    drawAproposText(harness.screen);
    return 0;
}
