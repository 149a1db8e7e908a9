#pragma once

#include <windows.h>

#include <string>

// What the benchmarks that drive the running program share: a clock, and a
// second process that sends the main window WM_NULL every 20 ms and tells
// the longest round trip it saw.

// Seconds since `start`, taken with QueryPerformanceCounter.
double Seconds(const LARGE_INTEGER& start);
LARGE_INTEGER Now();

// The other process's side: pings `window` until the pinger stops it, then
// prints "messages longest-milliseconds".
int Ping(HWND window);

class Pinger {
public:
    // Starts `self ping WINDOW` and returns once its first message is answered.
    bool Start(const char* self, HWND window);
    // "messages longest-milliseconds"
    std::string Stop();

private:
    HANDLE m_stop = nullptr;
    HANDLE m_readEnd = nullptr;
    PROCESS_INFORMATION m_process = {};
};
