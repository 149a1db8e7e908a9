#pragma once

#include "scan/FileSweep.h"
#include "scan/WorkStatus.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

// The walk that removes a rule line's files under its root, once the engine
// has found the root to be where its name says. Every check compares with
// where the folders were found to lie, never with where they resolve now.

struct SweepTally {
    std::uint64_t bytes = 0;  // of the files gone
    bool anyLeft = false;     // a file it was to remove stayed
};

// Removes one file that lies in `resolvedFolder` as `name`; whether it went.
using SweepFileRemover =
    std::function<bool(const std::string& path, const std::string& resolvedFolder, const char* name, DWORD attributes)>;

// Takes every file of the sweep (none it keeps) with `remove`; with the
// sweep's `removeEmptied`, every folder of the tree left empty goes after
// its files, the root last. A link is neither entered nor removed.
SweepTally RemoveSweptFiles(const FileSweep& sweep, const std::string& resolvedRoot, const SweepFileRemover& remove,
                            WorkStatus* status);
