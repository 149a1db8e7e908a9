#include "menus/MenuGdi.h"

#include "framework/Dpi.h"
#include "menus/MenuValues.h"

#include <commctrl.h>

HFONT CreateMenuFont(bool bold)
{
    NONCLIENTMETRICSW metrics = NonClientMetricsForDpi(CurrentMenuDpi());
    if (bold) metrics.lfMenuFont.lfWeight = FW_BOLD;
    return CreateFontIndirectW(&metrics.lfMenuFont);
}

HFONT CreateTitleFont(bool vertical)
{
    LOGFONTA font = {};
    font.lfHeight = MenuScale(16);
    font.lfWeight = FW_BOLD;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfEscapement = vertical ? 900 : 0;
    font.lfOrientation = font.lfEscapement;
    lstrcpyA(font.lfFaceName, "Arial");
    return CreateFontIndirectA(&font);
}

std::wstring WideText(const std::string& text)
{
    if (text.empty()) return std::wstring();
    const int length = static_cast<int>(text.size());
    const int wideLength = MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
    std::wstring wide(static_cast<size_t>(wideLength), L'\0');
    if (wideLength > 0) MultiByteToWideChar(CP_ACP, 0, text.data(), length, &wide[0], wideLength);
    return wide;
}

SIZE TextExtent(HDC dc, const std::string& text)
{
    return TextExtent(dc, WideText(text));
}

SIZE TextExtent(HDC dc, const std::wstring& text)
{
    SIZE size = {};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

void DrawMenuText(HDC dc, const std::wstring& text, RECT rect, UINT format)
{
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
}

void FillSolid(HDC dc, const RECT& rect, COLORREF color)
{
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

void FrameWithPen(HDC dc, const RECT& rect, COLORREF penColor)
{
    ScopedSelect pen(dc, CreatePen(PS_SOLID, 1, penColor));
    ScopedSelect brush(dc, GetStockObject(NULL_BRUSH), false);
    Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
}

void Draw3dFrame(HDC dc, const RECT& rect, COLORREF topLeft, COLORREF bottomRight, int lineWidth)
{
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    auto fill = [dc](int x, int y, int cx, int cy, COLORREF color) {
        RECT part = {x, y, x + cx, y + cy};
        FillSolid(dc, part, color);
    };
    fill(rect.left, rect.top, width - lineWidth, lineWidth, topLeft);
    fill(rect.left, rect.top, lineWidth, height - lineWidth, topLeft);
    fill(rect.right - lineWidth, rect.top, lineWidth, height, bottomRight);
    fill(rect.left, rect.bottom - lineWidth, width, lineWidth, bottomRight);
}

void DrawLine(HDC dc, int x1, int y1, int x2, int y2, COLORREF color)
{
    ScopedSelect pen(dc, CreatePen(PS_SOLID, 1, color));
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

void DrawMarlettGlyph(const RECT& rect, char character, bool bold, HDC dc)
{
    RECT area = rect;
    InflateRect(&area, -2, -2);
    ScopedSelect font(dc, CreateFontA(-(area.bottom - area.top), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE,
                                      FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                      NONANTIALIASED_QUALITY, DEFAULT_PITCH, "Marlett"));
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    DrawTextA(dc, &character, 1, &area, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
    SetBkMode(dc, oldMode);
}

void FillGradient(COLORREF colourEnd, HDC dc, const RECT& rect, COLORREF colourStart, bool horizontal)
{
    if (GradientRoutine != nullptr) {
        TRIVERTEX corners[2] = {};
        corners[0].x = rect.left;
        corners[0].y = rect.top;
        corners[0].Red = static_cast<COLOR16>(GetRValue(colourStart) << 8);
        corners[0].Green = static_cast<COLOR16>(GetGValue(colourStart) << 8);
        corners[0].Blue = static_cast<COLOR16>(GetBValue(colourStart) << 8);
        corners[1].x = rect.right;
        corners[1].y = rect.bottom;
        corners[1].Red = static_cast<COLOR16>(GetRValue(colourEnd) << 8);
        corners[1].Green = static_cast<COLOR16>(GetGValue(colourEnd) << 8);
        corners[1].Blue = static_cast<COLOR16>(GetBValue(colourEnd) << 8);
        GRADIENT_RECT order = {0, 1};
        GradientRoutine(dc, corners, 2, &order, 1, horizontal ? GRADIENT_FILL_RECT_H : GRADIENT_FILL_RECT_V);
        return;
    }
    FillSolid(dc, rect, colourEnd);
    const int span = (horizontal ? rect.right - rect.left : rect.bottom - rect.top) - 4;
    for (int n = 0; n <= span; n += 4) {
        // A span of 0 leaves room for one band only: the start colour.
        auto channel = [n, span](int start, int end) { return span == 0 ? start : start + (end - start) * n / span; };
        const COLORREF band = RGB(channel(GetRValue(colourStart), GetRValue(colourEnd)),
                                  channel(GetGValue(colourStart), GetGValue(colourEnd)),
                                  channel(GetBValue(colourStart), GetBValue(colourEnd)));
        RECT part = rect;
        if (horizontal) {
            part.left = rect.left + n;
            part.right = part.left + 4;
        } else {
            part.top = rect.top + n;
            part.bottom = part.top + 4;
        }
        FillSolid(dc, part, band);
    }
}

void DrawMenuImage(HDC dc, HIMAGELIST images, int index, int x, int y, HBRUSH mono)
{
    HICON icon = ImageList_GetIcon(images, index, ILD_NORMAL);
    if (icon == nullptr) return;
    DrawStateA(dc, mono, nullptr, reinterpret_cast<LPARAM>(icon), 0, x, y, 0, 0,
               DST_ICON | (mono != nullptr ? DSS_MONO : DSS_NORMAL));
    DestroyIcon(icon);
}

void DrawMenuImageDisabled(HDC dc, HIMAGELIST images, int index, int x, int y)
{
    HICON icon = ImageList_GetIcon(images, index, ILD_NORMAL);
    if (icon == nullptr) return;
    DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon), 0, x, y, 0, 0, DST_ICON | DSS_DISABLED);
    DestroyIcon(icon);
}
