#include "scan/StatusLine.h"

#include "res/resource.h"

#include <commctrl.h>

#include <cstdio>

std::string StatusLineText(ListCounts counts)
{
    if (counts.lines == 0) return LoadResourceString(IDS_CLEANUP_COMPLETED);
    char count[32];
    std::snprintf(count, sizeof count, "%d / %d ", counts.selected, counts.lines);
    return count + LoadStringTail(AFX_IDS_IDLEMESSAGE);
}

namespace {

// Pane 0 of the frame's status bar, written at once rather than at the next idle update.
void SetMessagePane(HWND frame, const std::string& text)
{
    HWND statusBar = GetDlgItem(frame, AFX_IDW_STATUS_BAR);
    if (statusBar == nullptr) return;
    SendMessageA(statusBar, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text.c_str()));
    UpdateWindow(statusBar);
}

}  // namespace

void UpdateStatus(const CListBox& list, HWND frame) { SetMessagePane(frame, StatusLineText(CountLines(list))); }

void BeginWait(HWND frame)
{
    SetCursor(LoadCursor(nullptr, IDC_WAIT));
    SetMessagePane(frame, LoadResourceString(IDS_PLEASE_WAIT));
}
