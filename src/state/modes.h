// Round-loop modes: which stage of play runs next. They sit at the bottom
// because the purse ends a game and every layer above reads or sets them.
#pragma once

#include <cstdint>

// There is no mode 4.
constexpr int32_t kModeQuit = -1;
constexpr int32_t kModeStart = 0;
constexpr int32_t kModeBet = 1;
constexpr int32_t kModeFirstHand = 2;
constexpr int32_t kModeResult = 3;
constexpr int32_t kModeOption = 5;
constexpr int32_t kModeGameOver = 6;
