#include "framework/MiniDockFrameWnd.h"

#include "framework/ToolBar.h"


bool CMiniDockFrameWnd::Create(CWnd* owner, CToolBar* bar)
{
    m_pBar = bar;
    const char* className = RegisterClass("DustrelMiniDockFrame", CS_DBLCLKS, nullptr,
                                          reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    const RECT none = {0, 0, 0, 0};
    return className != nullptr &&
           CreateEx(ExStyle, className, bar->GetWindowText().c_str(), Style, none, owner->m_hWnd, 0);
}

LRESULT CMiniDockFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCLBUTTONDOWN:
        if (wParam != HTCAPTION || m_pBar == nullptr) break;
        m_pBar->BeginDrag({static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
        return 0;
    case WM_NCLBUTTONDBLCLK:
        if (wParam != HTCAPTION || m_pBar == nullptr) break;
        m_pBar->DockBack();
        return 0;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_CLOSE:
        if (m_pBar) m_pBar->ShowBar(false);
        return 0;
    case WM_SIZE:
        if (m_pBar && m_pBar->m_hWnd && ::GetParent(m_pBar->m_hWnd) == m_hWnd)
            ::MoveWindow(m_pBar->m_hWnd, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    case WM_COMMAND: {
        // A window of its own, the floating bar stays enabled while a modal
        // dialog or long work disables the frame; its commands wait as the
        // frame's own do.
        const HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
        return ::IsWindowEnabled(owner) ? ::SendMessageA(owner, message, wParam, lParam) : 0;
    }
    case WM_NOTIFY:
        return ::SendMessageA(::GetWindow(m_hWnd, GW_OWNER), message, wParam, lParam);
    default:
        break;
    }
    return Default(message, wParam, lParam);
}
