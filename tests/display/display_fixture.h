// Shared ground for the drawing tests: a dummy-driver screen, a temporary
// working folder holding a one-colour bitmap for every image the game draws,
// and a record of every flip.
#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "bmp_writer.h"
#include "cards/purse.h"
#include "display/layout.h"
#include "state/display_state.h"

using Frame = std::vector<uint32_t>;  // the screen's pixels, row by row

// SDL_Flip is wrapped at link time: the frame of every flip is kept here.
std::vector<Frame>& flips();
// When set, SDL_Quit says so on standard error (for the death tests).
void announceQuit(bool on);
// Ends the process by SIGALRM after `seconds` unless disarmed with alarm(0).
void armAlarm(unsigned seconds);

void pushMouse(Uint8 type, Uint8 button, int x, int y);
void pushKey(SDLKey key);  // a key press
int queuedEvents();
void drainEvents();

constexpr Rgb kNeutral = {1, 2, 3};  // the screen before anything is drawn
constexpr Rgb kGold = {247, 201, 17};
constexpr Rgb kNearWhite = {247, 247, 247};

// Pixels of one colour inside a box: how many, and how far right and down
// from the box's corner they reach.
struct Ink {
    int count;
    int width;
    int height;
};

class DisplayTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void copyFont();
    void clearScreen();
    Frame frame() const;
    uint32_t pixel(Rgb colour) const;
    uint32_t at(const Frame& frame, int x, int y) const { return frame[static_cast<size_t>(y * kScreenWidth + x)]; }
    uint32_t at(const Frame& frame, ScreenPos pos) const { return at(frame, pos.x, pos.y); }
    Ink ink(const Frame& frame, ScreenPos corner, int width, int height, Rgb colour) const;
    // The fixture of `file` covers exactly its own size at `pos`.
    ::testing::AssertionResult shows(const Frame& frame, const std::string& file, ScreenPos pos) const;

    SDL_Surface* screen_ = nullptr;
    DisplayState display_{};
    Purse purse_{};

private:
    std::string home_;
    std::string folder_;
};
