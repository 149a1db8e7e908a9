#include "app/BackgroundWork.h"

#include <objbase.h>

#include <thread>

namespace BackgroundWork {

namespace {

// Long enough that quick work never flashes a dialog.
constexpr DWORD ProgressDelayMs = 500;
constexpr DWORD RefreshMs = 50;

WorkStatus* g_running = nullptr;
bool g_closeWhenDone = false;

// Dispatches what waits in this thread's queue. A quit request is taken out
// of the queue and put back once the work is done.
void DispatchWaiting(bool& quit, WPARAM& quitCode)
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            quit = true;
            quitCode = message.wParam;
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

}  // namespace

void Run(HWND frame, const Look& look, WorkStatus& status, const std::function<void()>& work)
{
    HANDLE done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    if (done == nullptr) {
        work();
        return;
    }
    g_running = &status;
    const bool wasEnabled = frame != nullptr && !EnableWindow(frame, FALSE);
    std::thread worker([&work, done] {
        // The Recycle Bin is the shell's, which wants COM on the thread.
        const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        work();
        if (SUCCEEDED(com)) CoUninitialize();
        SetEvent(done);
    });

    ProgressDialog dialog;
    const DWORD start = GetTickCount();
    bool quit = false;
    WPARAM quitCode = 0;
    DWORD shown = start;
    while (MsgWaitForMultipleObjects(1, &done, FALSE, RefreshMs, QS_ALLINPUT) != WAIT_OBJECT_0) {
        DispatchWaiting(quit, quitCode);
        // Every change shown wakes this loop again: the dialog hears of the
        // work at its own pace, not at the pace of the messages.
        const DWORD now = GetTickCount();
        if (now - shown < RefreshMs) continue;
        shown = now;
        if (!dialog.Shown() && now - start >= ProgressDelayMs) dialog.Show(frame, look.title, look.bar);
        dialog.Update(status.Read());
        if (dialog.Cancelled()) status.RequestStop();
    }
    worker.join();
    CloseHandle(done);
    g_running = nullptr;
    // The frame is enabled before the dialog goes: closing the active window
    // while its owner is disabled would send the focus to another program.
    if (wasEnabled) EnableWindow(frame, TRUE);
    dialog.Close();
    if (wasEnabled && IsWindowVisible(frame)) SetActiveWindow(frame);
    if (quit) PostQuitMessage(static_cast<int>(quitCode));
    if (g_closeWhenDone) {
        g_closeWhenDone = false;
        PostMessageA(frame, WM_CLOSE, 0, 0);
    }
}

bool Running() { return g_running != nullptr; }

void CloseWhenDone()
{
    if (g_running == nullptr) return;
    g_running->RequestStop();
    g_closeWhenDone = true;
}

}  // namespace BackgroundWork
