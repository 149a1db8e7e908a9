// Removes a tree through the program's own Delete command while a second
// process sends the main window a message every 20 ms, and prints the
// removal's seconds and the longest round trip the other process saw.
//   responsiveness_bench delete-pinged FOLDER   the program's Delete command, pinged
//   responsiveness_bench delete FOLDER          the same, not pinged
//   responsiveness_bench direct FOLDER          the same removal without window or dialog
//   responsiveness_bench ping WINDOW            the other process
#include "app/DeleteQuestion.h"
#include "app/DustrelApp.h"
#include "app/DustrelView.h"
#include "app/MainFrame.h"
#include "clean/DeletionEngine.h"
#include "res/resource.h"
#include "scan/FolderSize.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const char StopEvent[] = "DustrelResponsivenessBenchStop";
const char ReadyEvent[] = "DustrelResponsivenessBenchReady";

double Seconds(const LARGE_INTEGER& start)
{
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

int Ping(HWND window)
{
    HANDLE stop = OpenEventA(SYNCHRONIZE, FALSE, StopEvent);
    // The first message between two processes pays for setting up the way
    // between them; it is not the window's answer time.
    DWORD_PTR warm = 0;
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &warm);
    HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, ReadyEvent);
    if (ready != nullptr) SetEvent(ready);
    double longest = 0;
    int sent = 0;
    while (stop != nullptr && WaitForSingleObject(stop, 20) == WAIT_TIMEOUT) {
        LARGE_INTEGER start;
        QueryPerformanceCounter(&start);
        DWORD_PTR answer = 0;
        if (!SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &answer)) break;
        const double roundTrip = Seconds(start);
        if (roundTrip > longest) longest = roundTrip;
        ++sent;
    }
    std::printf("%d %.1f\n", sent, longest * 1000);
    return 0;
}

Result FolderLine(const std::string& folder) { return {folder + "...", folder, true, FolderTreeBytes(folder)}; }

int Direct(const std::string& folder)
{
    const Result line = FolderLine(folder);
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    const Removal removal = RemoveResult(line, RemovalMode::Delete);
    std::printf("%s %.3f\n", removal.outcome == Outcome::Removed ? "removed" : "left", Seconds(start));
    return 0;
}

// The other process, pinging the window until told to stop.
class Pinger {
public:
    bool Start(const char* self, HWND window)
    {
        m_stop = CreateEventA(nullptr, TRUE, FALSE, StopEvent);
        HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, ReadyEvent);
        SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
        HANDLE writeEnd = nullptr;
        CreatePipe(&m_readEnd, &writeEnd, &inherit, 0);
        SetHandleInformation(m_readEnd, HANDLE_FLAG_INHERIT, 0);
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = writeEnd;
        startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
        std::string command =
            std::string("\"") + self + "\" ping " + std::to_string(reinterpret_cast<UINT_PTR>(window));
        const bool started =
            CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &m_process);
        CloseHandle(writeEnd);
        // Its warm-up message is answered here, before the command starts.
        while (started && MsgWaitForMultipleObjects(1, &ready, FALSE, 10000, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) {
            MSG message;
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        }
        CloseHandle(ready);
        return started;
    }
    // "messages longest-milliseconds"
    std::string Stop()
    {
        SetEvent(m_stop);
        WaitForSingleObject(m_process.hProcess, 15000);
        char answer[64] = "";
        DWORD read = 0;
        ReadFile(m_readEnd, answer, sizeof answer - 1, &read, nullptr);
        answer[read] = '\0';
        return answer;
    }

private:
    HANDLE m_stop = nullptr;
    HANDLE m_readEnd = nullptr;
    PROCESS_INFORMATION m_process = {};
};

int DeleteThroughProgram(const char* self, const std::string& folder, bool ping)
{
    CDustrelApp app;
    if (!app.InitInstance()) return 1;
    // The removal is timed, not the user's answer to the question before it.
    SetAsksBeforeDeleting(app, false);
    auto* frame = static_cast<CMainFrame*>(app.m_pMainWnd);
    auto* view = static_cast<CDustrelView*>(frame->GetActiveView());
    ResultSet results;
    results.Add(FolderLine(folder));
    view->m_Results.Show(results);
    view->m_ResultList.SetSel(0, true);
    Pinger pinger;
    if (ping && !pinger.Start(self, frame->m_hWnd)) return 1;

    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    SendMessageA(frame->m_hWnd, WM_COMMAND, MAKEWPARAM(ID_EDIT_DELETE, 0), 0);
    const double seconds = Seconds(start);

    const std::string pings = ping ? pinger.Stop() : "\n";
    const bool gone = GetFileAttributesA(folder.c_str()) == INVALID_FILE_ATTRIBUTES;
    std::printf("%s %.3f %s", gone ? "removed" : "left", seconds, pings.c_str());
    DestroyWindow(frame->m_hWnd);
    app.ExitInstance();
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "ping") == 0)
        return Ping(reinterpret_cast<HWND>(static_cast<UINT_PTR>(std::strtoull(argv[2], nullptr, 10))));
    if (argc == 3 && std::strcmp(argv[1], "direct") == 0) return Direct(argv[2]);
    if (argc == 3 && std::strcmp(argv[1], "delete") == 0) return DeleteThroughProgram(argv[0], argv[2], false);
    if (argc == 3 && std::strcmp(argv[1], "delete-pinged") == 0) return DeleteThroughProgram(argv[0], argv[2], true);
    std::fprintf(stderr, "usage: responsiveness_bench delete|delete-pinged|direct FOLDER | "
                         "responsiveness_bench ping WINDOW\n");
    return 2;
}
