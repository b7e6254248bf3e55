// Geometry of the drawn pictures that the asset test checks as well.
#pragma once

#include "display/layout.h"

struct ArtBox {
    int x;
    int y;
    int w;
    int h;
};

// Chips are square images holding one disc centred in them; every pixel the
// disc does not touch carries the colour key.
constexpr int kArtChipSize = kChipImageSize.w;
constexpr double kArtChipRadius = 35.0;

// Where the game background shows the pay table: the right side, which no
// element of the game screen covers.
constexpr ArtBox kPayTableBox = {598, 10, 264, 400};
