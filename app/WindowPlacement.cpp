#include "app/WindowPlacement.h"

#include "framework/WinApp.h"

namespace {
const char Section[] = "Location";
// Where the platform puts a minimised window.
const int MinimisedLeft = -32000;
}  // namespace

Placement ChoosePlacement(const Placement& saved)
{
    if (saved.width < 1 || saved.height < 1 || saved.left == MinimisedLeft) return DefaultPlacement;
    return saved;
}

Placement ReadPlacement(const CWinApp& application)
{
    Placement saved = {};
    saved.top = application.GetProfileInt(Section, "Top", 0);
    saved.left = application.GetProfileInt(Section, "Left", 0);
    saved.width = application.GetProfileInt(Section, "Width", 0);
    saved.height = application.GetProfileInt(Section, "Height", 0);
    return ChoosePlacement(saved);
}

void WritePlacement(const CWinApp& application, HWND frame)
{
    RECT rect = {};
    if (!::GetWindowRect(frame, &rect)) return;
    application.WriteProfileInt(Section, "Top", rect.top);
    application.WriteProfileInt(Section, "Left", rect.left);
    application.WriteProfileInt(Section, "Width", rect.right - rect.left);
    application.WriteProfileInt(Section, "Height", rect.bottom - rect.top);
}
