#include "app/MainFrame.h"

#include "app/AdminRemoval.h"
#include "app/BackgroundWork.h"
#include "app/CommandImages.h"
#include "app/DustrelView.h"
#include "framework/Dpi.h"
#include "framework/FrameworkIds.h"
#include "framework/Strings.h"
#include "menus/DrawnMiniDockFrameWnd.h"
#include "menus/MenuBitmaps.h"
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

CMainFrame::~CMainFrame()
{
    if (m_statusFont != nullptr) DeleteObject(m_statusFont);
}

LRESULT CMainFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DPICHANGED) {
        OnDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    }
    if (message == WM_CLOSE && BackgroundWork::Running()) {
        BackgroundWork::CloseWhenDone();
        return 0;
    }
    // A click on the message pane takes its offer, when there is one to take.
    const auto* notice = reinterpret_cast<const NMMOUSE*>(lParam);
    if (message == WM_NOTIFY && notice->hdr.idFrom == AFX_IDW_STATUS_BAR && notice->hdr.code == NM_CLICK &&
        notice->dwItemSpec == 0) {
        RouteCommand(ID_EDIT_REMOVE_AS_ADMIN);
        return 0;
    }
    return CDrawnFrameWnd::WindowProc(message, wParam, lParam);
}

void CMainFrame::ShowCommandImages(UINT dpi)
{
    const CommandImages images = CommandImagesFor(dpi);
    // At 100% the toolbar keeps its own 16-colour strip, which it loaded.
    if (images.bitmap != IDB_MENU_ICONS) m_wndToolBar.SetImageStrip(images.bitmap, images.size, RGB(192, 192, 192));
    else if (m_wndToolBar.HasImageStrip()) m_wndToolBar.SetImageStrip(IDR_MAINFRAME, images.size, RGB(192, 192, 192));

    // The eight pictures, in this order, go with these commands. Every menu
    // forgets its larger pictures' size and measures its items again.
    const WORD menuIcons[] = {static_cast<WORD>(images.bitmap), static_cast<WORD>(images.size.cx),
                              static_cast<WORD>(images.size.cy), ID_VIEW_REFRESH, ID_OPTIONS_COOKIES,
                              ID_OPTIONS_IETEMP, ID_VIEW_APPLICATIONS, ID_EDIT_RECYCLE, ID_EDIT_DELETE,
                              ID_EDIT_SELECT_ALL, ID_EDIT_UNSELECT_ALL, 0};
    for (HMENU subMenu : defaultMenu.subMenus)
        if (CDrawnMenu* menu = CDrawnMenu::FromHandle(subMenu)) {
            menu->iconWidth = 16;
            menu->iconHeight = 15;
        }
    defaultMenu.LoadIconTable(RGB(192, 192, 192), menuIcons);
    // The command that asks for administrator rights shows the system's shield.
    // The item keeps the set; without it the set goes at once.
    auto* shield = new CDrawnMenuBitmaps;
    CDrawnMenuIcons::AddRef(shield);
    const int shieldIndex = shield->AddIcon(ShieldIcon(), ID_EDIT_REMOVE_AS_ADMIN);
    if (shieldIndex >= 0) defaultMenu.SetItemIcon(ID_EDIT_REMOVE_AS_ADMIN, nullptr, shield, shieldIndex);
    CDrawnMenuIcons::Release(shield);
    for (HMENU subMenu : defaultMenu.subMenus)
        if (CDrawnMenu* menu = CDrawnMenu::FromHandle(subMenu)) menu->ConvertItems();
    defaultMenu.ConvertItems();
}

void CMainFrame::OnDpiChanged(UINT dpi, const RECT& suggested)
{
    MenuDpi = dpi;
    ShowCommandImages(dpi);
    LOGFONTW status = NonClientMetricsForDpi(dpi).lfStatusFont;
    HFONT font = CreateFontIndirectW(&status);
    m_wndStatusBar.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (m_statusFont != nullptr) DeleteObject(m_statusFont);
    m_statusFont = font;
    if (auto* view = dynamic_cast<CDustrelView*>(GetActiveView())) view->ScaleTo(dpi);
    SetWindowPos(m_hWnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    RecalcLayout();
    DrawMenuBar(m_hWnd);
    RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
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
    MenuDpi = DpiOf(m_hWnd);

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

    ShowCommandImages(DpiOf(m_hWnd));
    systemMenu.SetTitleItem(LoadResourceString(AFX_IDS_APP_TITLE).c_str(), 0x40);
    // From here on a grayed item under the mouse is drawn unselected.
    SetSelectDisabledItems(0);
    return 0;
}
