// Shared ground for the drawing tests: a dummy-driver screen, a temporary
// working folder full of one-colour bitmaps, and a record of every flip.
#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "bmp_writer.h"
#include "display/layout.h"

inline bool operator==(Rgb a, Rgb b)
{
    return a.r == b.r && a.g == b.g && a.b == b.b;
}
inline bool operator!=(Rgb a, Rgb b)
{
    return !(a == b);
}
inline void PrintTo(Rgb c, std::ostream* out)
{
    *out << "rgb(" << int{c.r} << ", " << int{c.g} << ", " << int{c.b} << ")";
}

// What the screen held at one moment, packed row by row.
using Frame = std::vector<uint32_t>;

// Every flip of the screen is recorded (SDL_Flip is wrapped at link time).
struct FlipLog {
    int count;
    std::vector<Frame> frames;
};
FlipLog& flipLog();
// When set, SDL_Quit announces itself on standard error (for the death tests).
void announceQuit(bool on);

constexpr Rgb kNeutral = {1, 2, 3};  // the screen before anything is drawn

// Events as the player would cause them.
void pushMouse(Uint8 type, Uint8 button, int x, int y);
void pushKey(Uint8 type, SDLKey key);
void pushQuit();
std::vector<SDL_Event> queuedEvents();

class DisplayTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Bitmaps of one colour unique to each file (colourOf): full screen
    // size for the backgrounds, kFixtureSize square otherwise.
    void writeFixture(const std::string& file, bool keyed = false);
    void writeAllFixtures();
    void removeFixture(const std::string& file);
    void copyFont();

    void fillScreen(Rgb colour);
    Frame currentFrame() const;
    Rgb at(const Frame& frame, int x, int y) const;

    // The fixture of `file` covers exactly its own size at `pos`.
    ::testing::AssertionResult showsImage(const Frame& frame, const std::string& file, ScreenPos pos) const;

    SDL_Surface* screen_ = nullptr;

private:
    std::string home_;
    std::string folder_;
};
