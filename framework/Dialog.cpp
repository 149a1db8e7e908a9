#include "framework/Dialog.h"

#include "framework/FrameWnd.h"
#include "framework/WinApp.h"

INT_PTR CDialog::DoModal(HWND owner)
{
    if (owner == nullptr && AfxGetApp() && AfxGetApp()->m_pMainWnd) owner = AfxGetApp()->m_pMainWnd->m_hWnd;
    m_modal = true;
    return ::DialogBoxParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_templateId), owner, StaticDialogProc,
                             reinterpret_cast<LPARAM>(static_cast<CWnd*>(this)));
}

bool CDialog::CreateFromTemplate(HWND parent)
{
    m_modal = false;
    return ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_templateId), parent,
                                StaticDialogProc, reinterpret_cast<LPARAM>(static_cast<CWnd*>(this))) != nullptr;
}

bool CDialog::UpdateData(bool saveAndValidate)
{
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return true;
}

bool CDialog::OnInitDialog()
{
    UpdateData(false);
    return true;
}

void CDialog::OnOK()
{
    UpdateData(true);
    if (m_modal) ::EndDialog(m_hWnd, IDOK);
}

void CDialog::OnCancel()
{
    if (m_modal) ::EndDialog(m_hWnd, IDCANCEL);
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog() ? TRUE : FALSE;
    case WM_COMMAND: {
        const UINT id = LOWORD(wParam);
        const UINT code = HIWORD(wParam);
        if (OnCommand(id, code)) return TRUE;
        if (id == IDOK && code == BN_CLICKED) {
            OnOK();
            return TRUE;
        }
        if (id == IDCANCEL && code == BN_CLICKED) {
            OnCancel();
            return TRUE;
        }
        break;
    }
    default:
        break;
    }
    return Default(message, wParam, lParam);
}

void DDX_Control(CDataExchange* dx, int id, CListBox& control)
{
    if (control.m_hWnd == nullptr) control.Attach(dx->m_pDlgWnd->GetDlgItem(id));
}
