#pragma once

#include "framework/Wnd.h"

class CToolBar;

// The small tool window a floating bar lives in. It is owned by the main
// frame and passes the bar's commands and notifications on to it, so
// buttons, tool tips and status-bar prompts work as when docked. Dragging
// its caption moves the bar, and may dock it; double-clicking the caption
// docks it again; the close box hides it. It never takes activation from
// the main frame.
class CMiniDockFrameWnd : public CWnd {
public:
    // Creates the frame hidden; the bar moves in when it floats.
    virtual bool Create(CWnd* owner, CToolBar* bar);

    CToolBar* GetBar() const { return m_pBar; }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    static constexpr DWORD Style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    static constexpr DWORD ExStyle = WS_EX_TOOLWINDOW;

protected:
    CToolBar* m_pBar = nullptr;
};
