#include "scan/StatusLine.h"

#include "res/resource.h"

#include <commctrl.h>

#include <cstdio>

std::string LoadResourceString(UINT id)
{
    // The loader hands out the resource's own text; converting it ourselves
    // means no fixed buffer can cut it short.
    const wchar_t* text = nullptr;
    const int length = LoadStringW(GetModuleHandleA(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || text == nullptr) return {};
    const int size = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
    if (size <= 0) return {};
    std::string narrow(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, length, &narrow[0], size, nullptr, nullptr);
    return narrow;
}

std::string LoadStringTail(UINT id)
{
    const std::string text = LoadResourceString(id);
    const size_t newline = text.rfind('\n');
    return newline == std::string::npos ? text : text.substr(newline + 1);
}

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
