#pragma once

#include "clean/DeletionEngine.h"

#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

// Deleting lines as administrator. The console program beside this one is
// started elevated (the system asks the user's consent first) with the
// listing that filled the list and the lines asked for. The lines go in a
// file, in a new folder that only this user and administrators may use; the
// elevated program lists again by itself, deletes only the items that its
// own listing and the file both name, refuses every other line, and writes
// its JSON report into the same folder. The folder goes when the report has
// been read.

struct ElevatedOutcome {
    enum class State { Done, Cancelled, Failed };
    State state = State::Failed;
    // Each line the program listed and was asked for, with what became of
    // it, in the report's order (a line listed twice comes twice).
    std::vector<std::pair<std::string, Removal>> items;
    // The lines it refused: its own listing did not find them.
    std::vector<std::string> refused;
};

// `listingSwitch` is the console program's switch for the listing
// ("/standard"); `wait` waits for the started process, keeping the window
// answering meanwhile. The consent prompt belongs to `owner`.
ElevatedOutcome DeleteElevated(HWND owner, const std::string& listingSwitch, const std::vector<std::string>& lines,
                               const std::function<void(HANDLE process)>& wait);

// The console program's report as an outcome, its lines in this process's code page.
ElevatedOutcome OutcomeOfReport(const std::string& json);
