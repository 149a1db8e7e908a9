#include "app/WebLinks.h"

#include <windows.h>

#include <shellapi.h>

void OpenLink(const char* address) { ::ShellExecuteA(nullptr, "open", address, nullptr, nullptr, SW_SHOWNORMAL); }
