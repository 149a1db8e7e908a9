#pragma once

#include "framework/ControlBar.h"
#include "framework/Document.h"
#include "framework/Wnd.h"

#include <memory>
#include <string>
#include <vector>

class CFormView;
class CMiniDockFrameWnd;
class CToolBar;

// What the frame needs to make its view.
struct CCreateContext {
    CDocument* m_pCurrentDoc;
    CFormView* (*m_newView)();
};

// Frame style: the document's name goes into the title.
#define FWS_ADDTOTITLE 0x00008000L

// The main frame: menu bar, accelerators, control bars around one view,
// command routing (view, document, frame, application), enabling of menu
// items when a popup opens and of toolbar buttons when idle, and the
// status-bar prompts of menu items and toolbar buttons.
class CFrameWnd : public CWnd {
public:
    // Creates the frame from the menu, icon, accelerators and title string
    // of one resource id, through Create.
    bool LoadFrame(UINT resourceId, CCreateContext* context);
    // The rectangle holds x, y, width and height, as CreateWindowEx takes them.
    virtual bool Create(const char* className, const char* title, DWORD style, const RECT& rect, HWND parent,
                        LPCSTR menuName, DWORD exStyle, CCreateContext* context);
    void InitialUpdateFrame(int showCommand);

    CFormView* GetActiveView() const { return m_pView; }
    CDocument* GetActiveDocument() const { return m_pDocument; }

    void RecalcLayout();
    void AddControlBar(CControlBar* bar);
    void ShowControlBar(CControlBar* bar, bool show);
    CControlBar* GetControlBar(UINT id) const;
    // The sides bars may dock on (CBRS_ALIGN_*).
    void EnableDocking(DWORD alignments);
    // Docks a bar on the first side both it and the frame allow, or floats it.
    void DockControlBar(CToolBar* bar);
    // Makes the small frame a floating bar lives in.
    std::unique_ptr<CMiniDockFrameWnd> NewFloatingFrame() const;

    // Offers a command along the route; a command whose rule disables it is not run.
    bool RouteCommand(UINT id);
    // Asks the route for a command's state; nobody answering means disabled.
    void RouteCommandUI(CCmdUI& state);
    bool OnCmdMsg(UINT id, CCmdUI* cmdUI) override;

    virtual bool PreTranslateMessage(MSG* message);
    void OnIdleUpdateCmdUI();

    // The message pane: a text, or the prompt of a command or string.
    void SetMessageText(const std::string& text);
    void SetMessageText(UINT id);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    virtual bool PreCreateWindow(CREATESTRUCTA& cs);
    bool CreateFrameWindow(const char* className, const char* title, DWORD style, const RECT& rect, HWND parent,
                           HMENU menu, DWORD exStyle, CCreateContext* context);
    virtual int OnCreate(CREATESTRUCTA* cs);
    // A frame whose creation succeeded goes with its window; one whose
    // creation failed is deleted by the code that made it.
    void PostNcDestroy() override
    {
        if (m_deleteWithWindow) delete this;
    }

    void OnViewControlBar(UINT id);
    void OnUpdateControlBarMenu(CCmdUI* cmdUI);
    void OnAppExit();

    DWORD m_frameStyle = FWS_ADDTOTITLE;
    DWORD m_dockAlignments = 0;
    // The kind of frame floating bars get; null for CMiniDockFrameWnd.
    std::unique_ptr<CMiniDockFrameWnd> (*m_newFloatingFrame)() = nullptr;

private:
    void OnInitMenuPopup(HMENU popup, bool systemMenu);
    void OnMenuSelect(UINT item, UINT flags, HMENU menu);
    LRESULT OnNotify(NMHDR* header);
    void ShowIdleMessage();

    UINT m_nIDResource = 0;
    HACCEL m_hAccelTable = nullptr;
    CCreateContext* m_context = nullptr;
    CFormView* m_pView = nullptr;
    CDocument* m_pDocument = nullptr;
    std::vector<CControlBar*> m_bars;
    std::string m_tipText;
    bool m_deleteWithWindow = false;
};
