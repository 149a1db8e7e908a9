#pragma once

#include "cmd/CommandLine.h"
#include "cmd/Report.h"
#include "scan/Results.h"
#include "scan/StartupFolders.h"
#include "traces/CleanTraces.h"

#include <functional>

// The parts of the engine a run uses. The program uses the real ones over
// the start-up folders; tests point them at folders of their own.
struct Engine {
    using Listing = std::function<void(ResultSet&)>;
    Listing standard;
    Listing cookies;
    Listing temporary;
    std::function<TraceReport(const TraceSelection&)> eraseTraces;
    // The rules of a file, or the default ones for an empty name; what was
    // left out or could not be read goes to `notes`, and `failed` says
    // whether a file could not be read at all.
    std::function<void(ResultSet&, const std::string& file, std::vector<std::string>& notes, bool& failed)> rules;
};

// The standard scan, the cookies killer's and the temporary-files cleaner's
// listings over `folders`, and the trace cleaner on the user's own folders.
Engine RealEngine(const StartupFolders& folders);

// Lists what the options choose, each listing in its own order and one after
// the other (standard, cookies, temporary, rules), removes every listed item
// when asked, without ever asking anyone (what a rule with a warning found
// only with /acceptwarnings), then erases the traces asked for.
Report RunOptions(const Options& options, const Engine& engine);
