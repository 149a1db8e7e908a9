#pragma once

#include "app/DustrelApp.h"
#include "app/DustrelView.h"
#include "app/MainFrame.h"

#include <windows.h>

#include <string>

// The program started in this process through its own start-up path, and
// closed again when the test ends.
class RunningApp {
public:
    RunningApp();
    ~RunningApp();
    RunningApp(const RunningApp&) = delete;
    RunningApp& operator=(const RunningApp&) = delete;

    bool Started() const { return m_started; }
    CMainFrame& Frame() const { return *static_cast<CMainFrame*>(m_app.m_pMainWnd); }
    CDustrelView& View() const { return *static_cast<CDustrelView*>(Frame().GetActiveView()); }
    const CListBox& List() const { return View().m_ResultList; }
    CDustrelApp& App() { return m_app; }

    std::string StatusText() const { return Frame().m_wndStatusBar.GetPaneText(0); }
    void Command(UINT id) const;
    // Runs what the loop does when the queue empties.
    void Idle();
    // Presses a key with the given modifiers through the application's own
    // translation, as the message loop would; answers whether it was taken.
    bool PressKey(UINT key, bool control, bool shift);
    void Close();

private:
    CDustrelApp m_app;
    bool m_started = false;
};

// The application's settings key, where the window placement is kept.
inline const char LocationKey[] = "Software\\Dustrel .NET\\Dustrel .NET\\Location";

void ForgetPlacement();
void SavePlacementValue(const char* name, DWORD type, const void* data, DWORD size);
int SavedPlacementValue(const char* name);

RECT WindowRect(HWND window);
RECT ClientRectOnScreen(HWND window);
void Pump();
