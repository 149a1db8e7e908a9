#include "menus/DrawnFrameWnd.h"

#include "framework/Dpi.h"
#include "menus/MenuValues.h"

bool CDrawnFrameWnd::Create(const char* className, const char* title, DWORD style, const RECT& rect, HWND parent,
                            LPCSTR menuName, DWORD exStyle, CCreateContext* context)
{
    if (menuName != nullptr) defaultMenu.LoadMenuByName(menuName);
    if (defaultMenu.GetSafeHmenu() == nullptr) return false;
    return CreateFrameWindow(className, title, style, rect, parent, defaultMenu.GetSafeHmenu(), exStyle, context);
}

int CDrawnFrameWnd::OnCreate(CREATESTRUCTA* cs)
{
    if (CFrameWnd::OnCreate(cs) == -1) return -1;
    systemMenu.Attach(::GetSystemMenu(m_hWnd, FALSE));
    MenuDpi = DpiOf(m_hWnd);
    return 0;
}

LRESULT CDrawnFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    const auto base = [this](UINT baseMessage, WPARAM baseW, LPARAM baseL) {
        return CFrameWnd::WindowProc(baseMessage, baseW, baseL);
    };
    if (OnDrawnFrameMessage(m_hWnd, message, wParam, lParam, result, base)) return result;
    return CFrameWnd::WindowProc(message, wParam, lParam);
}
