#include "display/video_driver.h"

#include <strings.h>

#include <array>

bool driverShowsAWindow(const char* name)
{
    // A list of the drivers known to show something rather than of those
    // known not to: a driver unknown here may be one more headless one.
    // SDL 2 (under the compatibility library) spells KMSDRM in capitals.
    constexpr std::array<const char*, 7> kWindowDrivers = {"x11",      "dga",   "wayland", "kmsdrm",
                                                           "directfb", "fbcon", "svgalib"};
    if (name == nullptr) {
        return false;
    }
    for (const char* driver : kWindowDrivers) {
        if (strcasecmp(name, driver) == 0) {
            return true;
        }
    }
    return false;
}
