#include "menus/MenuWindows.h"

#include "menus/ErrorReport.h"
#include "menus/MenuLook.h"
#include "menus/MenuValues.h"

#include <cstring>

std::map<HWND, MenuWindowRecord*>* MenuWindowMap = nullptr;
HMENU PendingPopupMenu = nullptr;

namespace {

const char SavedProcProperty[] = "OldMenuProc";
HHOOK MenuWindowHook = nullptr;

WNDPROC SavedProc(HWND window) { return reinterpret_cast<WNDPROC>(GetPropA(window, SavedProcProperty)); }

bool IsMenuWindow(HWND window)
{
    char className[8] = "";
    return GetClassNameA(window, className, sizeof className) == 6 && std::strcmp(className, "#32768") == 0;
}

LRESULT CallSaved(WNDPROC saved, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (saved == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    return CallWindowProcA(saved, window, message, wParam, lParam);
}

// GetDCEx takes over the region it clips to; the update region stays the system's.
HRGN CopyOfRegion(HRGN region)
{
    HRGN copy = CreateRectRgn(0, 0, 0, 0);
    CombineRgn(copy, region, nullptr, RGN_COPY);
    return copy;
}

LRESULT OnNcPaint(WNDPROC saved, HWND window, MenuWindowRecord& record, WPARAM wParam, LPARAM lParam)
{
    const bool ready = record.ncPaintReady == 1;
    record.ncPaintReady = 1;
    if (!ready || !CurrentLook->DrawsBorder()) return CallSaved(saved, window, WM_NCPAINT, wParam, lParam);
    HRGN update = reinterpret_cast<HRGN>(wParam);
    const bool whole = wParam == 1;
    HDC dc = whole ? GetWindowDC(window)
                   : GetDCEx(window, CopyOfRegion(update), DCX_WINDOW | DCX_INTERSECTRGN | DCX_CACHE);
    if (dc == nullptr) return CallSaved(saved, window, WM_NCPAINT, wParam, lParam);
    LRESULT result = 0;
    RECT inner = {};
    if (CurrentLook->DrawBorder(window, dc) && CurrentLook->GetInnerRect(window, inner)) {
        // The menu's own frame may paint only inside the drawn one.
        InflateRect(&inner, -MenuScale(1), -MenuScale(1));
        HRGN region = CreateRectRgnIndirect(&inner);
        if (!whole) CombineRgn(region, region, update, RGN_AND);
        result = CallSaved(saved, window, WM_NCPAINT, reinterpret_cast<WPARAM>(region), lParam);
        DeleteObject(region);
    } else {
        result = CallSaved(saved, window, WM_NCPAINT, wParam, lParam);
    }
    ReleaseDC(window, dc);
    return result;
}

// Menu animations print the window before it shows: the border is drawn
// here and only the inside is left to the menu.
LRESULT OnPrint(WNDPROC saved, HWND window, MenuWindowRecord& record, HDC target, LPARAM flags)
{
    record.ncPaintReady = 0;
    RECT windowRect = {};
    GetWindowRect(window, &windowRect);
    const int width = windowRect.right - windowRect.left;
    const int height = windowRect.bottom - windowRect.top;
    HDC memory = CreateCompatibleDC(target);
    HBITMAP image = CreateCompatibleBitmap(target, width, height);
    HGDIOBJ oldImage = SelectObject(memory, image);
    CurrentLook->DrawBorder(window, memory);
    LRESULT result = 0;
    RECT inner = {};
    if (CurrentLook->GetInnerRect(window, inner)) {
        OffsetRect(&inner, -windowRect.left, -windowRect.top);
        InflateRect(&inner, -MenuScale(1), -MenuScale(1));
        HRGN clip = CreateRectRgnIndirect(&inner);
        SelectClipRgn(memory, clip);
        DeleteObject(clip);
        result = CallSaved(saved, window, WM_PRINT, reinterpret_cast<WPARAM>(memory), flags & ~LPARAM{PRF_CLIENT});
        SelectClipRgn(memory, nullptr);
        BitBlt(target, 0, 0, width, height, memory, 0, 0, SRCCOPY);

        RECT client = {};
        GetClientRect(window, &client);
        POINT origin = {0, 0};
        ClientToScreen(window, &origin);
        const int offsetX = origin.x - windowRect.left;
        const int offsetY = origin.y - windowRect.top;
        HRGN clientClip = CreateRectRgn(0, 0, client.right, client.bottom);
        SelectClipRgn(memory, clientClip);
        DeleteObject(clientClip);
        SendMessageA(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory), 0);
        SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), flags);
        SelectClipRgn(memory, nullptr);
        BitBlt(target, offsetX, offsetY, client.right - 1, client.bottom, memory, 0, 0, SRCCOPY);
    }
    SelectObject(memory, oldImage);
    DeleteObject(image);
    DeleteDC(memory);
    return result;
}

// A window made for one popup and reused for the next shows the one announced last.
void BindPendingPopup(MenuWindowRecord& record)
{
    if (PendingPopupMenu == nullptr) return;
    record.menu = PendingPopupMenu;
    PendingPopupMenu = nullptr;
}

void ForgetScreenUnder(MenuWindowRecord& record)
{
    if (record.under != nullptr) DeleteObject(record.under);
    record.under = nullptr;
}

// The screen under the window's next place is copied before the window gets
// there: as it shows, or as it moves while shown.
void CaptureBeforePlacing(HWND window, MenuWindowRecord& record, const WINDOWPOS& position)
{
    const bool shown = IsWindowVisible(window) != FALSE;
    if (!shown && !(position.flags & SWP_SHOWWINDOW)) return;
    RECT now = {};
    GetWindowRect(window, &now);
    RECT next = now;
    if (!(position.flags & SWP_NOMOVE)) OffsetRect(&next, position.x - now.left, position.y - now.top);
    if (!(position.flags & SWP_NOSIZE)) {
        next.right = next.left + position.cx;
        next.bottom = next.top + position.cy;
    }
    if (shown && EqualRect(&now, &next)) return;
    CaptureScreenUnder(record, next, shown);
}

// A window that moves keeps the library; one that moves and changes size at
// once is shown for another menu and is let go.
void TrackPosition(HWND window, MenuWindowRecord& record, const WINDOWPOS& position)
{
    if (position.flags & SWP_NOMOVE) return;
    if (record.x == 0 && record.y == 0) {
        record.x = position.x;
        record.y = position.y;
    } else if (position.x != record.x || position.y != record.y) {
        if (position.flags & SWP_NOSIZE) {
            record.x = position.x;
            record.y = position.y;
        } else {
            ReleaseMenuWindow(window);
        }
    }
}

LRESULT CALLBACK MenuWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    WNDPROC saved = SavedProc(window);
    MenuWindowRecord* record = FindMenuWindowRecord(window);
    if (record == nullptr || CurrentLook == nullptr) return CallSaved(saved, window, message, wParam, lParam);
    switch (message) {
    case WM_ERASEBKGND:
        if (CurrentLook->EraseBackground(window, reinterpret_cast<HDC>(wParam))) return 1;
        break;
    case WM_SHOWWINDOW:
        if (!wParam) ReleaseMenuWindow(window);
        break;
    case WM_NCDESTROY:
        ReleaseMenuWindow(window);
        break;
    case WM_WINDOWPOSCHANGING: {
        auto& position = *reinterpret_cast<WINDOWPOS*>(lParam);
        CurrentLook->WindowPosChanging(window, position);
        TrackPosition(window, *record, position);
        if (MenuWindowRecord* kept = FindMenuWindowRecord(window)) {
            // Wine makes the window before it announces the popup.
            if (position.flags & SWP_SHOWWINDOW) BindPendingPopup(*kept);
            CaptureBeforePlacing(window, *kept, position);
        }
        break;
    }
    case WM_WINDOWPOSCHANGED:
        TrackPosition(window, *record, *reinterpret_cast<WINDOWPOS*>(lParam));
        break;
    case WM_NCCALCSIZE:
        CurrentLook->NcCalcSize(window, *reinterpret_cast<RECT*>(lParam));
        break;
    case WM_NCPAINT:
        return OnNcPaint(saved, window, *record, wParam, lParam);
    case WM_KEYDOWN:
        LastKeyMessagePos = GetMessagePos();
        break;
    case WM_PRINT:
        if (CurrentLook->DrawsBorder()) return OnPrint(saved, window, *record, reinterpret_cast<HDC>(wParam), lParam);
        break;
    default:
        break;
    }
    return CallSaved(saved, window, message, wParam, lParam);
}

LRESULT CALLBACK CatchMenuWindows(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION) {
        const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (call->message == WM_CREATE || call->message == WM_MENU_SIZEWINDOW)
            SubclassMenuWindow(call->hwnd, call->message == WM_MENU_SIZEWINDOW);
    }
    return CallNextHookEx(MenuWindowHook, code, wParam, lParam);
}

}  // namespace

MenuWindowRecord* FindMenuWindowRecord(HWND window)
{
    if (MenuWindowMap == nullptr) return nullptr;
    auto found = MenuWindowMap->find(window);
    return found != MenuWindowMap->end() ? found->second : nullptr;
}

bool InstallMenuWindowHook()
{
    if (MenuWindowHook != nullptr) return true;
    MenuWindowHook = SetWindowsHookExA(WH_CALLWNDPROC, CatchMenuWindows, nullptr, GetCurrentThreadId());
    return MenuWindowHook != nullptr;
}

void RemoveMenuWindowHook()
{
    if (MenuWindowHook == nullptr) return;
    if (!UnhookWindowsHookEx(MenuWindowHook)) ShowLastError();
    MenuWindowHook = nullptr;
}

MenuWindowHookPause::MenuWindowHookPause() : m_paused(MenuWindowHook != nullptr) { RemoveMenuWindowHook(); }

MenuWindowHookPause::~MenuWindowHookPause()
{
    if (m_paused && !InstallMenuWindowHook()) ShowLastError();
}

void CreateMenuWindowMap()
{
    if (MenuWindowMap == nullptr) MenuWindowMap = new std::map<HWND, MenuWindowRecord*>;
}

void DestroyMenuWindowMap()
{
    if (MenuWindowMap == nullptr) return;
    for (auto& entry : *MenuWindowMap) {
        ForgetScreenUnder(*entry.second);
        delete entry.second;
    }
    delete MenuWindowMap;
    MenuWindowMap = nullptr;
}

void SubclassMenuWindow(HWND window, bool onMenuMessage)
{
    if (MenuWindowMap == nullptr || !IsMenuWindow(window)) return;
    MenuWindowRecord* record = FindMenuWindowRecord(window);
    if (record == nullptr) {
        WNDPROC current = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
        if (current != nullptr && SavedProc(window) == nullptr) {
            if (!SetPropA(window, SavedProcProperty, reinterpret_cast<HANDLE>(current))) ShowLastError();
            if (SavedProc(window) == current) GlobalAddAtomA(SavedProcProperty);
        }
        if (SavedProc(window) == nullptr) return;
        record = new MenuWindowRecord{static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)),
                                      static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE)),
                                      0,
                                      0,
                                      (onMenuMessage ? DWORD{MenuWindowOnMenuMessage} : 0) |
                                          (SystemDrawsMenuShadows() ? DWORD{MenuWindowSystemShadows} : 0),
                                      1,
                                      PendingPopupMenu,
                                      nullptr,
                                      {}};
        PendingPopupMenu = nullptr;
        (*MenuWindowMap)[window] = record;
        SetLastError(0);
        if (!SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(MenuWindowProc))) ShowLastError();
        if (CurrentLook != nullptr) CurrentLook->OnSubclass(window, *record);
    }
    BindPendingPopup(*record);
}

void CaptureScreenUnder(MenuWindowRecord& record, const RECT& place, bool shown)
{
    HBITMAP earlier = record.under;
    const RECT earlierPlace = record.underPlace;
    record.under = nullptr;
    record.underPlace = place;
    const int width = place.right - place.left;
    const int height = place.bottom - place.top;
    // Without an earlier copy nothing tells what a shown window hides.
    if (width > 0 && height > 0 && (!shown || earlier != nullptr)) {
        HDC screen = GetDC(nullptr);
        HDC copy = CreateCompatibleDC(screen);
        record.under = CreateCompatibleBitmap(screen, width, height);
        HGDIOBJ old = SelectObject(copy, record.under);
        BitBlt(copy, 0, 0, width, height, screen, place.left, place.top, SRCCOPY);
        if (shown) {
            HDC before = CreateCompatibleDC(screen);
            HGDIOBJ oldBefore = SelectObject(before, earlier);
            BitBlt(copy, earlierPlace.left - place.left, earlierPlace.top - place.top,
                   earlierPlace.right - earlierPlace.left, earlierPlace.bottom - earlierPlace.top, before, 0, 0,
                   SRCCOPY);
            SelectObject(before, oldBefore);
            DeleteDC(before);
        }
        SelectObject(copy, old);
        DeleteDC(copy);
        ReleaseDC(nullptr, screen);
    }
    if (earlier != nullptr) DeleteObject(earlier);
}

void ReleaseMenuWindow(HWND window)
{
    WNDPROC saved = SavedProc(window);
    if (saved != nullptr) {
        SetLastError(0);
        if (!SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(saved))) ShowLastError();
        RemovePropA(window, SavedProcProperty);
        GlobalDeleteAtom(GlobalFindAtomA(SavedProcProperty));
    }
    MenuWindowRecord* record = FindMenuWindowRecord(window);
    if (record == nullptr) return;
    if (CurrentLook != nullptr) CurrentLook->OnUnsubclass(window, *record);
    MenuWindowMap->erase(window);
    ForgetScreenUnder(*record);
    delete record;
}
