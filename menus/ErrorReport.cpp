#include "menus/ErrorReport.h"

#include <windows.h>

#include <cstdio>

void ShowLastError()
{
    const DWORD error = GetLastError();
    if (error == 0) return;
    char text[512] = "";
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
                                        MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), text, sizeof text, nullptr);
    if (length == 0) std::snprintf(text, sizeof text, "Error message 0x%lx not found", static_cast<unsigned long>(error));
    MessageBoxA(nullptr, text, "Error", MB_OK | MB_ICONINFORMATION);
}
