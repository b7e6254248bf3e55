#include "display/layout.h"

#include <cstdio>

#include "cards/card_list.h"

bool cardImagePath(int32_t id, char* out, size_t size)
{
    if (size == 0) {
        return false;
    }
    out[0] = '\0';
    if (id == 0) {
        return std::snprintf(out, size, "%s", kCardBackImage) < static_cast<int>(size);
    }
    if (id < 1 || id > kDeckSize) {
        return false;
    }
    const char* rank = kRankTexts[static_cast<size_t>(rankOfId(id) - kRankTwo)];
    const char* suit = kSuitTexts[static_cast<size_t>(suitOfId(id))];
    const int written = std::snprintf(out, size, "image/carte/%s%s.bmp", rank, suit);
    if (written < 0 || written >= static_cast<int>(size)) {
        out[0] = '\0';
        return false;
    }
    return true;
}
