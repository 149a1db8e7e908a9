#include "app/DustrelApp.h"

#include "app/AboutDlg.h"
#include "app/DustrelDoc.h"
#include "app/DustrelView.h"
#include "app/MainFrame.h"
#include "app/WebLinks.h"
#include "framework/FrameWnd.h"
#include "res/MakerInfo.h"
#include "res/resource.h"

#include <commctrl.h>
#include <objbase.h>

namespace {
CDocument* NewDocument() { return new CDustrelDoc; }
CFrameWnd* NewFrame() { return new CMainFrame; }
CFormView* NewView() { return new CDustrelView; }
}  // namespace

bool CDustrelApp::InitInstance()
{
    // The URL-history object of the Advance dialog is a COM object.
    m_comInitialized = SUCCEEDED(::CoInitialize(nullptr));
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);

    SetRegistryKey(AFX_IDS_APP_TITLE);
    AddDocTemplate(std::make_unique<CSingleDocTemplate>(IDR_MAINFRAME, NewDocument, NewFrame, NewView));

    CCommandLineInfo commandLine;
    ParseCommandLine(commandLine);
    if (!ProcessShellCommand(commandLine)) return false;

    m_pMainWnd->ShowWindow(SW_SHOW);
    ::UpdateWindow(m_pMainWnd->m_hWnd);
    return true;
}

int CDustrelApp::ExitInstance()
{
    if (m_comInitialized) ::CoUninitialize();
    m_comInitialized = false;
    return CWinApp::ExitInstance();
}

bool CDustrelApp::OnCmdMsg(UINT id, CCmdUI* cmdUI)
{
    static const CommandEntry<CDustrelApp> map[] = {
        {ID_HELP_ONLINE, &CDustrelApp::OnHelpOnline, nullptr},
        {ID_HELP_UPDATE, &CDustrelApp::OnHelpUpdate, nullptr},
        {ID_APP_ABOUT, &CDustrelApp::OnAppAbout, nullptr},
    };
    return DispatchCommand(this, map, id, cmdUI);
}

void CDustrelApp::OnHelpOnline() { OpenLink(DUSTREL_README_PAGE); }

void CDustrelApp::OnHelpUpdate() { OpenLink(DUSTREL_HOME_PAGE); }

void CDustrelApp::OnAppAbout()
{
    CAboutDlg about;
    about.DoModal();
}
