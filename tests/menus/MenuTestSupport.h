#pragma once

#include "menus/DrawnMenu.h"

#include <windows.h>

#include <string>
#include <vector>

// A memory DC on a top-down DIB section whose pixels the test reads back.
class Canvas {
public:
    Canvas(int width, int height, int bitsPerPixel = 32);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC Dc() const { return m_dc; }
    COLORREF Pixel(int x, int y) const;
    void Fill(COLORREF color) const;
    // Writes the picture as a BMP file into the folder named by
    // DUSTREL_MENU_PICTURES, when it is set, to look at it.
    void Save(const std::string& name) const;

private:
    int m_width, m_height;
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
};

// A draw-item request for one item of a menu.
DRAWITEMSTRUCT DrawRequest(HMENU menu, UINT id, CDrawnMenuItemData* record, HDC dc, RECT rect, UINT state);
MEASUREITEMSTRUCT MeasureRequest(UINT id, CDrawnMenuItemData* record);

// The extent of a text in the system's menu font.
SIZE MenuTextExtent(const std::string& text, bool bold = false);

// The icon table the main frame gives its menu: bitmap 134 for seven commands.
extern const WORD MainIconTable[];

// Pixels of picture `image` (16 x 15) of bitmap 134 as stored.
std::vector<COLORREF> MenuIconPixels(int image);
const COLORREF IconClear = RGB(192, 192, 192);

// Classic, distinct system colours for the length of a test, so that the
// flat look's tints differ from each other and from white.
class TestColors {
public:
    TestColors();
    ~TestColors();
    TestColors(const TestColors&) = delete;
    TestColors& operator=(const TestColors&) = delete;

private:
    std::vector<COLORREF> m_saved;
};

// Restores a library-wide value when the test ends.
template <class T>
class Restore {
public:
    explicit Restore(T& value) : m_value(value), m_saved(value) {}
    ~Restore() { m_value = m_saved; }

private:
    T& m_value;
    T m_saved;
};
