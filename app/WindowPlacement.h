#pragma once

#include <windows.h>

class CWinApp;

// The main window's outer rectangle as kept under "Location".
struct Placement {
    int left;
    int top;
    int width;
    int height;
};

inline constexpr Placement DefaultPlacement = {191, 99, 584, 456};

// The saved rectangle, or the defaults when it is empty or was saved minimised.
Placement ChoosePlacement(const Placement& saved);

Placement ReadPlacement(const CWinApp& application);
void WritePlacement(const CWinApp& application, HWND frame);
