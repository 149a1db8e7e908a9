#pragma once

#include <windows.h>

// Grows or shrinks a dialog's client area and every control by `factor`, the
// controls in `font` (the dialog keeps using it): for a dialog laid out in a
// font that does not scale (a raster font keeps nearly its 100% size on a
// screen at 200%), or one whose DPI changed.
void ScaleDialogLayout(HWND dialog, double factor, HFONT font);

// Whether the system lays the dialog out again when its DPI changes. Windows
// 10 (1703 and later) does so for the dialogs of a per-monitor (version 2)
// thread: it sizes and places the controls from the template, gives them and
// the dialog the template's font at the new DPI and resizes the dialog.
// Earlier systems, and Wine, leave all of it to the dialog.
bool SystemRelaysDialog(HWND dialog);
// Keeps the system from laying out a dialog that lays itself out.
void KeepSystemFromRelayingDialog(HWND dialog);
