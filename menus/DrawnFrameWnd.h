#pragma once

#include "framework/FrameWnd.h"
#include "menus/DrawnFrame.h"

// A main frame whose menu bar and system menu the library draws.
class CDrawnFrameWnd : public CFrameWnd, public CDrawnFrameSupport {
public:
    // The menu bar is loaded into defaultMenu; the frame fails without it.
    bool Create(const char* className, const char* title, DWORD style, const RECT& rect, HWND parent,
                LPCSTR menuName, DWORD exStyle, CCreateContext* context) override;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    int OnCreate(CREATESTRUCTA* cs) override;
};
