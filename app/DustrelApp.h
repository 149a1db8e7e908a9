#pragma once

#include "framework/WinApp.h"

// The application: start-up, and the Help menu's commands.
class CDustrelApp : public CWinApp {
public:
    CDustrelApp() : CWinApp(nullptr) {}

    bool InitInstance() override;
    int ExitInstance() override;
    bool OnCmdMsg(UINT id, CCmdUI* cmdUI) override;

    void OnHelpOnline();
    void OnHelpUpdate();
    void OnAppAbout();

private:
    bool m_comInitialized = false;
};
