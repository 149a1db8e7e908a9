#include "tests/menus/MenuFrame.h"

#include "res/resource.h"

MenuFrame* MenuFrame::Open()
{
    auto* frame = new MenuFrame;
    if (!frame->LoadFrame(IDR_MAINFRAME, nullptr)) {
        delete frame;
        return nullptr;
    }
    ::ShowWindow(frame->m_hWnd, SW_SHOW);
    ::UpdateWindow(frame->m_hWnd);
    return frame;
}

bool MenuFrame::PreCreateWindow(CREATESTRUCTA& cs)
{
    cs.x = 100;
    cs.y = 100;
    cs.cx = 500;
    cs.cy = 400;
    return CDrawnFrameWnd::PreCreateWindow(cs);
}

void MenuFrame::Close() { DestroyWindow(); }

bool MenuFrame::WhileOpen(HMENU popup, POINT at, Step step)
{
    m_step = std::move(step);
    m_stepRan = false;
    CMenu::TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_TOPALIGN, at.x, at.y, m_hWnd);
    m_step = nullptr;
    // What the menu covered is painted again before the next one opens.
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    return m_stepRan;
}

LRESULT MenuFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_ENTERIDLE && wParam == MSGF_MENU && m_step && !m_stepRan) {
        m_stepRan = true;
        HWND menuWindow = ::FindWindowA("#32768", nullptr);
        if (menuWindow != nullptr)
            ::RedrawWindow(menuWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW);
        m_step(menuWindow);
        ::EndMenu();
        return 0;
    }
    return CDrawnFrameWnd::WindowProc(message, wParam, lParam);
}

COLORREF WindowPixel(HWND window, int x, int y)
{
    HDC dc = ::GetWindowDC(window);
    const COLORREF pixel = ::GetPixel(dc, x, y);
    ::ReleaseDC(window, dc);
    return pixel;
}
