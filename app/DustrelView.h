#pragma once

#include "framework/FormView.h"
#include "app/ResultListView.h"
#include "framework/ListBox.h"

// The main view: the result list, filling the window, and the commands on it.
class CDustrelView : public CFormView {
public:
    CDustrelView();

    CListBox m_ResultList;
    ResultListView m_Results{m_ResultList};

    void OnInitialUpdate() override;
    bool OnCmdMsg(UINT id, CCmdUI* cmdUI) override;

    void OnViewRefresh();
    void OnViewApplications();
    void OnEditSelectAll();
    void OnEditUnselectAll();
    void OnEditDelete();
    void OnEditRecycle();
    void OnEditRemoveAsAdmin();
    void OnSelChangeResultList();
    void OnOptionsCookies();
    void OnOptionsIetemp();
    void OnOptionsAskBeforeDelete();
    void OnUpdateEditSelectAll(CCmdUI* cmdUI);
    void OnUpdateEditSelection(CCmdUI* cmdUI);
    void OnUpdateEditRemoveAsAdmin(CCmdUI* cmdUI);
    void OnUpdateOptionsCookies(CCmdUI* cmdUI);
    void OnUpdateOptionsAskBeforeDelete(CCmdUI* cmdUI);
    void UpdateStatus();
    // The list's font and line height for a screen of another scale.
    void ScaleTo(UINT dpi);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    bool OnCommand(UINT id, UINT code) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnDestroy() override;

private:
    void ResizeParentToFit();
    HFONT m_listFont = nullptr;
    HWND FrameHandle() const;
};
