#include "bench/BenchSupport.h"

#include <cstdio>

namespace {

const char StopEvent[] = "DustrelBenchPingerStop";
const char ReadyEvent[] = "DustrelBenchPingerReady";

}  // namespace

LARGE_INTEGER Now()
{
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now;
}

double Seconds(const LARGE_INTEGER& start)
{
    LARGE_INTEGER frequency;
    const LARGE_INTEGER now = Now();
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
        const LARGE_INTEGER start = Now();
        DWORD_PTR answer = 0;
        const bool answered = SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &answer) != 0;
        const double roundTrip = Seconds(start);
        if (roundTrip > longest) longest = roundTrip;
        ++sent;
        // Unanswered for ten seconds: the window hangs, and the figure says so.
        if (!answered) break;
    }
    std::printf("%d %.1f\n", sent, longest * 1000);
    return 0;
}

bool Pinger::Start(const char* self, HWND window)
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
    std::string command = std::string("\"") + self + "\" ping " + std::to_string(reinterpret_cast<UINT_PTR>(window));
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

std::string Pinger::Stop()
{
    SetEvent(m_stop);
    // The pinger's last message may wait for this thread.
    while (MsgWaitForMultipleObjects(1, &m_process.hProcess, FALSE, 15000, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    }
    char answer[64] = "";
    DWORD read = 0;
    ReadFile(m_readEnd, answer, sizeof answer - 1, &read, nullptr);
    answer[read] = '\0';
    std::string text = answer;
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    CloseHandle(m_readEnd);
    CloseHandle(m_stop);
    CloseHandle(m_process.hProcess);
    CloseHandle(m_process.hThread);
    return text;
}
