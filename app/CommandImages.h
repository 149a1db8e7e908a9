#pragma once

#include <windows.h>

// The eight command pictures as drawn for one scale of the screen: their
// bitmap strip and the size of one picture.
struct CommandImages {
    UINT bitmap;
    SIZE size;
};

// The drawing for the largest scale (100%, 125%, 150%, 175%, 200%) not above the DPI's:
// pictures are never stretched, so they stay sharp.
CommandImages CommandImagesFor(UINT dpi);
