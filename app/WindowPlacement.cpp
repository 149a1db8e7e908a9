#include "app/WindowPlacement.h"

#include "framework/Dpi.h"
#include "framework/WinApp.h"

namespace {
const char Section[] = "Location";
// Where the platform puts a minimised window.
const int MinimisedLeft = -32000;
}  // namespace

Placement ChoosePlacement(const Placement& saved, UINT savedDpi, UINT dpi)
{
    if (saved.width < 1 || saved.height < 1 || saved.left == MinimisedLeft)
        return {DefaultPlacement.left, DefaultPlacement.top, ScaleToDpi(DefaultPlacement.width, dpi),
                ScaleToDpi(DefaultPlacement.height, dpi)};
    if (savedDpi == 0 || savedDpi == dpi) return saved;
    return {saved.left, saved.top, MulDiv(saved.width, static_cast<int>(dpi), static_cast<int>(savedDpi)),
            MulDiv(saved.height, static_cast<int>(dpi), static_cast<int>(savedDpi))};
}

Placement ReadPlacement(const CWinApp& application, UINT dpi)
{
    Placement saved = {};
    saved.top = application.GetProfileInt(Section, "Top", 0);
    saved.left = application.GetProfileInt(Section, "Left", 0);
    saved.width = application.GetProfileInt(Section, "Width", 0);
    saved.height = application.GetProfileInt(Section, "Height", 0);
    const int savedDpi = application.GetProfileInt(Section, "Dpi", BaseDpi);
    return ChoosePlacement(saved, savedDpi > 0 ? static_cast<UINT>(savedDpi) : BaseDpi, dpi);
}

void WritePlacement(const CWinApp& application, HWND frame)
{
    RECT rect = {};
    if (!::GetWindowRect(frame, &rect)) return;
    application.WriteProfileInt(Section, "Top", rect.top);
    application.WriteProfileInt(Section, "Left", rect.left);
    application.WriteProfileInt(Section, "Width", rect.right - rect.left);
    application.WriteProfileInt(Section, "Height", rect.bottom - rect.top);
    application.WriteProfileInt(Section, "Dpi", static_cast<int>(DpiOf(frame)));
}
