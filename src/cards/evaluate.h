// Hand evaluation: the combination code of a five-card hand.
#pragma once

#include <cstdint>

#include "cards/card_list.h"

// Combination codes, weakest to strongest; they index the pay table and the
// caption images.
constexpr int32_t kHandRien = 0;
constexpr int32_t kHandPaire = 1;
constexpr int32_t kHandDoublePaire = 2;
constexpr int32_t kHandBrelan = 3;
constexpr int32_t kHandSuite = 4;
constexpr int32_t kHandCouleur = 5;
constexpr int32_t kHandFullHouse = 6;
constexpr int32_t kHandCarre = 7;
constexpr int32_t kHandQuinteFlush = 8;
constexpr int32_t kHandQuinteFlushRoyal = 9;
constexpr int32_t kHandCodeCount = 10;

// Classifies a hand list kept in ascending id order. A list that does not hold
// exactly five cards gives kHandRien.
int32_t evaluateHand(const CardList* handList);
