// Writes one-colour bitmap files for the drawing tests and benchmarks.
#pragma once

#include <string>

#include "display/layout.h"

constexpr int kFixtureSize = 8;  // test bitmaps other than backgrounds are this square

// Writes a w x h 24-bit bitmap filled with `fill`, creating its folders.
// When `keyed` is true the left half is the chips' see-through colour.
bool writeBmp(const std::string& path, int width, int height, Rgb fill, bool keyed);

// A colour of its own for each file name; never the chips' key colour.
Rgb colourOf(const std::string& path);

// Writes every image the game draws, by its tables, in the current folder,
// each filled with colourOf(its path). Backgrounds fill the window; the rest
// are kFixtureSize square, or of the real art's sizes (chips keyed) when
// `realSizes` is true.
bool writeEveryImage(bool realSizes);
