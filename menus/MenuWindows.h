#pragma once

#include <windows.h>

#include <map>

// One popup-menu window taken over by the library.
struct MenuWindowRecord {
    DWORD style;    // as it was when taken over
    DWORD exStyle;  // as it was when taken over
    int x;          // last known screen position, 0, 0 until the first move
    int y;
    DWORD flags;       // MenuWindowOnMenuMessage, MenuWindowBorderRemoved, MenuWindowSystemShadows
    int ncPaintReady;  // 0 between a WM_PRINT and the next WM_NCPAINT
    HMENU menu;        // the popup shown in the window, or null
    // The screen the window covers, copied while the window is not on screen
    // at that place: the drawn shadow darkens this, never its own pixels.
    HBITMAP under;
    RECT underPlace;  // where on the screen `under` was copied
};

enum : DWORD {
    MenuWindowOnMenuMessage = 1,  // taken over on the 0x1E2 menu message
    MenuWindowBorderRemoved = 2,  // the look took away the border styles
    // The system drew menu shadows when the window was taken over; its
    // border keeps that setting for the window's life.
    MenuWindowSystemShadows = 4,
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

// Holds the hook back while the thread sends a great many messages and
// opens no menu (it takes no input meanwhile): under Wine, every message
// sent on a hooked thread costs two calls to the server. Pauses nest.
class MenuWindowHookPause {
public:
    MenuWindowHookPause();
    ~MenuWindowHookPause();
    MenuWindowHookPause(const MenuWindowHookPause&) = delete;
    MenuWindowHookPause& operator=(const MenuWindowHookPause&) = delete;

private:
    bool m_paused;
};
void CreateMenuWindowMap();
void DestroyMenuWindowMap();

// Takes over a "#32768" window: its own procedure goes to the "OldMenuProc"
// property, the library's takes its place.
void SubclassMenuWindow(HWND window, bool onMenuMessage);
// Gives the window its own procedure and styles back.
void ReleaseMenuWindow(HWND window);
// Keeps a copy of the screen at `place`, which the window is about to cover.
// Where a shown window lies, the screen shows the window itself: what is
// under it there comes from the earlier copy.
void CaptureScreenUnder(MenuWindowRecord& record, const RECT& place, bool shown);

// What a frame does after its own WM_INITMENUPOPUP handling: the popup waits
// for its window, is brought up to date, and its menu-bar item is repainted
// as pressed.
void AnnouncePopup(HWND frame, HMENU popup);
