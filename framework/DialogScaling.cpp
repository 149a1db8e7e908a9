#include "framework/DialogScaling.h"

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
