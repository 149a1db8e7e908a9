#include "app/IETDlg.h"

#include "res/resource.h"
#include "traces/CleanTraces.h"
#include "app/PopupMenu.h"

#include <windowsx.h>

CIETDlg::CIETDlg(HWND parent) : CDialog(IDD_ADVANCE, parent) {}

void CIETDlg::DoDataExchange(CDataExchange* dx)
{
    DDX_Control(dx, IDC_URL_HISTORY, m_UrlHistory);
    DDX_Control(dx, IDC_AUTOCOMPLETE_PASSWORDS, m_AutoCompletePasswords);
    DDX_Control(dx, IDC_RUN_HISTORY, m_RunHistory);
    DDX_Control(dx, IDC_FIND_HISTORY, m_FindHistory);
    DDX_Control(dx, IDC_TYPED_URL, m_TypedUrl);
    DDX_Control(dx, IDC_RECENT_DOCUMENTS, m_RecentDocuments);
}

std::array<const CButton*, TraceKindCount> CIETDlg::Boxes() const
{
    return {&m_UrlHistory, &m_AutoCompletePasswords, &m_RunHistory, &m_FindHistory, &m_TypedUrl, &m_RecentDocuments};
}

bool CIETDlg::OnCommand(UINT id, UINT code)
{
    struct Entry {
        UINT id;
        void (CIETDlg::*handler)();
    };
    static constexpr Entry map[] = {
        {IDC_URL_HISTORY, &CIETDlg::OnTraceCheckChanged},
        {IDC_AUTOCOMPLETE_PASSWORDS, &CIETDlg::OnTraceCheckChanged},
        {IDC_RUN_HISTORY, &CIETDlg::OnTraceCheckChanged},
        {IDC_FIND_HISTORY, &CIETDlg::OnTraceCheckChanged},
        {IDC_TYPED_URL, &CIETDlg::OnTraceCheckChanged},
        {IDC_RECENT_DOCUMENTS, &CIETDlg::OnTraceCheckChanged},
        {IDC_CLEAN_SELECTED, &CIETDlg::OnCleanSelected},
        {ID_POPUP_SELECT_ALL, &CIETDlg::OnPopupSelectAll},
        {ID_POPUP_UNSELECT_ALL, &CIETDlg::OnPopupUnselectAll},
        {IDCLOSE, &CIETDlg::OnCloseButton},
    };
    // Button clicks; the context menu's commands come with code 0 as well.
    if (code != BN_CLICKED) return false;
    for (const Entry& entry : map) {
        if (entry.id != id) continue;
        (this->*entry.handler)();
        return true;
    }
    return false;
}

LRESULT CIETDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CONTEXTMENU) {
        OnContextMenu(reinterpret_cast<HWND>(wParam), {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return TRUE;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

TraceSelection CIETDlg::Selection() const
{
    TraceSelection selection;
    const auto boxes = Boxes();
    for (size_t kind = 0; kind < TraceKindCount; ++kind)
        selection.Set(static_cast<TraceKind>(kind), boxes[kind]->GetCheck() == BST_CHECKED);
    return selection;
}

void CIETDlg::EnableCleanSelected(bool enabled) const { ::EnableWindow(GetDlgItem(IDC_CLEAN_SELECTED), enabled); }

void CIETDlg::OnTraceCheckChanged()
{
    bool anyChecked = false;
    for (const CButton* box : Boxes()) {
        if (box->GetCheck() == BST_CHECKED) {
            anyChecked = true;
            break;
        }
    }
    EnableCleanSelected(anyChecked);
}

void CIETDlg::SetAllChecks(int check)
{
    for (const CButton* box : Boxes()) box->SetCheck(check);
}

void CIETDlg::OnPopupSelectAll()
{
    SetAllChecks(BST_CHECKED);
    EnableCleanSelected(true);
}

void CIETDlg::OnPopupUnselectAll()
{
    SetAllChecks(BST_UNCHECKED);
    EnableCleanSelected(false);
}

// The cleaning runs here without pumping messages; the cleared boxes are the
// only sign that it is over.
void CIETDlg::OnCleanSelected()
{
    ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
    CleanTraces(Selection());
    OnPopupUnselectAll();
}

void CIETDlg::OnCloseButton() { OnOK(); }

// The point comes as the request gave it: a keyboard request (-1, -1) shows
// the menu at the screen's top-left corner.
void CIETDlg::OnContextMenu(HWND window, POINT point)
{
    (void)window;
    // The object holds one menu at a time: the last one goes first, or the
    // new one could not be taken over and no second menu would show.
    g_PopupMenu.DestroyOwnerDrawMenu();
    if (!g_PopupMenu.LoadMenuById(IDR_POPUP_MENU)) return;
    CMenu::TrackPopupMenu(g_PopupMenu.GetSubMenu(0), TPM_RIGHTBUTTON, point.x, point.y, m_hWnd);
}
