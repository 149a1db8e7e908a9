#pragma once

#include <windows.h>

#include <map>

// One popup-menu window taken over by the library.
struct MenuWindowRecord {
    DWORD style;    // as it was when taken over
    DWORD exStyle;  // as it was when taken over
    int x;          // last known screen position, 0, 0 until the first move
    int y;
    DWORD flags;       // MenuWindowOnMenuMessage, MenuWindowBorderRemoved
    int ncPaintReady;  // 0 between a WM_PRINT and the next WM_NCPAINT
    HMENU menu;        // the popup shown in the window, or null
    // The screen the window covers, taken before it shows: the drawn shadow
    // darkens this, never its own earlier pixels.
    HBITMAP under;
};

enum : DWORD {
    MenuWindowOnMenuMessage = 1,  // taken over on the 0x1E2 menu message
    MenuWindowBorderRemoved = 2,  // the look took away the border styles
};

// The menu message that sizes a menu window before it shows.
constexpr UINT WM_MENU_SIZEWINDOW = 0x1E2;

// Menu-window handle to record; null until the library starts.
extern std::map<HWND, MenuWindowRecord*>* MenuWindowMap;
// The popup announced by WM_INITMENUPOPUP, waiting for its window.
extern HMENU PendingPopupMenu;

MenuWindowRecord* FindMenuWindowRecord(HWND window);

// The thread hook that catches menu windows as they are made. Installing
// fails only when the system refuses the hook.
bool InstallMenuWindowHook();
void RemoveMenuWindowHook();
void CreateMenuWindowMap();
void DestroyMenuWindowMap();

// Takes over a "#32768" window: its own procedure goes to the "OldMenuProc"
// property, the library's takes its place.
void SubclassMenuWindow(HWND window, bool onMenuMessage);
// Gives the window its own procedure and styles back.
void ReleaseMenuWindow(HWND window);
// Keeps a copy of the screen a window of this size at x, y is about to cover.
void CaptureScreenUnder(MenuWindowRecord& record, int x, int y, int width, int height);

// What a frame does after its own WM_INITMENUPOPUP handling: the popup waits
// for its window, is brought up to date, and its menu-bar item is repainted
// as pressed.
void AnnouncePopup(HWND frame, HMENU popup);
