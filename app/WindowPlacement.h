#pragma once

#include <windows.h>

class CWinApp;

// The main window's outer rectangle as kept under "Location", with the DPI
// it was saved at (96 where none was kept).
struct Placement {
    int left;
    int top;
    int width;
    int height;
};

// At 96 DPI; its size grows with the window's scale.
inline constexpr Placement DefaultPlacement = {191, 99, 584, 456};

// The saved rectangle for a window at `dpi`: the same physical size as when
// it was saved at `savedDpi`, at the same place. The defaults when it is
// empty or was saved minimised.
Placement ChoosePlacement(const Placement& saved, UINT savedDpi, UINT dpi);

Placement ReadPlacement(const CWinApp& application, UINT dpi);
void WritePlacement(const CWinApp& application, HWND frame);
