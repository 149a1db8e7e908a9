#include "tests/framework/DockTestFrame.h"

#include "framework/FormView.h"
#include "framework/FrameworkIds.h"
#include "res/resource.h"
#include "tests/support/TestFrame.h"

#include <commctrl.h>

#include <algorithm>

namespace {

CFormView* NewView() { return new CFormView(IDD_MAIN_FORM); }

LPARAM PointParam(POINT point) { return MAKELPARAM(static_cast<short>(point.x), static_cast<short>(point.y)); }

}  // namespace

DockTestFrame* DockTestFrame::Create(DWORD barAlignments)
{
    static const bool controls = [] {
        INITCOMMONCONTROLSEX init = {sizeof init, ICC_WIN95_CLASSES};
        return InitCommonControlsEx(&init) != FALSE;
    }();
    (void)controls;
    auto* frame = new DockTestFrame;
    frame->m_barAlignments = barAlignments;
    CCreateContext context = {nullptr, NewView};
    if (!frame->LoadFrame(IDR_MAINFRAME, &context)) {
        delete frame;
        return nullptr;
    }
    frame->RecalcLayout();
    PumpMessages();
    return frame;
}

bool DockTestFrame::PreCreateWindow(CREATESTRUCTA& cs)
{
    cs.x = 100;
    cs.y = 80;
    cs.cx = 640;
    cs.cy = 480;
    return CFrameWnd::PreCreateWindow(cs);
}

int DockTestFrame::OnCreate(CREATESTRUCTA* cs)
{
    if (CFrameWnd::OnCreate(cs) == -1) return -1;
    if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT,
                               WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY |
                                   CBRS_SIZE_DYNAMIC,
                               AFX_IDW_TOOLBAR) ||
        !m_wndToolBar.LoadToolBar(IDR_MAINFRAME))
        return -1;
    static const UINT indicators[] = {ID_SEPARATOR};
    if (!m_wndStatusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, AFX_IDW_STATUS_BAR) ||
        !m_wndStatusBar.SetIndicators(indicators, 1))
        return -1;
    m_wndToolBar.EnableDocking(m_barAlignments);
    EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndToolBar);
    return 0;
}

bool DockTestFrame::OnCmdMsg(UINT id, CCmdUI* cmdUI)
{
    const std::vector<UINT>& buttons = m_wndToolBar.ButtonIds();
    if (id == 0 || std::find(buttons.begin(), buttons.end(), id) == buttons.end())
        return CFrameWnd::OnCmdMsg(id, cmdUI);
    if (cmdUI) cmdUI->Enable(true);
    else m_commands.push_back(id);
    return true;
}

RECT DockTestFrame::ClientOnScreen() const
{
    RECT client = {};
    GetClientRect(m_hWnd, &client);
    MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return client;
}

RECT DockTestFrame::ViewOnScreen() const { return WindowRectOf(GetDlgItem(AFX_IDW_PANE_FIRST)); }

bool DockTestFrame::ToolbarItemChecked()
{
    CCmdUI state(ID_VIEW_TOOLBAR);
    RouteCommandUI(state);
    return state.m_enabled && state.m_checked == 1;
}

RECT WindowRectOf(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

HWND Drag(HWND window, UINT downMessage, WPARAM hitTest, POINT from, POINT to)
{
    POINT down = from;
    if (downMessage == WM_LBUTTONDOWN) ScreenToClient(window, &down);
    SendMessageA(window, downMessage, hitTest, PointParam(down));
    HWND captured = GetCapture();
    if (captured == nullptr) return nullptr;
    // One move on the way, then the drop point.
    const POINT steps[] = {{(from.x + to.x) / 2, (from.y + to.y) / 2}, to};
    for (POINT step : steps) {
        ScreenToClient(captured, &step);
        SendMessageA(captured, WM_MOUSEMOVE, MK_LBUTTON, PointParam(step));
    }
    POINT release = to;
    ScreenToClient(captured, &release);
    SendMessageA(captured, WM_LBUTTONUP, 0, PointParam(release));
    PumpMessages();
    return captured;
}
