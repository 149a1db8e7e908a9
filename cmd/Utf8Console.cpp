#include "cmd/Utf8Console.h"

namespace {

bool IsConsole(DWORD standardHandle)
{
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(standardHandle), &mode) != FALSE;
}

}  // namespace

Utf8Console::Utf8Console()
{
    if (!IsConsole(STD_OUTPUT_HANDLE) && !IsConsole(STD_ERROR_HANDLE)) return;
    const UINT earlier = GetConsoleOutputCP();
    if (earlier != CP_UTF8 && SetConsoleOutputCP(CP_UTF8)) m_earlier = earlier;
}

Utf8Console::~Utf8Console()
{
    if (m_earlier != 0) SetConsoleOutputCP(m_earlier);
}
