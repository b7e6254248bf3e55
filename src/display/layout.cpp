#include "display/layout.h"

#include <cstdio>

bool cardImagePath(int32_t id, char* out, size_t size)
{
    if (size == 0) {
        return false;
    }
    out[0] = '\0';
    if (id < 0 || id > kDeckSize) {
        return false;
    }
    const int written = std::snprintf(out, size, "%s", kCardImages[static_cast<size_t>(id)]);
    if (written < 0 || written >= static_cast<int>(size)) {
        out[0] = '\0';
        return false;
    }
    return true;
}
