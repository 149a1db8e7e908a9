#include "menus/BitmapResource.h"

#include <cstring>
#include <vector>

namespace {

const BITMAPINFOHEADER* FindBitmapHeader(HMODULE module, LPCSTR name, DWORD& size)
{
    HRSRC found = FindResourceA(module, name, MAKEINTRESOURCEA(2));  // RT_BITMAP
    if (found == nullptr) return nullptr;
    HGLOBAL loaded = LoadResource(module, found);
    size = SizeofResource(module, found);
    if (loaded == nullptr || size < sizeof(BITMAPCOREHEADER)) return nullptr;
    return static_cast<const BITMAPINFOHEADER*>(LockResource(loaded));
}

int ColorsOf(const BITMAPINFOHEADER& header)
{
    if (header.biSize >= sizeof(BITMAPINFOHEADER) && header.biClrUsed != 0) return static_cast<int>(header.biClrUsed);
    const int bits = header.biSize >= sizeof(BITMAPINFOHEADER)
                         ? header.biBitCount
                         : reinterpret_cast<const BITMAPCOREHEADER&>(header).bcBitCount;
    switch (bits) {
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    default: return 0;
    }
}

// The standard button colours of a 16-colour picture and the 3-D colours
// that replace them.
struct ColorMapping {
    COLORREF from;
    int to;
};
const ColorMapping ButtonColors[] = {
    {RGB(0, 0, 0), COLOR_BTNTEXT},
    {RGB(128, 128, 128), COLOR_BTNSHADOW},
    {RGB(192, 192, 192), COLOR_BTNFACE},
    {RGB(255, 255, 255), COLOR_BTNHIGHLIGHT},
};

HBITMAP LoadSysColorBitmap(const BITMAPINFOHEADER& header, DWORD size, int colors)
{
    const size_t infoSize = header.biSize + static_cast<size_t>(colors) * sizeof(RGBQUAD);
    if (header.biSize < sizeof(BITMAPINFOHEADER) || infoSize > size) return nullptr;
    std::vector<BYTE> info(reinterpret_cast<const BYTE*>(&header), reinterpret_cast<const BYTE*>(&header) + infoSize);
    RGBQUAD* table = reinterpret_cast<RGBQUAD*>(info.data() + header.biSize);
    for (int i = 0; i < colors; ++i) {
        const COLORREF color = RGB(table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue);
        for (const ColorMapping& mapping : ButtonColors) {
            if (color != mapping.from) continue;
            const COLORREF now = GetSysColor(mapping.to);
            table[i].rgbRed = GetRValue(now);
            table[i].rgbGreen = GetGValue(now);
            table[i].rgbBlue = GetBValue(now);
            break;
        }
    }
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateDIBitmap(screen, &header, CBM_INIT, reinterpret_cast<const BYTE*>(&header) + infoSize,
                                    reinterpret_cast<const BITMAPINFO*>(info.data()), DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

}  // namespace

int BitmapPaletteColors(HMODULE module, LPCSTR name)
{
    DWORD size = 0;
    const BITMAPINFOHEADER* header = FindBitmapHeader(module, name, size);
    return header != nullptr ? ColorsOf(*header) : -1;
}

HBITMAP LoadMenuBitmap(HMODULE module, LPCSTR name, int& paletteColors)
{
    DWORD size = 0;
    const BITMAPINFOHEADER* header = FindBitmapHeader(module, name, size);
    if (header == nullptr) return nullptr;
    paletteColors = ColorsOf(*header);
    if (paletteColors == 16) return LoadSysColorBitmap(*header, size, paletteColors);
    return LoadBitmapA(module, name);
}
