#pragma once

#include <windows.h>

#include <list>

class CDrawnMenuIcons;

// Values shared by the whole menu library; used from the user-interface
// thread only.

// 0 Win32s, 1 other NT, 2 Windows 95, 3 Windows 98, 4 Windows Me,
// 5 Windows NT 4, 6 Windows 2000, 7 Windows XP.
extern int OsVersionCode;
int OsVersionCodeFor(DWORD platformId, DWORD major, DWORD minor);
int ReadOsVersionCode();

// Grayed items under the mouse are drawn selected while this is set.
extern int SelectDisabledItems;
int SetSelectDisabledItems(int value);

extern int EmulateHotTracking;
extern DWORD LastKeyMessagePos;
extern ULONG_PTR HotBarItemData;
extern DWORD LastColorRefresh;

// The system's "GradientFill", or null when Msimg32.dll does not offer it.
typedef BOOL(WINAPI* GradientFillRoutine)(HDC, PTRIVERTEX, ULONG, PVOID, ULONG, ULONG);
extern GradientFillRoutine GradientRoutine;

// Every live image set; null until first used.
extern std::list<CDrawnMenuIcons*>* IconSetRegistry;
std::list<CDrawnMenuIcons*>& IconSets();
// Forgets the list; the sets still in it are not deleted.
void DeleteIconSetRegistry();

// The user's high-contrast theme is on: menus take the system's colours alone.
extern bool HighContrast;

// The DPI menus are measured and drawn at: the screen's until the frame
// they belong to sets its own here (0 stands for the screen's).
extern UINT MenuDpi;
UINT CurrentMenuDpi();
// A length given at 96 DPI, at the current menu DPI.
int MenuScale(int value);

// Where menus and bitmaps are loaded from when no module is given.
HMODULE MenuResourceModule();
