#pragma once

#include "framework/MiniDockFrameWnd.h"
#include "menus/DrawnFrame.h"

#include <memory>

// The frame of a floating bar, with its system menu drawn by the library.
class CDrawnMiniDockFrameWnd : public CMiniDockFrameWnd, public CDrawnFrameSupport {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // For CFrameWnd::m_newFloatingFrame.
    static std::unique_ptr<CMiniDockFrameWnd> New();
};
