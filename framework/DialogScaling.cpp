#include "framework/DialogScaling.h"

#include "framework/UserFunction.h"

#include <cmath>
#include <vector>

namespace {
int Scaled(LONG value, double factor) { return static_cast<int>(std::lround(value * factor)); }
}  // namespace

void ScaleDialogLayout(HWND dialog, double factor, HFONT font)
{
    std::vector<HWND> controls;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        controls.push_back(child);
    for (HWND control : controls) {
        RECT rect = {};
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        SetWindowPos(control, nullptr, Scaled(rect.left, factor), Scaled(rect.top, factor),
                     Scaled(rect.right - rect.left, factor), Scaled(rect.bottom - rect.top, factor),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RECT client = {}, window = {};
    GetClientRect(dialog, &client);
    GetWindowRect(dialog, &window);
    const int grownX = Scaled(client.right, factor) - client.right;
    const int grownY = Scaled(client.bottom, factor) - client.bottom;
    SetWindowPos(dialog, nullptr, 0, 0, window.right - window.left + grownX, window.bottom - window.top + grownY,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool SystemRelaysDialog(HWND dialog)
{
    using Behavior = DIALOG_DPI_CHANGE_BEHAVIORS(WINAPI*)(HWND);
    using WindowContext = DPI_AWARENESS_CONTEXT(WINAPI*)(HWND);
    using ContextsEqual = BOOL(WINAPI*)(DPI_AWARENESS_CONTEXT, DPI_AWARENESS_CONTEXT);
    static const auto behavior = UserFunction<Behavior>("GetDialogDpiChangeBehavior");
    static const auto windowContext = UserFunction<WindowContext>("GetWindowDpiAwarenessContext");
    static const auto contextsEqual = UserFunction<ContextsEqual>("AreDpiAwarenessContextsEqual");
    if (behavior == nullptr || windowContext == nullptr || contextsEqual == nullptr) return false;
    return contextsEqual(windowContext(dialog), DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2) &&
           (behavior(dialog) & DDC_DISABLE_ALL) == 0;
}

void KeepSystemFromRelayingDialog(HWND dialog)
{
    using SetBehavior = BOOL(WINAPI*)(HWND, DIALOG_DPI_CHANGE_BEHAVIORS, DIALOG_DPI_CHANGE_BEHAVIORS);
    static const auto setBehavior = UserFunction<SetBehavior>("SetDialogDpiChangeBehavior");
    if (setBehavior != nullptr) setBehavior(dialog, DDC_DISABLE_ALL, DDC_DISABLE_ALL);
}
