#pragma once

#include "traces/TraceKind.h"

#include <string>

// The folders whose content the trace cleaner removes; an empty path is one
// the platform did not give, and is passed over.
struct TraceFolders {
    std::string LegacyHistory;  // "History" directly under the Windows folder
    std::string UserHistory;    // the shell's history folder of the user
    std::string Recent;         // the shell's recent-documents folder of the user
};

// Asks the platform for the three folders now.
TraceFolders ReadTraceFolders();

// Which of the kinds asked for could not be erased completely.
class TraceReport {
public:
    void SetFailed(TraceKind kind) { m_failed[static_cast<std::size_t>(kind)] = true; }
    bool Failed(TraceKind kind) const { return m_failed[static_cast<std::size_t>(kind)]; }

private:
    std::array<bool, TraceKindCount> m_failed = {};
};

// Erases the selected kinds of traces, kind by kind in the order of
// TraceKind: registry keys under HKEY_CURRENT_USER go with everything under
// them, the history and Recent folders are emptied ("desktop.ini" stays,
// "index.dat" is wiped first). The URL history is cleared through the
// platform's history object, which needs COM on this thread. A trace that
// cannot be erased stays, the next one is taken, and its kind is reported.
TraceReport CleanTraces(const TraceSelection& selection);
TraceReport CleanTraces(const TraceSelection& selection, const TraceFolders& folders);
