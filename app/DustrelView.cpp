#include "app/DustrelView.h"

#include "app/AdminRemoval.h"
#include "app/ControlAnchor.h"
#include "app/DeleteQuestion.h"
#include "app/WindowPlacement.h"
#include "app/ResultCommands.h"
#include "app/ResultLineDrawing.h"
#include "app/StatusLine.h"
#include "framework/Dpi.h"
#include "framework/FrameWnd.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "scan/ResultList.h"
#include "scan/StandardScan.h"
#include "scan/StartupFolders.h"
#include "app/StatusLine.h"

CDustrelView::CDustrelView() : CFormView(IDD_MAIN_FORM) {}

void CDustrelView::DoDataExchange(CDataExchange* dx) { DDX_Control(dx, IDC_RESULT_LIST, m_ResultList); }

bool CDustrelView::OnCmdMsg(UINT id, CCmdUI* cmdUI)
{
    static const CommandEntry<CDustrelView> map[] = {
        {ID_VIEW_REFRESH, &CDustrelView::OnViewRefresh, nullptr},
        {ID_VIEW_APPLICATIONS, &CDustrelView::OnViewApplications, nullptr},
        {ID_EDIT_SELECT_ALL, &CDustrelView::OnEditSelectAll, &CDustrelView::OnUpdateEditSelectAll},
        {ID_EDIT_UNSELECT_ALL, &CDustrelView::OnEditUnselectAll, &CDustrelView::OnUpdateEditSelection},
        {ID_EDIT_DELETE, &CDustrelView::OnEditDelete, &CDustrelView::OnUpdateEditSelection},
        {ID_EDIT_RECYCLE, &CDustrelView::OnEditRecycle, &CDustrelView::OnUpdateEditSelection},
        {ID_EDIT_REMOVE_AS_ADMIN, &CDustrelView::OnEditRemoveAsAdmin, &CDustrelView::OnUpdateEditRemoveAsAdmin},
        {ID_OPTIONS_COOKIES, &CDustrelView::OnOptionsCookies, &CDustrelView::OnUpdateOptionsCookies},
        {ID_OPTIONS_IETEMP, &CDustrelView::OnOptionsIetemp, nullptr},
        {ID_OPTIONS_ASK_BEFORE_DELETE, &CDustrelView::OnOptionsAskBeforeDelete,
         &CDustrelView::OnUpdateOptionsAskBeforeDelete},
    };
    return DispatchCommand(this, map, id, cmdUI) || CFormView::OnCmdMsg(id, cmdUI);
}

bool CDustrelView::OnCommand(UINT id, UINT code)
{
    if (id == IDC_RESULT_LIST && code == LBN_SELCHANGE) {
        OnSelChangeResultList();
        return true;
    }
    return false;
}

LRESULT CDustrelView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DRAWITEM && wParam == IDC_RESULT_LIST) {
        DrawResultLine(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), m_Results);
        return TRUE;
    }
    return CFormView::WindowProc(message, wParam, lParam);
}

HWND CDustrelView::FrameHandle() const { return GetParentFrame() ? GetParentFrame()->m_hWnd : nullptr; }

void CDustrelView::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    FitResultLineHeight(m_ResultList.m_hWnd);
    GetParentFrame()->RecalcLayout();
    ResizeParentToFit();

    g_ControlAnchor.Attach(m_hWnd);
    g_ControlAnchor.AddControl(m_ResultList.m_hWnd, CControlAnchor::GrowBoth);

    ReadStartupFolders(g_StartupFolders);

    const Placement placement = ReadPlacement(*AfxGetApp(), DpiOf(FrameHandle()));
    ::MoveWindow(FrameHandle(), placement.left, placement.top, placement.width, placement.height, TRUE);

    OnViewRefresh();
}

// Shrinks the frame so the view is no larger than its form.
void CDustrelView::ResizeParentToFit()
{
    RECT form = {0, 0, 320, 200};
    ::MapDialogRect(m_hWnd, &form);
    RECT client = {};
    ::GetClientRect(m_hWnd, &client);
    const int shrinkX = client.right > form.right ? client.right - form.right : 0;
    const int shrinkY = client.bottom > form.bottom ? client.bottom - form.bottom : 0;
    if (shrinkX == 0 && shrinkY == 0) return;
    RECT frame = {};
    ::GetWindowRect(FrameHandle(), &frame);
    ::SetWindowPos(FrameHandle(), nullptr, 0, 0, frame.right - frame.left - shrinkX, frame.bottom - frame.top - shrinkY,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CDustrelView::OnSize(UINT type, int cx, int cy)
{
    CFormView::OnSize(type, cx, cy);
    g_ControlAnchor.OnParentSize();
    ::ShowScrollBar(m_hWnd, SB_BOTH, FALSE);
}

void CDustrelView::OnDestroy()
{
    CFormView::OnDestroy();
    WritePlacement(*AfxGetApp(), FrameHandle());
    if (m_listFont != nullptr) ::DeleteObject(m_listFont);
    m_listFont = nullptr;
}

void CDustrelView::ScaleTo(UINT dpi)
{
    // The form's own font, 8 points of "MS Shell Dlg", at the new scale.
    HFONT font = ::CreateFontA(-MulDiv(8, static_cast<int>(dpi), 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                               DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                               DEFAULT_PITCH, "MS Shell Dlg");
    ::SendMessageA(m_ResultList.m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    if (m_listFont != nullptr) ::DeleteObject(m_listFont);
    m_listFont = font;
    FitResultLineHeight(m_ResultList.m_hWnd);
}

void CDustrelView::OnViewRefresh() { RunStandardScan(m_Results, FrameHandle(), g_StartupFolders); }

void CDustrelView::OnViewApplications() { RunApplications(m_Results, FrameHandle()); }

void CDustrelView::OnEditSelectAll()
{
    m_Results.SetAllSelected(true);
    UpdateStatus();
}

void CDustrelView::OnEditUnselectAll()
{
    m_Results.SetAllSelected(false);
    UpdateStatus();
}

void CDustrelView::OnSelChangeResultList() { UpdateStatus(); }

void CDustrelView::OnEditDelete()
{
    if (ConfirmDeletion(FrameHandle(), *AfxGetApp(), m_Results.SelectedIndices().size(), m_Results.SelectedBytes()))
        DeleteSelected(m_Results, FrameHandle());
}

void CDustrelView::OnEditRecycle() { RecycleSelected(m_Results, FrameHandle()); }

void CDustrelView::OnEditRemoveAsAdmin() { DeleteDeniedAsAdministrator(m_Results, FrameHandle()); }

void CDustrelView::OnOptionsCookies() { RunCookiesKiller(m_Results, FrameHandle(), g_StartupFolders); }

void CDustrelView::OnOptionsIetemp() { RunTemporaryFilesCleaner(m_Results, FrameHandle(), g_StartupFolders); }

void CDustrelView::OnOptionsAskBeforeDelete()
{
    SetAsksBeforeDeleting(*AfxGetApp(), !AsksBeforeDeleting(*AfxGetApp()));
}

void CDustrelView::UpdateStatus() { ::UpdateStatus(m_Results, FrameHandle()); }

void CDustrelView::OnUpdateEditSelectAll(CCmdUI* cmdUI) { cmdUI->Enable(IsSelectAllEnabled(m_Results.Counts())); }

void CDustrelView::OnUpdateEditSelection(CCmdUI* cmdUI)
{
    cmdUI->Enable(IsSelectionCommandEnabled(m_Results.Counts()));
}

void CDustrelView::OnUpdateEditRemoveAsAdmin(CCmdUI* cmdUI) { cmdUI->Enable(!m_Results.SelectedDenied().empty()); }

void CDustrelView::OnUpdateOptionsCookies(CCmdUI* cmdUI) { cmdUI->Enable(g_bCookiesEnabled); }

void CDustrelView::OnUpdateOptionsAskBeforeDelete(CCmdUI* cmdUI)
{
    cmdUI->Enable(true);
    cmdUI->SetCheck(AsksBeforeDeleting(*AfxGetApp()) ? 1 : 0);
}
