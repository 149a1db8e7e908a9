#include "app/StatusLine.h"

#include "app/AdminRemoval.h"

#include "res/resource.h"
#include "scan/ByteSize.h"

#include <commctrl.h>

#include <cstdio>

std::string StatusLineText(ListCounts counts)
{
    if (counts.lines == 0) return LoadResourceString(IDS_CLEANUP_COMPLETED);
    char count[32];
    std::snprintf(count, sizeof count, "%d / %d ", counts.selected, counts.lines);
    return count + LoadStringTail(AFX_IDS_IDLEMESSAGE);
}

std::string ByteCountText(UINT format, std::uint64_t bytes)
{
    std::string text = LoadResourceString(format);
    const size_t slot = text.find("%s");
    if (slot != std::string::npos) text.replace(slot, 2, ByteSizeText(bytes));
    return text;
}

namespace {

// A pane of the frame's status bar, written at once rather than at the next idle update.
void SetPane(HWND frame, int pane, const std::string& text)
{
    HWND statusBar = GetDlgItem(frame, AFX_IDW_STATUS_BAR);
    if (statusBar == nullptr) return;
    SendMessageA(statusBar, SB_SETTEXTA, pane, reinterpret_cast<LPARAM>(text.c_str()));
    UpdateWindow(statusBar);
}

}  // namespace

void SetSizePane(HWND frame, const std::string& text) { SetPane(frame, 1, text); }

void SetMessagePane(HWND frame, const std::string& text) { SetPane(frame, 0, text); }

// Selected lines that the system refused to delete turn the message into the
// offer to delete them as administrator, under the shield; a click takes it.
void UpdateStatus(const ResultListView& view, HWND frame)
{
    const size_t denied = view.SelectedDenied().size();
    if (HWND statusBar = GetDlgItem(frame, AFX_IDW_STATUS_BAR))
        SendMessageA(statusBar, SB_SETICON, 0, reinterpret_cast<LPARAM>(denied > 0 ? ShieldIcon() : nullptr));
    SetPane(frame, 0, denied > 0 ? LineCountText(IDS_ADMIN_OFFER, denied) : StatusLineText(view.Counts()));
    SetSizePane(frame, ByteCountText(IDS_SELECTED_BYTES, view.SelectedBytes()));
}

void BeginWait(HWND frame)
{
    SetCursor(LoadCursor(nullptr, IDC_WAIT));
    SetPane(frame, 0, LoadResourceString(IDS_PLEASE_WAIT));
}
