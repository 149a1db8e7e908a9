#include "cmd/CleanRun.h"

#include "cmd/ConsoleProgress.h"
#include "cmd/RequestedLines.h"
#include "clean/CookiesKiller.h"
#include "clean/DeletionEngine.h"
#include "clean/TemporaryFilesCleaner.h"
#include "scan/StandardScan.h"

#include <objbase.h>

namespace {

// The platform's history object needs COM on the thread that erases.
TraceReport EraseTracesWithCom(const TraceSelection& selection)
{
    const HRESULT initialised = CoInitialize(nullptr);
    const TraceReport report = CleanTraces(selection);
    if (SUCCEEDED(initialised)) CoUninitialize();
    return report;
}

void AddListing(Report& report, const Engine::Listing& listing)
{
    ResultSet results;
    WorkStatus status;
    results.ReportTo(&status);
    RunShowingProgress(status, [&] { listing(results); });
    results.ReportTo(nullptr);
    for (const Result& result : results.Items()) report.items.push_back({result, {}});
}

}  // namespace

Engine RealEngine(const StartupFolders& folders)
{
    return {[&folders](ResultSet& results) { StandardScan(results, folders); },
            [&folders](ResultSet& results) { ListCookies(results, folders); },
            [&folders](ResultSet& results) { ListTemporaryFiles(results, folders); }, EraseTracesWithCom};
}

Report RunOptions(const Options& options, const Engine& engine)
{
    Report report;
    report.action = options.action;
    if (options.standard) AddListing(report, engine.standard);
    if (options.cookies) AddListing(report, engine.cookies);
    if (options.temporary) AddListing(report, engine.temporary);
    if (!options.onlyFile.empty()) KeepRequested(report, options.onlyLines);

    if (options.action != Action::Preview) {
        const RemovalMode mode = options.action == Action::Delete ? RemovalMode::Delete : RemovalMode::Recycle;
        std::vector<Result> results;
        for (const ReportItem& item : report.items) results.push_back(item.result);
        WorkStatus status;
        status.SetTotals(results.size(), 0);
        std::vector<Removal> removals;
        RunShowingProgress(status, [&] { removals = RemoveResults(results, mode, Prompting::Never, &status); });
        for (size_t index = 0; index < removals.size(); ++index) report.items[index].removal = removals[index];
    }

    if (options.traces) {
        report.tracesAsked = true;
        const TraceReport erased = engine.eraseTraces(options.traceKinds);
        for (std::size_t index = 0; index < TraceKindCount; ++index) {
            const TraceKind kind = static_cast<TraceKind>(index);
            if (options.traceKinds.Has(kind)) report.traces.push_back({kind, erased.Failed(kind)});
        }
    }
    return report;
}
