#pragma once

#include "clean/DeletionEngine.h"
#include "cmd/CommandLine.h"
#include "scan/Results.h"
#include "traces/TraceKind.h"

#include <cstdint>
#include <string>
#include <vector>

// What became of one listed item; its removal's outcome is Listed when
// nothing was asked to happen to it.
struct ReportItem {
    Result result;
    Removal removal;
};

struct TraceOutcome {
    TraceKind kind;
    bool failed = false;
};

// Everything a run did, in the order it did it, for the text and JSON views.
struct Report {
    Action action = Action::Preview;
    std::vector<ReportItem> items;
    bool tracesAsked = false;
    std::vector<TraceOutcome> traces;  // the kinds asked for, in the order of TraceKind
    bool onlyAsked = false;            // the run kept to lines it was given (/only)
    std::vector<std::string> refused;  // lines given that the listing did not find: left alone
    std::vector<std::string> notes;    // what the rules left out, and why
    bool rulesFailed = false;          // a rule file could not be read at all

    std::uint64_t ListedBytes() const;
    // What /delete freed: the sizes of the files actually gone.
    std::uint64_t FreedBytes() const;
    // What /recycle moved to the Recycle Bin.
    std::uint64_t RecycledBytes() const;
};

// 0 when everything asked was done, 1 when an item stayed, a line given was
// refused or a trace was not erased. An item that was gone before its turn (a duplicate line, or a
// line inside a folder removed just before) is not an item that stayed.
int ExitStatus(const Report& report);

// The report's name of an outcome: "listed", "removed", "recycled", "kept".
const char* OutcomeName(Outcome outcome);
