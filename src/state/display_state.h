// What the window shows: the screen, the five cards and every button and
// caption. Handlers write it, the drawing routines only read it. It lives at
// the bottom layer because the deal and the draw write the five card slots.
#pragma once

#include <array>
#include <cstdint>

// Values of `screen`: which background is drawn.
constexpr int32_t kScreenStart = 0;
constexpr int32_t kScreenOption = 1;
constexpr int32_t kScreenJeu = 2;
constexpr int32_t kScreenApropos = 3;
constexpr int32_t kScreenAide = 4;
constexpr int32_t kScreenGameover = 5;

// Values of `message`: the line at the top of the game screen.
constexpr int32_t kMsgMise = 0;
constexpr int32_t kMsgFirstHand = 1;
constexpr int32_t kMsgWin = 2;
constexpr int32_t kMsgLoose = 3;

// Two-state buttons (Garder, chips, Aide, Apropos, Retour, ...).
constexpr int32_t kButtonUp = 0;
constexpr int32_t kButtonDown = 1;

// The Carte button doubles as Rejouer: its value picks face and state.
constexpr int32_t kCarteUp = 2;
constexpr int32_t kCarteDown = 3;
constexpr int32_t kRejouerUp = 4;
constexpr int32_t kRejouerDown = 5;
constexpr int32_t kCarteDisabled = 12;

constexpr int32_t kResumeClosed = 12;  // the Resume button is never available

// `combination` is a hand code 0..9, or this value for the help caption.
constexpr int32_t kCombinationAide = 10;

constexpr int32_t kHandSlots = 5;
constexpr int32_t kChipButtons = 10;

// Thirty-one signed integers; the field order is part of the record.
struct DisplayState {
    int32_t screen;
    std::array<int32_t, kHandSlots> handCards;      // card id, 0 = face down
    std::array<int32_t, kHandSlots> garderButtons;  // 1 = exchanged at the draw
    std::array<int32_t, kChipButtons> chipButtons;  // 1, 2, 5, 10, 20, 50, 100, 200, Allin, Reset
    int32_t aideButton;
    int32_t aproposButton;
    int32_t carteButton;
    int32_t message;
    int32_t combination;
    int32_t retourButton;
    int32_t newGameButton;
    int32_t resumeButton;
    int32_t optionButton;
    int32_t continuerButton;
};
static_assert(sizeof(DisplayState) == 31 * sizeof(int32_t), "DisplayState is 31 packed integers");

// Sets every field to its start-of-round value.
void resetDisplayState(DisplayState* display);
