#include "framework/FormView.h"

#include "framework/FrameWnd.h"
#include "framework/FrameworkIds.h"

bool CFormView::Create(CFrameWnd* frame, CDocument* document)
{
    m_pFrame = frame;
    m_pDocument = document;
    if (!CreateFromTemplate(frame->m_hWnd)) return false;
    m_deleteWithWindow = true;
    ::SetWindowLongPtrA(m_hWnd, GWLP_ID, AFX_IDW_PANE_FIRST);
    // The form is the frame's client area: no caption, border or scroll bars of its own.
    ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, (::GetWindowLongPtrA(m_hWnd, GWL_STYLE) | WS_CHILD | WS_VISIBLE) &
                                              ~(WS_CAPTION | WS_BORDER | WS_THICKFRAME | WS_HSCROLL | WS_VSCROLL));
    return true;
}

void CFormView::OnInitialUpdate() { UpdateData(false); }

bool CFormView::OnCmdMsg(UINT id, CCmdUI* cmdUI)
{
    return m_pDocument != nullptr && m_pDocument->OnCmdMsg(id, cmdUI);
}

LRESULT CFormView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE:
        OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        return TRUE;
    case WM_DESTROY:
        OnDestroy();
        return TRUE;
    case WM_COMMAND:
        // Menu commands and accelerators go through the frame's routing; a
        // form must not close on Enter or Escape like a dialog would.
        if (lParam == 0 || LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            if (lParam == 0 && m_pFrame) ::SendMessageA(m_pFrame->m_hWnd, WM_COMMAND, wParam, 0);
            return TRUE;
        }
        break;
    default:
        break;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}
