// Round-loop modes: which stage of play runs next. They sit at the bottom
// because the purse ends a game and every layer above reads or sets them.
#pragma once

#include <cstdint>

// There is no mode 4.
constexpr int32_t MODE_QUIT = -1;
constexpr int32_t MODE_START = 0;
constexpr int32_t MODE_BET = 1;
constexpr int32_t MODE_FIRST_HAND = 2;
constexpr int32_t MODE_RESULT = 3;
constexpr int32_t MODE_OPTION = 5;
constexpr int32_t MODE_GAME_OVER = 6;
