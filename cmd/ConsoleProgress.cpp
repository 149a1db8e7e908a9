#include "cmd/ConsoleProgress.h"

#include "scan/WideText.h"

#include <windows.h>

#include <string>
#include <thread>

namespace {

constexpr DWORD RefreshMs = 100;

// Rewrites the console line in place, cut to the console's width so it never wraps.
void ShowLine(HANDLE console, const std::wstring& text)
{
    CONSOLE_SCREEN_BUFFER_INFO info = {};
    const int width = GetConsoleScreenBufferInfo(console, &info) && info.dwSize.X > 1 ? info.dwSize.X - 1 : 79;
    std::wstring shown = text.substr(0, static_cast<size_t>(width));
    shown.resize(static_cast<size_t>(width), L' ');
    const std::wstring line = L"\r" + shown + L"\r";
    DWORD written = 0;
    WriteConsoleW(console, line.c_str(), static_cast<DWORD>(line.size()), &written, nullptr);
}

std::wstring ProgressText(const WorkStatus::Snapshot& progress)
{
    std::wstring text;
    if (progress.itemsTotal > 0)
        text = std::to_wstring(progress.itemsDone) + L"/" + std::to_wstring(progress.itemsTotal) + L" ";
    return text + WideFromNarrow(progress.current);
}

}  // namespace

void RunShowingProgress(WorkStatus& status, const std::function<void()>& work)
{
    HANDLE console = GetStdHandle(STD_ERROR_HANDLE);
    DWORD mode = 0;
    if (console == nullptr || console == INVALID_HANDLE_VALUE || !GetConsoleMode(console, &mode)) {
        work();
        return;
    }
    HANDLE done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    if (done == nullptr) {
        work();
        return;
    }
    std::thread worker([&work, done] {
        work();
        SetEvent(done);
    });
    while (WaitForSingleObject(done, RefreshMs) == WAIT_TIMEOUT) ShowLine(console, ProgressText(status.Read()));
    worker.join();
    CloseHandle(done);
    ShowLine(console, L"");
}
