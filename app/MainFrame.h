#pragma once

#include "framework/FrameWnd.h"
#include "framework/StatusBar.h"
#include "framework/ToolBar.h"

// The main window: menu bar, toolbar, one-pane status bar and the view.
class CMainFrame : public CFrameWnd {
public:
    CStatusBar m_wndStatusBar;
    CToolBar m_wndToolBar;

protected:
    bool PreCreateWindow(CREATESTRUCTA& cs) override;
    int OnCreate(CREATESTRUCTA* cs) override;
};
