#include "menus/MenuLibrary.h"

#include "menus/ErrorReport.h"
#include "menus/FlatColors.h"
#include "menus/MenuLook.h"
#include "menus/MenuValues.h"
#include "menus/MenuWindows.h"

#include <windows.h>

#include <new>

// Defined here, before the start-up object, so they exist when it runs.
std::vector<CDrawnMenuLook*> LookRegistry;
CDrawnMenuLook* CurrentLook = nullptr;

namespace {

HMODULE GradientLibrary = nullptr;

struct MenuLibraryLifetime {
    MenuLibraryLifetime() { StartMenuLibrary(); }
    ~MenuLibraryLifetime() { StopMenuLibrary(); }
};
const MenuLibraryLifetime Lifetime;

}  // namespace

void StartMenuLibrary()
{
    OsVersionCode = ReadOsVersionCode();
    EmulateHotTracking = OsVersionCode > 5 && GetSystemMetrics(SM_REMOTESESSION) ? 1 : 0;
    if (GradientLibrary == nullptr) {
        GradientLibrary = LoadLibraryA("Msimg32.dll");
        GradientRoutine = GradientLibrary != nullptr
                              ? reinterpret_cast<GradientFillRoutine>(
                                    reinterpret_cast<void*>(GetProcAddress(GradientLibrary, "GradientFill")))
                              : nullptr;
    }
    HighContrast = ReadHighContrast();
    RegisterMenuLooks();
    if (!InstallMenuWindowHook()) {
        ShowLastError();
        throw std::bad_alloc();
    }
    CreateMenuWindowMap();
}

void StopMenuLibrary()
{
    RemoveMenuWindowHook();
    DeleteMenuLooks();
    GradientRoutine = nullptr;
    if (GradientLibrary != nullptr) FreeLibrary(GradientLibrary);
    GradientLibrary = nullptr;
    DeleteIconSetRegistry();
    DestroyMenuWindowMap();
}
