#include "framework/WinApp.h"

// The program's entry point: the one application object was made before it
// runs; its start-up makes the window, and its loop runs until that closes.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int showCommand)
{
    CWinApp* application = AfxGetApp();
    if (application == nullptr) return 1;
    application->m_nCmdShow = showCommand;
    application->m_lpCmdLine = commandLine;
    if (!application->InitInstance()) return application->ExitInstance();
    return application->Run();
}
