#include "app/ResultLineDrawing.h"

#include "framework/Dpi.h"
#include "scan/ByteSize.h"
#include "scan/WideText.h"

#include <algorithm>

namespace {

// At 96 DPI.
constexpr int Margin = 2;
constexpr int ColumnGap = 12;

int TextWidth(HDC dc, const std::wstring& text)
{
    SIZE extent = {};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    return extent.cx;
}

}  // namespace

void FitResultLineHeight(HWND list)
{
    HDC dc = GetDC(list);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(list, WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(list, dc);
    if (metrics.tmHeight > 0) SendMessageA(list, LB_SETITEMHEIGHT, 0, metrics.tmHeight);
}

void DrawResultLine(const DRAWITEMSTRUCT& item, const ResultListView& view)
{
    HDC dc = item.hDC;
    if (item.itemID == static_cast<UINT>(-1)) {
        if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &item.rcItem);
        return;
    }
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    FillRect(dc, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColor = SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));

    const Result result = view.ResultAt(static_cast<int>(item.itemID));
    const UINT dpi = DpiOf(item.hwndItem);
    RECT text = item.rcItem;
    text.left += ScaleToDpi(Margin, dpi);
    text.right -= ScaleToDpi(Margin, dpi);
    const UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
    const std::wstring size = ByteSizeWide(result.bytes);
    DrawTextW(dc, size.c_str(), -1, &text, format | DT_RIGHT);
    // The paths keep one edge: room for the widest size the shell writes.
    text.right -= std::max(TextWidth(dc, size), TextWidth(dc, ByteSizeWide(1023))) + ScaleToDpi(ColumnGap, dpi);
    // A rule's line shows its entry's name in grey before the size.
    if (!result.rule.empty()) {
        const std::wstring rule = WideFromNarrow(result.rule);
        const COLORREF textColor = SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_GRAYTEXT));
        DrawTextW(dc, rule.c_str(), -1, &text, format | DT_RIGHT | DT_END_ELLIPSIS);
        SetTextColor(dc, textColor);
        text.right -= std::min(TextWidth(dc, rule), static_cast<int>((text.right - text.left) / 3)) + ScaleToDpi(ColumnGap, dpi);
    }
    // Narrow drawing would read the text in the font's code page, not the process's.
    const std::wstring line = WideFromNarrow(result.line);
    DrawTextW(dc, line.c_str(), -1, &text, format | DT_LEFT | DT_PATH_ELLIPSIS);

    SetTextColor(dc, oldColor);
    SetBkMode(dc, oldMode);
    if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &item.rcItem);
}
