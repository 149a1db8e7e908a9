#pragma once

#include "framework/FrameWnd.h"
#include "framework/StatusBar.h"
#include "framework/ToolBar.h"

#include <windows.h>

#include <vector>

// A frame made as the program makes its main frame: menu, toolbar and
// status bar from the program's resources, the main form as its view. It
// answers the toolbar's commands itself and records the ones it runs.
class DockTestFrame : public CFrameWnd {
public:
    // Creates the frame hidden, 640 by 480 at (100, 80), the toolbar allowed
    // on the given sides. The frame deletes itself when its window goes.
    static DockTestFrame* Create(DWORD barAlignments = CBRS_ALIGN_ANY);

    CToolBar m_wndToolBar;
    CStatusBar m_wndStatusBar;
    std::vector<UINT> m_commands;

    bool OnCmdMsg(UINT id, CCmdUI* cmdUI) override;

    // The frame's client area and the view, in screen coordinates.
    RECT ClientOnScreen() const;
    RECT ViewOnScreen() const;
    // Whether the View menu's Toolbar item would be checked.
    bool ToolbarItemChecked();

protected:
    bool PreCreateWindow(CREATESTRUCTA& cs) override;
    int OnCreate(CREATESTRUCTA* cs) override;

private:
    DWORD m_barAlignments = CBRS_ALIGN_ANY;
};

RECT WindowRectOf(HWND window);

// Drags as a user does, in screen coordinates: the button goes down on
// `window` at `from` (WM_LBUTTONDOWN or WM_NCLBUTTONDOWN with its hit-test
// code), the pointer moves to `to` and the button goes up there; the moves
// and the release go to whichever window holds the capture. Answers that
// window, or null when nothing took the capture.
HWND Drag(HWND window, UINT downMessage, WPARAM hitTest, POINT from, POINT to);
