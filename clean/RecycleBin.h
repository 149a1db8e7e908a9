#pragma once

#include "clean/DeletionEngine.h"

#include <windows.h>

#include <string>

// Moves one item, already checked to lie where its name says, to the Recycle
// Bin. The bin may refuse an item (larger than its room, the bin turned off
// for the drive, a network drive); the shell would then delete it for good.
// Where prompting is allowed the shell asks first, in a window owned by
// `owner`; where it is not, nothing asks anyone and such an item is kept
// and refused.
struct Recycling {
    bool recycled = false;  // the item is no longer where it was
    bool refused = false;   // the bin would not take it and no one could be asked
    DWORD error = 0;        // what the shell reported otherwise
};
Recycling MoveToRecycleBin(const std::string& path, Prompting prompting, HWND owner);

// Empties the Recycle Bin of every drive with the shell's own call, without
// its question, progress or sound. What it freed is what the bin no longer
// holds; an item it could not remove keeps the bin's line.
Removal EmptyRecycleBin();
