#pragma once

#include "scan/Results.h"

// Adds a line for the Recycle Bin of every drive with its size, when it
// holds anything.
void AddRecycleBinLine(ResultSet& results);
