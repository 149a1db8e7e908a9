#pragma once

#include "framework/ListBox.h"
#include "framework/Wnd.h"

class CDataExchange;

// A dialog from a template, run modally with DoModal or made a child with
// CreateFromTemplate (the form view). Commands and control notifications
// reach OnCommand; OK and Cancel end a modal dialog.
class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId) : m_templateId(templateId) { m_isDialog = true; }

    // Runs the dialog modally; without an owner the main window owns it.
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

    UINT m_templateId;
    bool m_modal = false;
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
