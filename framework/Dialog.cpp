#include "framework/Dialog.h"

#include "framework/DialogScaling.h"
#include "framework/Dpi.h"
#include "framework/FrameWnd.h"
#include "framework/WinApp.h"

CDialog::~CDialog()
{
    if (m_relaidFont != nullptr) ::DeleteObject(m_relaidFont);
}

INT_PTR CDialog::DoModal(HWND owner)
{
    if (owner == nullptr) owner = m_parent;
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
    if (m_modal) CenterOverOwner();
    return true;
}

// A modal dialog opens in the middle of the window it belongs to.
void CDialog::CenterOverOwner() const
{
    HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    if (owner == nullptr || !::IsWindowVisible(owner)) return;
    RECT dialog = {}, around = {};
    ::GetWindowRect(m_hWnd, &dialog);
    ::GetWindowRect(owner, &around);
    const int left = (around.left + around.right - (dialog.right - dialog.left)) / 2;
    const int top = (around.top + around.bottom - (dialog.bottom - dialog.top)) / 2;
    ::SetWindowPos(m_hWnd, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
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

bool CDialog::RelayoutForDpi(UINT dpi)
{
    if (SystemRelaysDialog(m_hWnd) || m_dpi == 0) return false;
    HFONT current = m_relaidFont != nullptr ? m_relaidFont : reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    LOGFONTA description = {};
    if (current == nullptr || !::GetObjectA(current, sizeof description, &description)) return false;
    description.lfHeight = MulDiv(description.lfHeight, static_cast<int>(dpi), static_cast<int>(m_dpi));
    HFONT font = ::CreateFontIndirectA(&description);
    ScaleDialogLayout(m_hWnd, static_cast<double>(dpi) / m_dpi, font);
    if (m_relaidFont != nullptr) ::DeleteObject(m_relaidFont);
    m_relaidFont = font;
    return true;
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        m_dpi = DpiOf(m_hWnd);
        return OnInitDialog() ? TRUE : FALSE;
    case WM_DPICHANGED: {
        const UINT dpi = LOWORD(wParam);
        const bool relaid = RelayoutForDpi(dpi);
        m_dpi = dpi;
        if (!relaid) break;
        const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
        ::SetWindowPos(m_hWnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                       suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
        return TRUE;
    }
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

// Bound afresh on every exchange: a dialog object may be run more than once,
// and each run has new controls.
void DDX_Control(CDataExchange* dx, int id, CButton& control) { control.Attach(dx->m_pDlgWnd->GetDlgItem(id)); }
