#pragma once

#include "framework/StatusBar.h"
#include "framework/ToolBar.h"
#include "menus/DrawnFrameWnd.h"

// The main window: drawn menu bar, toolbar, status bar and the view. While
// a command's work runs it takes no other command, and closing it waits for
// the work to stop.
class CMainFrame : public CDrawnFrameWnd {
public:
    CStatusBar m_wndStatusBar;
    CToolBar m_wndToolBar;

    bool OnCmdMsg(UINT id, CCmdUI* cmdUI) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    ~CMainFrame() override;

protected:
    bool PreCreateWindow(CREATESTRUCTA& cs) override;
    int OnCreate(CREATESTRUCTA* cs) override;

private:
    // Toolbar and menu pictures drawn for the scale of `dpi`.
    void ShowCommandImages(UINT dpi);
    // The window moved to a screen of another scale: it takes the size the
    // system suggests and measures everything again.
    void OnDpiChanged(UINT dpi, const RECT& suggested);

    HFONT m_statusFont = nullptr;
};
