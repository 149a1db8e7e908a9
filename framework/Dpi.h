#pragma once

#include <windows.h>

// Every pixel constant is a value at 96 DPI (100%), scaled here for the
// window it is drawn in. The per-DPI functions of Windows 10 are looked up
// where the system has them; older systems have one DPI for every window.

constexpr UINT BaseDpi = 96;

// The window's DPI (GetDpiForWindow), or the screen's; the screen's for null.
UINT DpiOf(HWND window);

// A 96-DPI length at `dpi`, rounded to the nearest pixel.
int ScaleToDpi(int value, UINT dpi);

// The system metric (SM_...) at `dpi`.
int SystemMetricForDpi(int index, UINT dpi);

// Grows a client rectangle to the window rectangle of a window of these
// styles (without a menu bar) at `dpi`.
void AdjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, UINT dpi);

// The system's fonts and non-client sizes at `dpi`, in UTF-16.
NONCLIENTMETRICSW NonClientMetricsForDpi(UINT dpi);
