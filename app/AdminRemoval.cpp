#include "app/AdminRemoval.h"

#include "app/BackgroundWork.h"
#include "app/ElevatedRemoval.h"
#include "app/ResultCommands.h"
#include "app/StatusLine.h"
#include "framework/Strings.h"
#include "res/resource.h"

#include <algorithm>
#include <deque>
#include <map>

namespace {

const char* ListingSwitch(Listing listing)
{
    switch (listing) {
    case Listing::Cookies: return "/cookies";
    case Listing::Temporary: return "/temp";
    // Only lines whose rule's warning the user accepted were removed at all.
    case Listing::Rules: return "/rules /acceptwarnings";
    default: return "/standard";
    }
}

// What became of each line asked for, by its text: a line the list shows
// twice takes the report's entries for it one after the other. A line the
// program refused is kept, and no longer counts as refused by the system.
std::vector<Removal> RemovalsOfLines(const std::vector<std::string>& lines, const ElevatedOutcome& outcome)
{
    std::map<std::string, std::deque<Removal>> byLine;
    for (const auto& [line, removal] : outcome.items) byLine[line].push_back(removal);
    std::vector<Removal> removals;
    for (const std::string& line : lines) {
        Removal removal;
        removal.outcome = Outcome::Kept;
        removal.reason = KeptReason::NotRemoved;
        auto found = byLine.find(line);
        if (found != byLine.end()) {
            removal = found->second.front();
            if (found->second.size() > 1) found->second.pop_front();
        }
        removals.push_back(removal);
    }
    return removals;
}

}  // namespace

std::string LineCountText(UINT format, size_t count)
{
    std::string text = LoadResourceString(format);
    const size_t slot = text.find("%d");
    if (slot != std::string::npos) text.replace(slot, 2, std::to_string(count));
    return text;
}

HICON ShieldIcon()
{
    return static_cast<HICON>(LoadImageA(nullptr, IDI_SHIELD, IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                         GetSystemMetrics(SM_CYSMICON), LR_SHARED));
}

void DeleteDeniedAsAdministrator(ResultListView& view, HWND frame)
{
    std::vector<int> indices = view.SelectedDenied();
    if (indices.empty()) return;
    // From the last line to the first, so each line's index holds until it goes.
    std::reverse(indices.begin(), indices.end());
    std::vector<std::string> lines;
    for (int index : indices) lines.push_back(view.ResultAt(index).line);

    BeginWait(frame);
    const BackgroundWork::Look look = {LoadStringTail(ID_EDIT_REMOVE_AS_ADMIN), ProgressDialog::Bar::Marquee};
    const ElevatedOutcome outcome =
        DeleteElevated(frame, ListingSwitch(view.ShownListing()), lines, [&](HANDLE process) {
            // The elevated program cannot be stopped from here: the wait lasts until it ends.
            WorkStatus status;
            BackgroundWork::Run(frame, look, status, [process] { WaitForSingleObject(process, INFINITE); });
        });

    if (outcome.state != ElevatedOutcome::State::Done) {
        UpdateStatus(view, frame);
        SetMessagePane(frame, LoadResourceString(outcome.state == ElevatedOutcome::State::Cancelled
                                                     ? IDS_ADMIN_CANCELLED
                                                     : IDS_ADMIN_FAILED));
        return;
    }
    ShowRemovals(view, frame, indices, RemovalsOfLines(lines, outcome), RemovalMode::Delete);
    if (!outcome.refused.empty()) SetMessagePane(frame, LineCountText(IDS_ADMIN_REFUSED, outcome.refused.size()));
}
