#include "menus/MenuValues.h"

#include "framework/Dpi.h"
#include "menus/ErrorReport.h"

int OsVersionCode = 0;
int SelectDisabledItems = 1;
int EmulateHotTracking = 0;
DWORD LastKeyMessagePos = 0;
ULONG_PTR HotBarItemData = 0;
DWORD LastColorRefresh = 0;
GradientFillRoutine GradientRoutine = nullptr;
std::list<CDrawnMenuIcons*>* IconSetRegistry = nullptr;
UINT MenuDpi = 0;
bool HighContrast = false;

UINT CurrentMenuDpi()
{
    if (MenuDpi == 0) MenuDpi = DpiOf(nullptr);
    return MenuDpi;
}

int MenuScale(int value) { return ScaleToDpi(value, CurrentMenuDpi()); }

int OsVersionCodeFor(DWORD platformId, DWORD major, DWORD minor)
{
    if (platformId == VER_PLATFORM_WIN32_NT) {
        if (major == 4) return 5;
        if (major == 5 && minor == 0) return 6;
        if (major == 5 && minor == 1) return 7;
        return 1;
    }
    if (major < 4) return 0;
    if (major == 4 && minor == 10) return 3;
    if (major == 4 && minor == 90) return 4;
    return 2;
}

int ReadOsVersionCode()
{
    OSVERSIONINFOEXA info = {};
    info.dwOSVersionInfoSize = sizeof info;
    if (!GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&info))) {
        ShowLastError();
        info = {};
    }
    return OsVersionCodeFor(info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion);
}

int SetSelectDisabledItems(int value)
{
    const int previous = SelectDisabledItems;
    SelectDisabledItems = value;
    return previous;
}

std::list<CDrawnMenuIcons*>& IconSets()
{
    if (IconSetRegistry == nullptr) IconSetRegistry = new std::list<CDrawnMenuIcons*>;
    return *IconSetRegistry;
}

void DeleteIconSetRegistry()
{
    delete IconSetRegistry;
    IconSetRegistry = nullptr;
}

HMODULE MenuResourceModule()
{
    return GetModuleHandleA(nullptr);
}
