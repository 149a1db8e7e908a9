#include "framework/FrameWnd.h"

#include "framework/FormView.h"
#include "framework/FrameworkIds.h"
#include "framework/MiniDockFrameWnd.h"
#include "framework/StatusBar.h"
#include "framework/Strings.h"
#include "framework/ToolBar.h"
#include "framework/WinApp.h"

#include <commctrl.h>

namespace {

// The prompt string of a system-menu command (SC_SIZE and the others).
UINT SystemCommandPrompt(UINT command) { return AFX_IDS_SCSIZE + ((command - SC_SIZE) >> 4); }

}  // namespace

bool CFrameWnd::LoadFrame(UINT resourceId, CCreateContext* context)
{
    HINSTANCE instance = ::GetModuleHandleA(nullptr);
    m_nIDResource = resourceId;
    m_pDocument = context ? context->m_pCurrentDoc : nullptr;

    std::string title = LoadResourceString(resourceId);
    title = title.substr(0, title.find('\n'));
    const char* className = RegisterClass("DustrelFrame", CS_DBLCLKS,
                                          ::LoadIconA(instance, MAKEINTRESOURCEA(resourceId)),
                                          reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    m_hAccelTable = ::LoadAcceleratorsA(instance, MAKEINTRESOURCEA(resourceId));
    const RECT useDefault = {CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT};
    return Create(className, title.c_str(), WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, useDefault, nullptr,
                  MAKEINTRESOURCEA(resourceId), 0, context);
}

bool CFrameWnd::Create(const char* className, const char* title, DWORD style, const RECT& rect, HWND parent,
                       LPCSTR menuName, DWORD exStyle, CCreateContext* context)
{
    HMENU menu = menuName != nullptr ? ::LoadMenuA(::GetModuleHandleA(nullptr), menuName) : nullptr;
    if (CreateFrameWindow(className, title, style, rect, parent, menu, exStyle, context)) return true;
    if (menu != nullptr) ::DestroyMenu(menu);
    return false;
}

bool CFrameWnd::CreateFrameWindow(const char* className, const char* title, DWORD style, const RECT& rect,
                                  HWND parent, HMENU menu, DWORD exStyle, CCreateContext* context)
{
    CREATESTRUCTA cs = {};
    cs.lpszClass = className;
    cs.style = style;
    cs.dwExStyle = exStyle;
    cs.x = rect.left;
    cs.y = rect.top;
    cs.cx = rect.right;
    cs.cy = rect.bottom;
    cs.hwndParent = parent;
    cs.hMenu = menu;
    if (!PreCreateWindow(cs)) return false;
    m_frameStyle = cs.style & FWS_ADDTOTITLE;
    std::string caption = title;
    if (m_frameStyle & FWS_ADDTOTITLE) caption = "Untitled - " + caption;

    m_context = context;
    HWND hwnd = ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, caption.c_str(), cs.style & ~FWS_ADDTOTITLE, cs.x,
                                  cs.y, cs.cx, cs.cy, cs.hwndParent, cs.hMenu, ::GetModuleHandleA(nullptr), this);
    m_context = nullptr;
    m_deleteWithWindow = hwnd != nullptr;
    return hwnd != nullptr;
}

bool CFrameWnd::PreCreateWindow(CREATESTRUCTA& cs)
{
    (void)cs;
    return true;
}

int CFrameWnd::OnCreate(CREATESTRUCTA* cs)
{
    (void)cs;
    if (m_context == nullptr || m_context->m_newView == nullptr) return 0;
    CFormView* view = m_context->m_newView();
    if (!view->Create(this, m_context->m_pCurrentDoc)) {
        delete view;
        return -1;
    }
    m_pView = view;
    return 0;
}

void CFrameWnd::InitialUpdateFrame(int showCommand)
{
    RecalcLayout();
    ShowIdleMessage();
    if (m_pView) m_pView->OnInitialUpdate();
    ShowWindow(showCommand);
    ::UpdateWindow(m_hWnd);
    if (m_pView) ::SetFocus(::GetNextDlgTabItem(m_pView->m_hWnd, nullptr, FALSE));
}

void CFrameWnd::AddControlBar(CControlBar* bar) { m_bars.push_back(bar); }

CControlBar* CFrameWnd::GetControlBar(UINT id) const
{
    for (CControlBar* bar : m_bars)
        if (bar->m_hWnd && static_cast<UINT>(::GetDlgCtrlID(bar->m_hWnd)) == id) return bar;
    return nullptr;
}

void CFrameWnd::ShowControlBar(CControlBar* bar, bool show)
{
    bar->ShowBar(show);
    RecalcLayout();
}

void CFrameWnd::EnableDocking(DWORD alignments)
{
    m_dockAlignments = alignments & CBRS_ALIGN_ANY;
    for (CControlBar* bar : m_bars)
        if (auto* toolBar = dynamic_cast<CToolBar*>(bar)) toolBar->SetFrameAlignments(m_dockAlignments);
}

void CFrameWnd::DockControlBar(CToolBar* bar)
{
    bar->SetFrameAlignments(m_dockAlignments);
    bar->DockAt(FirstAllowedSide(m_dockAlignments & bar->DockAlignments()));
}

std::unique_ptr<CMiniDockFrameWnd> CFrameWnd::NewFloatingFrame() const
{
    if (m_newFloatingFrame != nullptr) return m_newFloatingFrame();
    return std::make_unique<CMiniDockFrameWnd>();
}

void CFrameWnd::RecalcLayout()
{
    if (m_hWnd == nullptr) return;
    RECT free = {};
    ::GetClientRect(m_hWnd, &free);
    // The status bar keeps the bottom edge; the other bars take their sides inside it.
    for (CControlBar* bar : m_bars)
        if (dynamic_cast<CStatusBar*>(bar)) bar->LayoutIn(free);
    for (CControlBar* bar : m_bars)
        if (!dynamic_cast<CStatusBar*>(bar)) bar->LayoutIn(free);
    // Without copying the old pixels: a bar that came or went may have drawn
    // over the place the view moves to.
    if (m_pView && m_pView->m_hWnd)
        ::SetWindowPos(m_pView->m_hWnd, nullptr, free.left, free.top, free.right - free.left, free.bottom - free.top,
                       SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
}

bool CFrameWnd::OnCmdMsg(UINT id, CCmdUI* cmdUI)
{
    static const CommandEntry<CFrameWnd> map[] = {
        {ID_APP_EXIT, &CFrameWnd::OnAppExit, nullptr},
    };
    if (m_pView && m_pView->OnCmdMsg(id, cmdUI)) return true;
    if (id == ID_VIEW_TOOLBAR || id == ID_VIEW_STATUS_BAR) {
        if (GetControlBar(id) == nullptr) return false;
        if (cmdUI) OnUpdateControlBarMenu(cmdUI);
        else OnViewControlBar(id);
        return true;
    }
    if (DispatchCommand(this, map, id, cmdUI)) return true;
    return AfxGetApp() != nullptr && AfxGetApp()->OnCmdMsg(id, cmdUI);
}

void CFrameWnd::RouteCommandUI(CCmdUI& state)
{
    OnCmdMsg(state.m_nID, &state);
    if (!state.m_handled) state.m_enabled = false;
}

bool CFrameWnd::RouteCommand(UINT id)
{
    CCmdUI state(id);
    RouteCommandUI(state);
    if (!state.m_enabled) return false;
    return OnCmdMsg(id, nullptr);
}

void CFrameWnd::OnViewControlBar(UINT id)
{
    CControlBar* bar = GetControlBar(id);
    ShowControlBar(bar, !bar->IsBarVisible());
}

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* cmdUI)
{
    CControlBar* bar = GetControlBar(cmdUI->m_nID);
    cmdUI->Enable(true);
    cmdUI->SetCheck(bar->IsBarVisible() ? 1 : 0);
}

void CFrameWnd::OnAppExit() { ::PostMessageA(m_hWnd, WM_CLOSE, 0, 0); }

bool CFrameWnd::PreTranslateMessage(MSG* message)
{
    if (message->message < WM_KEYFIRST || message->message > WM_KEYLAST || m_hAccelTable == nullptr) return false;
    return ::TranslateAcceleratorA(m_hWnd, m_hAccelTable, message) != 0;
}

void CFrameWnd::OnIdleUpdateCmdUI()
{
    for (CControlBar* bar : m_bars)
        if (bar->IsBarVisible()) bar->UpdateCommandUI();
}

void CFrameWnd::SetMessageText(const std::string& text)
{
    if (auto* statusBar = dynamic_cast<CStatusBar*>(GetControlBar(AFX_IDW_STATUS_BAR)))
        statusBar->SetPaneText(0, text);
}

void CFrameWnd::SetMessageText(UINT id) { SetMessageText(StringPrompt(id)); }

void CFrameWnd::ShowIdleMessage() { SetMessageText(AFX_IDS_IDLEMESSAGE); }

void CFrameWnd::OnInitMenuPopup(HMENU popup, bool systemMenu)
{
    if (systemMenu) return;
    const int count = ::GetMenuItemCount(popup);
    for (int index = 0; index < count; ++index) {
        const UINT id = ::GetMenuItemID(popup, index);
        if (id == 0 || id == static_cast<UINT>(-1)) continue;
        CCmdUI state(id);
        RouteCommandUI(state);
        // Both flags, as the system's own frameworks disable items: Windows
        // draws an item grayed alone differently from a disabled one.
        ::EnableMenuItem(popup, static_cast<UINT>(index),
                         MF_BYPOSITION | (state.m_enabled ? MF_ENABLED : MF_DISABLED | MF_GRAYED));
        if (state.m_checked >= 0)
            ::CheckMenuItem(popup, static_cast<UINT>(index),
                            MF_BYPOSITION | (state.m_checked ? MF_CHECKED : MF_UNCHECKED));
    }
}

void CFrameWnd::OnMenuSelect(UINT item, UINT flags, HMENU menu)
{
    if (flags == 0xFFFF && menu == nullptr) ShowIdleMessage();
    else if (flags & (MF_POPUP | MF_SEPARATOR)) SetMessageText(std::string());
    else if (item >= SC_SIZE) SetMessageText(SystemCommandPrompt(item));
    else SetMessageText(item);
}

LRESULT CFrameWnd::OnNotify(NMHDR* header)
{
    switch (header->code) {
    case TTN_GETDISPINFOA: {
        auto* info = reinterpret_cast<NMTTDISPINFOA*>(header);
        m_tipText = LoadStringTail(static_cast<UINT>(header->idFrom));
        info->lpszText = &m_tipText[0];
        return 0;
    }
    case TBN_HOTITEMCHANGE: {
        auto* hot = reinterpret_cast<NMTBHOTITEM*>(header);
        if (hot->dwFlags & HICF_LEAVING) ShowIdleMessage();
        else SetMessageText(static_cast<UINT>(hot->idNew));
        return 0;
    }
    default:
        return 0;
    }
}

LRESULT CFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        return OnCreate(reinterpret_cast<CREATESTRUCTA*>(lParam));
    case WM_SIZE:
        RecalcLayout();
        return 0;
    case WM_SETFOCUS:
        if (m_pView) ::SetFocus(::GetNextDlgTabItem(m_pView->m_hWnd, nullptr, FALSE));
        return 0;
    case WM_COMMAND: {
        // Menus and accelerators have no control; toolbar buttons come from a bar.
        HWND control = reinterpret_cast<HWND>(lParam);
        if (control == nullptr || dynamic_cast<CToolBar*>(FromHandle(control))) RouteCommand(LOWORD(wParam));
        return 0;
    }
    case WM_INITMENUPOPUP:
        OnInitMenuPopup(reinterpret_cast<HMENU>(wParam), HIWORD(lParam) != 0);
        return 0;
    case WM_MENUSELECT:
        OnMenuSelect(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam));
        return 0;
    case WM_EXITMENULOOP:
        ShowIdleMessage();
        return 0;
    case WM_NOTIFY:
        return OnNotify(reinterpret_cast<NMHDR*>(lParam));
    case WM_CLOSE:
        DestroyWindow();
        return 0;
    case WM_DESTROY:
        if (AfxGetApp() && AfxGetApp()->m_pMainWnd == this) {
            AfxGetApp()->m_pMainWnd = nullptr;
            ::PostQuitMessage(0);
        }
        return 0;
    default:
        return Default(message, wParam, lParam);
    }
}
