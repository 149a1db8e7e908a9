#include "cmd/CleanRun.h"

#include "cmd/ConsoleProgress.h"
#include "cmd/RequestedLines.h"
#include "clean/CookiesKiller.h"
#include "clean/DeletionEngine.h"
#include "clean/TemporaryFilesCleaner.h"
#include "rules/RecycleBinLine.h"
#include "rules/RuleListing.h"
#include "rules/RuleSources.h"
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

void ListRules(ResultSet& results, const std::string& file, std::vector<std::string>& notes, bool& failed)
{
    const RuleSet rules = file.empty() ? DefaultRules() : RulesOfFile(file);
    failed = !rules.errors.empty();
    notes.insert(notes.end(), rules.errors.begin(), rules.errors.end());
    notes.insert(notes.end(), rules.notes.begin(), rules.notes.end());
    AddRuleResults(results, rules.entries, RuleContext::OfSystem(), notes);
    if (file.empty()) AddRecycleBinLine(results);
}

// Removes the listed items, but keeps what a rule that warns found unless
// the caller accepts its warnings.
void RemoveListed(Report& report, RemovalMode mode, bool acceptWarnings)
{
    std::vector<Result> results;
    std::vector<size_t> places;
    for (size_t index = 0; index < report.items.size(); ++index) {
        ReportItem& item = report.items[index];
        if (!item.result.warning.empty() && !acceptWarnings) {
            item.removal = {Outcome::Kept, KeptReason::WarningNotAccepted, 0};
            continue;
        }
        results.push_back(item.result);
        places.push_back(index);
    }
    WorkStatus status;
    status.SetTotals(results.size(), 0);
    std::vector<Removal> removals;
    RunShowingProgress(status, [&] { removals = RemoveResults(results, mode, Prompting::Never, &status); });
    for (size_t index = 0; index < removals.size(); ++index) report.items[places[index]].removal = removals[index];
}

}  // namespace

Engine RealEngine(const StartupFolders& folders)
{
    Engine engine;
    engine.standard = [&folders](ResultSet& results) { StandardScan(results, folders); };
    engine.cookies = [&folders](ResultSet& results) { ListCookies(results, folders); };
    engine.temporary = [&folders](ResultSet& results) { ListTemporaryFiles(results, folders); };
    engine.eraseTraces = EraseTracesWithCom;
    engine.rules = ListRules;
    return engine;
}

Report RunOptions(const Options& options, const Engine& engine)
{
    Report report;
    report.action = options.action;
    if (options.standard) AddListing(report, engine.standard);
    if (options.cookies) AddListing(report, engine.cookies);
    if (options.temporary) AddListing(report, engine.temporary);
    if (options.rules) {
        bool failed = false;
        AddListing(report, [&](ResultSet& results) { engine.rules(results, options.rulesFile, report.notes, failed); });
        report.rulesFailed = failed;
    }
    if (!options.onlyFile.empty()) KeepRequested(report, options.onlyLines);

    if (options.action != Action::Preview)
        RemoveListed(report, options.action == Action::Delete ? RemovalMode::Delete : RemovalMode::Recycle,
                     options.acceptWarnings);

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
