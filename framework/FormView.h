#pragma once

#include "framework/Dialog.h"
#include "framework/Document.h"

class CFrameWnd;

// The frame's client: a child form made from a dialog template. Commands
// reach it first, and what it does not handle goes on to its document.
class CFormView : public CDialog {
public:
    explicit CFormView(UINT templateId) : CDialog(templateId) {}

    // Creates the form as the frame's pane.
    bool Create(CFrameWnd* frame, CDocument* document);

    CDocument* GetDocument() const { return m_pDocument; }
    CFrameWnd* GetParentFrame() const { return m_pFrame; }

    virtual void OnInitialUpdate();
    bool OnCmdMsg(UINT id, CCmdUI* cmdUI) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    virtual void OnSize(UINT type, int cx, int cy) { (void)type; (void)cx; (void)cy; }
    virtual void OnDestroy() {}
    // A view goes with its window once created; a view whose creation
    // failed is deleted by the code that made it.
    void PostNcDestroy() override
    {
        if (m_deleteWithWindow) delete this;
    }

private:
    CFrameWnd* m_pFrame = nullptr;
    CDocument* m_pDocument = nullptr;
    bool m_deleteWithWindow = false;
};
