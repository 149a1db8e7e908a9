#include "tests/menus/MenuTestSupport.h"

#include "res/resource.h"

#include <cstdio>
#include <cstdlib>

Canvas::Canvas(int width, int height, int bitsPerPixel) : m_width(width), m_height(height)
{
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colors[2];
    } info = {};
    info.header.biSize = sizeof info.header;
    info.header.biWidth = width;
    info.header.biHeight = -height;
    info.header.biPlanes = 1;
    info.header.biBitCount = static_cast<WORD>(bitsPerPixel);
    info.header.biCompression = BI_RGB;
    info.colors[1] = {255, 255, 255, 0};
    void* bits = nullptr;
    m_bitmap = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0);
    m_dc = CreateCompatibleDC(nullptr);
    m_old = SelectObject(m_dc, m_bitmap);
}

Canvas::~Canvas()
{
    SelectObject(m_dc, m_old);
    DeleteDC(m_dc);
    DeleteObject(m_bitmap);
}

COLORREF Canvas::Pixel(int x, int y) const
{
    GdiFlush();
    return GetPixel(m_dc, x, y);
}

void Canvas::Fill(COLORREF color) const
{
    RECT all = {0, 0, m_width, m_height};
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(m_dc, &all, brush);
    DeleteObject(brush);
}

void Canvas::Save(const std::string& name) const
{
    const char* folder = std::getenv("DUSTREL_MENU_PICTURES");
    if (folder == nullptr || *folder == 0) return;
    const std::string path = std::string(folder) + "\\" + name;
    GdiFlush();
    BITMAPINFOHEADER header = {sizeof header, m_width, m_height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    const int stride = (m_width * 3 + 3) & ~3;
    std::vector<BYTE> rows(static_cast<size_t>(stride) * m_height);
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x) {
            const COLORREF color = Pixel(x, m_height - 1 - y);
            BYTE* at = &rows[static_cast<size_t>(y) * stride + x * 3];
            at[0] = GetBValue(color);
            at[1] = GetGValue(color);
            at[2] = GetRValue(color);
        }
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(rows.size());
    if (FILE* out = std::fopen(path.c_str(), "wb")) {
        std::fwrite(&file, sizeof file, 1, out);
        std::fwrite(&header, sizeof header, 1, out);
        std::fwrite(rows.data(), rows.size(), 1, out);
        std::fclose(out);
    }
}

DRAWITEMSTRUCT DrawRequest(HMENU menu, UINT id, CDrawnMenuItemData* record, HDC dc, RECT rect, UINT state)
{
    DRAWITEMSTRUCT request = {};
    request.CtlType = ODT_MENU;
    request.itemID = id;
    request.itemAction = ODA_DRAWENTIRE;
    request.itemState = state;
    request.hwndItem = reinterpret_cast<HWND>(menu);
    request.hDC = dc;
    request.rcItem = rect;
    request.itemData = reinterpret_cast<ULONG_PTR>(record);
    return request;
}

MEASUREITEMSTRUCT MeasureRequest(UINT id, CDrawnMenuItemData* record)
{
    MEASUREITEMSTRUCT request = {};
    request.CtlType = ODT_MENU;
    request.itemID = id;
    request.itemWidth = 0xDEAD;
    request.itemHeight = 0xBEEF;
    request.itemData = reinterpret_cast<ULONG_PTR>(record);
    return request;
}

SIZE MenuTextExtent(const std::string& text, bool bold)
{
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    if (bold) metrics.lfMenuFont.lfWeight = FW_BOLD;
    HFONT font = CreateFontIndirectA(&metrics.lfMenuFont);
    HDC screen = GetDC(nullptr);
    HGDIOBJ old = SelectObject(screen, font);
    SIZE size = {};
    GetTextExtentPoint32A(screen, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    DeleteObject(font);
    return size;
}

const WORD MainIconTable[] = {IDB_MENU_ICONS,     16, 15, ID_VIEW_REFRESH, ID_OPTIONS_COOKIES, ID_OPTIONS_IETEMP,
                              ID_VIEW_APPLICATIONS, ID_EDIT_RECYCLE, ID_EDIT_DELETE, ID_EDIT_SELECT_ALL,
                              ID_EDIT_UNSELECT_ALL, 0};

std::vector<COLORREF> MenuIconPixels(int image)
{
    std::vector<COLORREF> pixels;
    HBITMAP strip = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_MENU_ICONS));
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, strip);
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 16; ++x) pixels.push_back(GetPixel(dc, image * 16 + x, y));
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(strip);
    return pixels;
}

namespace {

const INT TestColorIndexes[] = {COLOR_MENU, COLOR_MENUBAR, COLOR_WINDOW, COLOR_HIGHLIGHT, COLOR_MENUTEXT, COLOR_GRAYTEXT,
                                COLOR_ACTIVECAPTION, COLOR_CAPTIONTEXT};
const COLORREF TestColorValues[] = {RGB(212, 208, 200), RGB(212, 208, 200), RGB(255, 255, 255), RGB(49, 106, 197),
                                    RGB(0, 0, 0),       RGB(128, 128, 128), RGB(0, 84, 227),    RGB(255, 255, 255)};
const int TestColorCount = sizeof TestColorIndexes / sizeof TestColorIndexes[0];

}  // namespace

TestColors::TestColors()
{
    for (INT index : TestColorIndexes) m_saved.push_back(GetSysColor(index));
    SetSysColors(TestColorCount, TestColorIndexes, TestColorValues);
}

TestColors::~TestColors()
{
    SetSysColors(TestColorCount, TestColorIndexes, m_saved.data());
}
