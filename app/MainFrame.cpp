#include "app/MainFrame.h"

#include "app/BackgroundWork.h"
#include "framework/FrameworkIds.h"
#include "framework/Strings.h"
#include "menus/DrawnMiniDockFrameWnd.h"
#include "menus/MenuValues.h"
#include "res/resource.h"

#include <commctrl.h>

bool CMainFrame::OnCmdMsg(UINT id, CCmdUI* cmdUI)
{
    if (BackgroundWork::Running()) {
        if (cmdUI) cmdUI->Enable(false);
        return true;
    }
    return CDrawnFrameWnd::OnCmdMsg(id, cmdUI);
}

LRESULT CMainFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CLOSE && BackgroundWork::Running()) {
        BackgroundWork::CloseWhenDone();
        return 0;
    }
    return CDrawnFrameWnd::WindowProc(message, wParam, lParam);
}

bool CMainFrame::PreCreateWindow(CREATESTRUCTA& cs)
{
    // The title is the mode's name alone, never a document's.
    cs.style &= ~FWS_ADDTOTITLE;
    return CFrameWnd::PreCreateWindow(cs);
}

int CMainFrame::OnCreate(CREATESTRUCTA* cs)
{
    if (CFrameWnd::OnCreate(cs) == -1) return -1;
    systemMenu.Attach(::GetSystemMenu(m_hWnd, FALSE));

    if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT,
                               WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY |
                                   CBRS_SIZE_DYNAMIC,
                               AFX_IDW_TOOLBAR) ||
        !m_wndToolBar.LoadToolBar(IDR_MAINFRAME))
        return -1;

    static const UINT indicators[] = {ID_SEPARATOR, IDS_SELECTED_BYTES};
    if (!m_wndStatusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, AFX_IDW_STATUS_BAR) ||
        !m_wndStatusBar.SetIndicators(indicators, 2))
        return -1;

    m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
    EnableDocking(CBRS_ALIGN_ANY);
    m_newFloatingFrame = &CDrawnMiniDockFrameWnd::New;
    DockControlBar(&m_wndToolBar);

    // The eight images of the bitmap, in this order, go with these commands.
    static const WORD menuIcons[] = {IDB_MENU_ICONS,       16,
                                     15,                   // image width and height
                                     ID_VIEW_REFRESH,      ID_OPTIONS_COOKIES, ID_OPTIONS_IETEMP,
                                     ID_VIEW_APPLICATIONS, ID_EDIT_RECYCLE,    ID_EDIT_DELETE,
                                     ID_EDIT_SELECT_ALL,   ID_EDIT_UNSELECT_ALL, 0};
    defaultMenu.LoadIconTable(RGB(192, 192, 192), menuIcons);
    systemMenu.SetTitleItem(LoadResourceString(AFX_IDS_APP_TITLE).c_str(), 0x40);
    // From here on a grayed item under the mouse is drawn unselected.
    SetSelectDisabledItems(0);
    return 0;
}
