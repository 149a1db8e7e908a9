#include "framework/StatusBar.h"

#include "framework/FrameWnd.h"
#include "framework/FrameworkIds.h"

#include <commctrl.h>

#include <cstring>

bool CStatusBar::Create(CWnd* parent, DWORD style, UINT id)
{
    m_dwStyle = style;
    HWND hwnd = ::CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | (style & WS_VISIBLE) | SBARS_SIZEGRIP, 0, 0,
                                  0, 0, parent->m_hWnd, reinterpret_cast<HMENU>(UINT_PTR{id}),
                                  ::GetModuleHandleA(nullptr), nullptr);
    if (hwnd == nullptr || !SubclassWindow(hwnd)) return false;
    if (auto* frame = dynamic_cast<CFrameWnd*>(parent)) frame->AddControlBar(this);
    return true;
}

bool CStatusBar::SetIndicators(const UINT* ids, int count)
{
    if (count != 1 || ids[0] != ID_SEPARATOR) return false;
    int edge = -1;
    return SendMessage(SB_SETPARTS, 1, reinterpret_cast<LPARAM>(&edge)) != 0;
}

void CStatusBar::SetPaneText(int pane, const std::string& text) const
{
    SendMessage(SB_SETTEXTA, static_cast<WPARAM>(pane), reinterpret_cast<LPARAM>(text.c_str()));
    ::UpdateWindow(m_hWnd);
}

std::string CStatusBar::GetPaneText(int pane) const
{
    const int length = LOWORD(SendMessage(SB_GETTEXTLENGTHA, static_cast<WPARAM>(pane), 0));
    // The length may count characters rather than bytes: leave room for both.
    std::string text(static_cast<size_t>(length) * 4 + 1, '\0');
    SendMessage(SB_GETTEXTA, static_cast<WPARAM>(pane), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(std::strlen(text.c_str()));
    return text;
}

void CStatusBar::LayoutIn(RECT& free)
{
    if (!IsWindowVisible()) return;
    SendMessage(WM_SIZE);  // the control works out its own height
    RECT bar = {};
    ::GetWindowRect(m_hWnd, &bar);
    const int height = bar.bottom - bar.top;
    free.bottom -= height;
    ::MoveWindow(m_hWnd, free.left, free.bottom, free.right - free.left, height, TRUE);
}
