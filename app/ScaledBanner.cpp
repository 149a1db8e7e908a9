#include "app/ScaledBanner.h"

#include "res/resource.h"

HBITMAP ScaledBanner(int width, int height)
{
    auto* source = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_ABOUT_BANNER_200),
                                                   IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (source == nullptr) return nullptr;
    BITMAP size = {};
    GetObjectA(source, sizeof size, &size);
    if (size.bmWidth == width && size.bmHeight == height) return source;

    HDC screen = GetDC(nullptr);
    HDC from = CreateCompatibleDC(screen);
    HDC to = CreateCompatibleDC(screen);
    HBITMAP scaled = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ oldFrom = SelectObject(from, source);
    HGDIOBJ oldTo = SelectObject(to, scaled);
    SetStretchBltMode(to, HALFTONE);
    SetBrushOrgEx(to, 0, 0, nullptr);
    StretchBlt(to, 0, 0, width, height, from, 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
    SelectObject(to, oldTo);
    SelectObject(from, oldFrom);
    DeleteDC(to);
    DeleteDC(from);
    ReleaseDC(nullptr, screen);
    DeleteObject(source);
    return scaled;
}
