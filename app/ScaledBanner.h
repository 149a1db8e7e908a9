#pragma once

#include <windows.h>

// The About box banner at width x height pixels, shrunk smoothly from its
// drawing for 200% (or that drawing itself at that size); null on failure.
HBITMAP ScaledBanner(int width, int height);
