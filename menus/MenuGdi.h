#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

// Selects a GDI object into a DC for one scope and deletes it afterwards
// when it was made for the scope.
class ScopedSelect {
public:
    ScopedSelect(HDC dc, HGDIOBJ object, bool owned = true)
        : m_dc(dc), m_object(object), m_owned(owned), m_old(object != nullptr ? SelectObject(dc, object) : nullptr)
    {
    }
    ~ScopedSelect()
    {
        if (m_object == nullptr) return;
        SelectObject(m_dc, m_old);
        if (m_owned) DeleteObject(m_object);
    }
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_object;
    bool m_owned;
    HGDIOBJ m_old;
};

// The system's menu font, bold on request.
HFONT CreateMenuFont(bool bold);
// "Arial", 16 high, bold; turned by 90 degrees for side titles.
HFONT CreateTitleFont(bool vertical);

// Menu texts are in the process's code page, while the narrow GDI functions
// read a text in the code page of the selected font's character set (a Big5
// menu font under a Chinese system language). Texts are therefore measured
// and drawn as UTF-16, converted once with CP_ACP.
std::wstring WideText(const std::string& text);
SIZE TextExtent(HDC dc, const std::string& text);
SIZE TextExtent(HDC dc, const std::wstring& text);
// DrawTextW of the text: "&" marks the mnemonic, as in a menu.
void DrawMenuText(HDC dc, const std::wstring& text, RECT rect, UINT format);

void FillSolid(HDC dc, const RECT& rect, COLORREF color);
// A 1-pixel hollow rectangle in the pen's colour.
void FrameWithPen(HDC dc, const RECT& rect, COLORREF penColor);
// Top and left edges in one colour, bottom and right in the other.
void Draw3dFrame(HDC dc, const RECT& rect, COLORREF topLeft, COLORREF bottomRight, int lineWidth = 1);
void DrawLine(HDC dc, int x1, int y1, int x2, int y2, COLORREF color);

// One "Marlett" character in the DC's text colour alone (no smoothing into
// the background, which a high-contrast theme must not get), centred
// horizontally in the rectangle deflated by 2.
void DrawMarlettGlyph(const RECT& rect, char character, bool bold, HDC dc);

// colourStart at the left or top, colourEnd at the right or bottom; bands
// of 4 pixels when the system offers no gradient fill.
void FillGradient(COLORREF colourEnd, HDC dc, const RECT& rect, COLORREF colourStart, bool horizontal);

// Draws image `index` of an image list as an icon; with a brush, as a
// one-colour silhouette in that brush.
void DrawMenuImage(HDC dc, HIMAGELIST images, int index, int x, int y, HBRUSH mono = nullptr);
// The same in the system's disabled style.
void DrawMenuImageDisabled(HDC dc, HIMAGELIST images, int index, int x, int y);
