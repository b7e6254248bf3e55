// Hand evaluation: the combination code of a five-card hand.
#pragma once

#include <cstdint>

#include "cards/card_list.h"

// Combination codes, weakest to strongest; they index the pay table and the
// caption images.
constexpr int32_t HAND_RIEN = 0;
constexpr int32_t HAND_PAIRE = 1;
constexpr int32_t HAND_DOUBLE_PAIRE = 2;
constexpr int32_t HAND_BRELAN = 3;
constexpr int32_t HAND_SUITE = 4;
constexpr int32_t HAND_COULEUR = 5;
constexpr int32_t HAND_FULL_HOUSE = 6;
constexpr int32_t HAND_CARRE = 7;
constexpr int32_t HAND_QUINTE_FLUSH = 8;
constexpr int32_t HAND_QUINTE_FLUSH_ROYAL = 9;
constexpr int32_t HAND_CODE_COUNT = 10;

// Classifies a hand list kept in ascending id order. A list that does not hold
// exactly five cards gives HAND_RIEN.
int32_t evaluateHand(const CardList* handList);
