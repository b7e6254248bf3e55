// Writes small bitmap files for the drawing tests and benchmarks.
#pragma once

#include <string>

#include "display/layout.h"

// Writes a w x h 24-bit bitmap filled with `fill`, creating its folders.
// When `keyed` is true the left half is the chips' see-through colour.
// False when the file could not be written.
bool writeBmp(const std::string& path, int width, int height, Rgb fill, bool keyed);
