#include "app/ResultCommands.h"

#include "app/BackgroundWork.h"
#include "app/IETDlg.h"
#include "app/StatusLine.h"
#include "clean/CookiesKiller.h"
#include "clean/DeletionEngine.h"
#include "clean/TemporaryFilesCleaner.h"
#include "framework/Strings.h"
#include "rules/RecycleBinLine.h"
#include "rules/RuleListing.h"
#include "rules/RuleSources.h"
#include "res/resource.h"
#include "scan/StandardScan.h"
#include "scan/WideText.h"

#include <algorithm>
#include <functional>
#include <set>

namespace {

std::string CommandTitle(const std::string& name) { return name + " - " + LoadResourceString(AFX_IDS_APP_TITLE); }

// Titles the frame with the command and fills a list's worth of results off
// this thread; a stop keeps what was found until then.
ResultSet ListInBackground(const ResultListView& view, HWND frame, const std::string& title,
                           const std::function<void(ResultSet&)>& listing)
{
    SetWindowTextA(frame, title.c_str());
    ResultSet results(view.Locale());
    WorkStatus status;
    results.ReportTo(&status);
    const BackgroundWork::Look look = {title, ProgressDialog::Bar::Marquee};
    BackgroundWork::Run(frame, look, status, [&] { listing(results); });
    results.ReportTo(nullptr);
    return results;
}

// The entries whose warnings the user accepted in this session.
std::set<std::string> g_acceptedWarnings;

// Whether a rule's line may go: its entry has no warning, or the user
// accepts it now or did before.
bool WarningAccepted(const Result& result, HWND frame)
{
    if (result.warning.empty() || g_acceptedWarnings.count(result.rule) != 0) return true;
    std::string text = LoadResourceString(IDS_RULE_WARNING);
    for (const std::string* part : {&result.warning, &result.rule}) {
        const size_t slot = text.find("%s");
        if (slot != std::string::npos) text.replace(slot, 2, *part);
    }
    const std::wstring question = WideFromNarrow(text);
    const std::wstring title = WideFromNarrow(LoadResourceString(AFX_IDS_APP_TITLE));
    if (MessageBoxW(frame, question.c_str(), title.c_str(), MB_YESNO | MB_ICONWARNING) != IDYES) return false;
    g_acceptedWarnings.insert(result.rule);
    return true;
}

void RemoveSelected(ResultListView& view, HWND frame, RemovalMode mode)
{
    // From the last line to the first, so each line's index holds until it goes.
    std::vector<int> chosen = view.SelectedIndices();
    std::reverse(chosen.begin(), chosen.end());
    std::vector<Result> found = view.ResultsAt(chosen);
    std::vector<int> selected;
    std::vector<Result> results;
    std::set<std::string> declined;
    std::uint64_t listedBytes = 0;
    for (size_t item = 0; item < found.size(); ++item) {
        Result& result = found[item];
        if (declined.count(result.rule) != 0) continue;
        if (!WarningAccepted(result, frame)) {
            declined.insert(result.rule);
            continue;
        }
        listedBytes += result.bytes;
        results.push_back(std::move(result));
        selected.push_back(chosen[item]);
    }
    BeginWait(frame);

    WorkStatus status;
    status.SetTotals(results.size(), listedBytes);
    std::vector<Removal> removals;
    const UINT command = mode == RemovalMode::Delete ? ID_EDIT_DELETE : ID_EDIT_RECYCLE;
    const BackgroundWork::Look look = {CommandTitle(LoadStringTail(command)),
                                       listedBytes > 0 ? ProgressDialog::Bar::ByBytes : ProgressDialog::Bar::ByItems};
    BackgroundWork::Run(frame, look, status,
                        [&] { removals = RemoveResults(results, mode, Prompting::Allowed, &status, frame); });
    ShowRemovals(view, frame, selected, removals, mode);
}

}  // namespace

void ShowRemovals(ResultListView& view, HWND frame, const std::vector<int>& lines,
                  const std::vector<Removal>& removals, RemovalMode mode)
{
    std::uint64_t bytes = 0;
    std::vector<ResultListView::LineRemoval> changes;
    changes.reserve(removals.size());
    for (size_t item = 0; item < removals.size() && item < lines.size(); ++item) {
        bytes += removals[item].bytes;
        // Only a deletion the system refused is offered to an administrator.
        const bool denied = mode == RemovalMode::Delete && removals[item].reason == KeptReason::AccessDenied;
        changes.push_back({lines[item], LeavesList(removals[item]), removals[item].bytes, denied});
    }
    view.Removed(changes);
    UpdateStatus(view, frame);
    SetSizePane(frame, ByteCountText(mode == RemovalMode::Delete ? IDS_FREED_BYTES : IDS_RECYCLED_BYTES, bytes));
}

void RunStandardScan(ResultListView& view, HWND frame, const StartupFolders& folders)
{
    g_bCookiesEnabled = true;
    view.Clear();
    BeginWait(frame);
    view.Show(ListInBackground(view, frame, LoadResourceString(IDR_MAINFRAME),
                               [&folders](ResultSet& results) { StandardScan(results, folders); }));
    view.SetShownListing(Listing::Standard);
    UpdateStatus(view, frame);
}

void RunCookiesKiller(ResultListView& view, HWND frame, const StartupFolders& folders)
{
    view.Clear();
    ResultSet results = ListInBackground(view, frame, CommandTitle(LoadResourceString(ID_OPTIONS_COOKIES)),
                                         [&folders](ResultSet& found) { ListCookies(found, folders); });
    if (results.Size() == 0) g_bCookiesEnabled = false;
    view.Show(std::move(results));
    view.SetShownListing(Listing::Cookies);
    UpdateStatus(view, frame);
}

void RunTemporaryFilesCleaner(ResultListView& view, HWND frame, const StartupFolders& folders)
{
    view.Clear();
    view.Show(ListInBackground(view, frame, CommandTitle(LoadStringTail(ID_OPTIONS_IETEMP)),
                               [&folders](ResultSet& results) { ListTemporaryFiles(results, folders); }));
    view.SetShownListing(Listing::Temporary);

    // The dialog belongs to the view that holds the list.
    CIETDlg dialog(GetParent(view.List().m_hWnd));
    dialog.DoModal();
}

void RunApplications(ResultListView& view, HWND frame)
{
    view.Clear();
    std::vector<std::string> errors;
    std::vector<std::string> notes;
    view.Show(ListInBackground(view, frame, CommandTitle(LoadStringTail(ID_VIEW_APPLICATIONS)), [&](ResultSet& results) {
        const RuleSet rules = DefaultRules();
        errors = rules.errors;
        AddRuleResults(results, rules.entries, RuleContext::OfSystem(), notes);
        AddRecycleBinLine(results);
    }));
    view.SetShownListing(Listing::Rules);
    UpdateStatus(view, frame);
    // Keys left out (a protected place emptied wholesale, a folder that does
    // not expand) are counted here; the console program names each.
    if (!notes.empty()) {
        std::string text = LoadResourceString(IDS_RULE_NOTES);
        const size_t slot = text.find("%s");
        if (slot != std::string::npos) text.replace(slot, 2, std::to_string(notes.size()));
        SetMessagePane(frame, text);
    }
    // A rule file that could not be read is told once the list is there.
    std::string text;
    for (const std::string& error : errors) text += error + "\n";
    if (!text.empty())
        MessageBoxW(frame, WideFromNarrow(text).c_str(), WideFromNarrow(LoadResourceString(AFX_IDS_APP_TITLE)).c_str(),
                    MB_OK | MB_ICONWARNING);
}

void DeleteSelected(ResultListView& view, HWND frame) { RemoveSelected(view, frame, RemovalMode::Delete); }

void RecycleSelected(ResultListView& view, HWND frame) { RemoveSelected(view, frame, RemovalMode::Recycle); }
