#pragma once

#include "framework/ListBox.h"
#include "framework/Wnd.h"

class CDataExchange;

// A button control (push button, check box), addressed through its handle.
class CButton {
public:
    HWND m_hWnd = nullptr;

    void Attach(HWND hwnd) { m_hWnd = hwnd; }
    // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
    int GetCheck() const { return static_cast<int>(::SendMessageA(m_hWnd, BM_GETCHECK, 0, 0)); }
    void SetCheck(int check) const { ::SendMessageA(m_hWnd, BM_SETCHECK, static_cast<WPARAM>(check), 0); }
};

// A dialog from a template, run modally with DoModal or made a child with
// CreateFromTemplate (the form view). Commands and control notifications
// reach OnCommand; OK and Cancel end a modal dialog.
class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, HWND parent = nullptr) : m_templateId(templateId), m_parent(parent)
    {
        m_isDialog = true;
    }
    ~CDialog() override;

    // Runs the dialog modally; without an owner the parent given at
    // construction owns it, and without that the main window.
    INT_PTR DoModal(HWND owner = nullptr);

    // Exchanges data between the controls and the members bound to them.
    bool UpdateData(bool saveAndValidate = true);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    bool CreateFromTemplate(HWND parent);
    void CenterOverOwner() const;
    virtual bool OnInitDialog();
    virtual void DoDataExchange(CDataExchange* dx) { (void)dx; }
    // A command or a control's notification; answers whether it was handled.
    virtual bool OnCommand(UINT id, UINT code) { (void)id; (void)code; return false; }
    virtual void OnOK();
    virtual void OnCancel();
    // Lays the dialog out again for a new DPI (m_dpi is still the old one),
    // before it takes the rectangle the system suggests; false leaves the
    // change to the system. Where the system does not lay dialogs out, the
    // controls grow or shrink by the change, in the dialog's font made again
    // for the new DPI.
    virtual bool RelayoutForDpi(UINT dpi);

    UINT m_templateId;
    HWND m_parent;
    bool m_modal = false;
    // The DPI the dialog is laid out for.
    UINT m_dpi = 0;

private:
    HFONT m_relaidFont = nullptr;
};

// One exchange between a dialog's controls and its members.
class CDataExchange {
public:
    CDataExchange(CDialog* dialog, bool saveAndValidate) : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}
    CDialog* m_pDlgWnd;
    bool m_bSaveAndValidate;
};

// Binds a list-box member to the dialog's control of that id.
void DDX_Control(CDataExchange* dx, int id, CListBox& control);
// Binds a button member to the dialog's control of that id.
void DDX_Control(CDataExchange* dx, int id, CButton& control);
