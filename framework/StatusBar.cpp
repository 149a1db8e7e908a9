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
    if (count < 1 || count > 8 || ids[0] != ID_SEPARATOR) return false;
    m_paneCount = count;
    FitPanes();
    return SendMessage(SB_GETPARTS) == count;
}

int CStatusBar::TextWidth(int pane) const
{
    // Wide text: the narrow measure would read it in the font's code page.
    std::wstring text(LOWORD(SendMessage(SB_GETTEXTLENGTHW, static_cast<WPARAM>(pane))) + 1u, L'\0');
    text.resize(LOWORD(::SendMessageW(m_hWnd, SB_GETTEXTW, static_cast<WPARAM>(pane),
                                      reinterpret_cast<LPARAM>(&text[0]))));
    HDC dc = ::GetDC(m_hWnd);
    HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)));
    SIZE extent = {};
    ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    ::SelectObject(dc, old);
    ::ReleaseDC(m_hWnd, dc);
    return extent.cx;
}

void CStatusBar::FitPanes()
{
    int borders[3] = {};
    SendMessage(SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
    RECT client = {};
    ::GetClientRect(m_hWnd, &client);
    // The size grip takes the bar's height at its right end.
    const int grip = client.bottom - client.top;
    int edges[8];
    int right = client.right - grip;
    for (int pane = m_paneCount - 1; pane >= 1; --pane) {
        edges[pane] = pane == m_paneCount - 1 ? -1 : right;
        right -= TextWidth(pane) + 4 * borders[0] + 2 * borders[2];
    }
    edges[0] = right > 0 ? right : 0;
    if (m_paneCount == 1) edges[0] = -1;
    SendMessage(SB_SETPARTS, static_cast<WPARAM>(m_paneCount), reinterpret_cast<LPARAM>(edges));
}

LRESULT CStatusBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = CControlBar::WindowProc(message, wParam, lParam);
    const bool laterPaneText = (message == SB_SETTEXTA || message == SB_SETTEXTW) && LOBYTE(wParam) > 0;
    if (laterPaneText || message == WM_SIZE || message == WM_SETFONT) FitPanes();
    return result;
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
