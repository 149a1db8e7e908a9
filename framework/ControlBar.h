#pragma once

#include "framework/Wnd.h"

// Bar alignment and style flags, as the frame and its bars use them.
#define CBRS_ALIGN_LEFT 0x1000L
#define CBRS_ALIGN_TOP 0x2000L
#define CBRS_ALIGN_RIGHT 0x4000L
#define CBRS_ALIGN_BOTTOM 0x8000L
#define CBRS_ALIGN_ANY 0xF000L
#define CBRS_BORDER_BOTTOM 0x0800L
#define CBRS_TOOLTIPS 0x0010L
#define CBRS_FLYBY 0x0020L
#define CBRS_GRIPPER 0x00400000L
#define CBRS_SIZE_DYNAMIC 0x0080L
#define CBRS_TOP (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM)
#define CBRS_BOTTOM CBRS_ALIGN_BOTTOM

// A bar along an edge of the frame: the status bar, the toolbar.
class CControlBar : public CWnd {
public:
    // Takes the bar's strip out of the frame's free client rectangle and
    // moves the bar there; a hidden or floating bar takes nothing.
    virtual void LayoutIn(RECT& free) = 0;
    // Refreshes the state of the bar's commands from their enabling rules.
    virtual void UpdateCommandUI() {}
    // Shows or hides the bar wherever it is.
    virtual void ShowBar(bool show) { ShowWindow(show ? SW_SHOW : SW_HIDE); }
    virtual bool IsBarVisible() const { return IsWindowVisible(); }

    DWORD m_dwStyle = 0;
};
