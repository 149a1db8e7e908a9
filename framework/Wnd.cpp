#include "framework/Wnd.h"

#include "framework/Menu.h"

#include <mutex>
#include <unordered_map>

namespace {

// Each window's object, kept in the process: a window property would cost
// a call to the server for every message under Wine.
std::mutex ObjectsMutex;
std::unordered_map<HWND, CWnd*>& Objects()
{
    static std::unordered_map<HWND, CWnd*> objects;
    return objects;
}

void Unbind(HWND hwnd)
{
    std::lock_guard<std::mutex> lock(ObjectsMutex);
    Objects().erase(hwnd);
}

}  // namespace

CWnd::~CWnd()
{
    if (m_hWnd != nullptr && ::IsWindow(m_hWnd)) {
        Unbind(m_hWnd);
        ::DestroyWindow(m_hWnd);
    }
}

CWnd* CWnd::FromHandle(HWND hwnd)
{
    std::lock_guard<std::mutex> lock(ObjectsMutex);
    const auto found = Objects().find(hwnd);
    return found != Objects().end() ? found->second : nullptr;
}

void CWnd::Bind(CWnd* wnd, HWND hwnd)
{
    wnd->m_hWnd = hwnd;
    std::lock_guard<std::mutex> lock(ObjectsMutex);
    Objects()[hwnd] = wnd;
}

const char* CWnd::RegisterClass(const char* name, UINT style, HICON icon, HBRUSH background)
{
    WNDCLASSA windowClass = {};
    if (::GetClassInfoA(::GetModuleHandleA(nullptr), name, &windowClass)) return name;
    windowClass.style = style;
    windowClass.lpfnWndProc = StaticWindowProc;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.hIcon = icon;
    windowClass.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    return ::RegisterClassA(&windowClass) ? name : nullptr;
}

bool CWnd::CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style, const RECT& rect,
                    HWND parent, UINT idOrMenu)
{
    HWND hwnd = ::CreateWindowExA(exStyle, className, title, style, rect.left, rect.top, rect.right - rect.left,
                                  rect.bottom - rect.top, parent, reinterpret_cast<HMENU>(UINT_PTR{idOrMenu}),
                                  ::GetModuleHandleA(nullptr), this);
    return hwnd != nullptr;
}

bool CWnd::SubclassWindow(HWND hwnd)
{
    if (hwnd == nullptr || FromHandle(hwnd) != nullptr) return false;
    Bind(this, hwnd);
    m_previousProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(StaticWindowProc)));
    return true;
}

bool CWnd::DestroyWindow()
{
    if (m_hWnd == nullptr) return false;
    return ::DestroyWindow(m_hWnd) != FALSE;
}

std::string CWnd::GetWindowText() const
{
    const int length = ::GetWindowTextLengthA(m_hWnd);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    text.resize(static_cast<size_t>(::GetWindowTextA(m_hWnd, &text[0], length + 1)));
    return text;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) { return Default(message, wParam, lParam); }

LRESULT CWnd::Default(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DRAWITEM && RouteMenuDrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam))) return TRUE;
    if (message == WM_MEASUREITEM && RouteMenuMeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam))) return TRUE;
    if (m_isDialog) return FALSE;
    if (m_previousProc) return ::CallWindowProcA(m_previousProc, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Dispatch(CWnd* wnd, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    try {
        result = wnd->WindowProc(message, wParam, lParam);
    } catch (...) {
        result = ::DefWindowProcA(hwnd, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        Unbind(hwnd);
        wnd->m_hWnd = nullptr;
        wnd->PostNcDestroy();
    }
    return result;
}

LRESULT CALLBACK CWnd::StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* wnd = FromHandle(hwnd);
    if (wnd == nullptr && message == WM_NCCREATE) {
        wnd = static_cast<CWnd*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        if (wnd) Bind(wnd, hwnd);
    }
    if (wnd == nullptr) return ::DefWindowProcA(hwnd, message, wParam, lParam);
    return Dispatch(wnd, hwnd, message, wParam, lParam);
}

INT_PTR CALLBACK CWnd::StaticDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* wnd = FromHandle(hwnd);
    if (wnd == nullptr && message == WM_INITDIALOG) {
        wnd = reinterpret_cast<CWnd*>(lParam);
        if (wnd) Bind(wnd, hwnd);
    }
    if (wnd == nullptr) return FALSE;
    const LRESULT result = Dispatch(wnd, hwnd, message, wParam, lParam);
    // These few messages take the dialog procedure's own return value as
    // their answer; all others answer through DWLP_MSGRESULT.
    switch (message) {
    case WM_INITDIALOG:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
        return result;
    default:
        break;
    }
    if (result != 0) ::SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, result);
    return result != 0;
}
