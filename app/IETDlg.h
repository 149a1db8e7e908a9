#pragma once

#include "framework/Dialog.h"
#include "traces/TraceKind.h"

#include <array>

// The "Advance" dialog: one check box per kind of privacy trace, "Clean
// Selected" to erase the checked kinds, a context menu to check or clear all
// boxes, and "Close". The boxes are the only state; each opening starts with
// all of them clear, as the template has them.
class CIETDlg : public CDialog {
public:
    explicit CIETDlg(HWND parent);

    CButton m_UrlHistory;
    CButton m_AutoCompletePasswords;
    CButton m_RunHistory;
    CButton m_FindHistory;
    CButton m_TypedUrl;
    CButton m_RecentDocuments;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    void OnTraceCheckChanged();
    void OnCleanSelected();
    void OnPopupSelectAll();
    void OnPopupUnselectAll();
    void OnCloseButton();
    void OnContextMenu(HWND window, POINT point);

    // The boxes read as a selection: a box counts only when it is checked.
    TraceSelection Selection() const;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    bool OnCommand(UINT id, UINT code) override;

private:
    // The boxes in the order of TraceKind.
    std::array<const CButton*, TraceKindCount> Boxes() const;
    void SetAllChecks(int check);
    void EnableCleanSelected(bool enabled) const;
};
