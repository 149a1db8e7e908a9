#pragma once

#include "framework/StatusBar.h"
#include "framework/ToolBar.h"
#include "menus/DrawnFrameWnd.h"

// The main window: drawn menu bar, toolbar, one-pane status bar and the view.
class CMainFrame : public CDrawnFrameWnd {
public:
    CStatusBar m_wndStatusBar;
    CToolBar m_wndToolBar;

protected:
    bool PreCreateWindow(CREATESTRUCTA& cs) override;
    int OnCreate(CREATESTRUCTA* cs) override;
};
