#include "menus/DrawnMiniDockFrameWnd.h"

std::unique_ptr<CMiniDockFrameWnd> CDrawnMiniDockFrameWnd::New() { return std::make_unique<CDrawnMiniDockFrameWnd>(); }

LRESULT CDrawnMiniDockFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto base = [this](UINT baseMessage, WPARAM baseW, LPARAM baseL) {
        return CMiniDockFrameWnd::WindowProc(baseMessage, baseW, baseL);
    };
    if (message == WM_CREATE) {
        if (base(message, wParam, lParam) == -1) return -1;
        systemMenu.Attach(::GetSystemMenu(m_hWnd, FALSE));
        return 0;
    }
    LRESULT result = 0;
    if (OnDrawnFrameMessage(m_hWnd, message, wParam, lParam, result, base)) return result;
    return base(message, wParam, lParam);
}
