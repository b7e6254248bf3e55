// Browser version of src/display/video_driver.cpp, built in its place: the
// page's SDL has one driver, which draws into the page's canvas.
#include "display/video_driver.h"

bool driverShowsAWindow(const char* /*name*/) { return true; }
