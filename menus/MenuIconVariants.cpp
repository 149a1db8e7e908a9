#include "menus/Colors.h"
#include "menus/MenuIcons.h"

namespace {

COLORREF Darkened(COLORREF pixel, COLORREF)
{
    return ColorDarken(pixel, 50);
}

COLORREF Faded(COLORREF pixel, COLORREF menu)
{
    return ColorMix86(menu, ColorLighten(ColorGray(pixel), 100));
}

}  // namespace

BOOL CDrawnMenuIcons::BuildVariants()
{
    if (imageList == nullptr || ImageList_GetImageCount(imageList) == 0) return FALSE;
    int width = 0, height = 0;
    ImageList_GetIconSize(imageList, &width, &height);
    HIMAGELIST old = imageList;
    imageList = ImageList_Create(width, height, MenuImageListFlags, 0, 10);
    const int count = ImageList_GetImageCount(old);
    for (int i = 0; i < count; ++i) {
        HICON icon = ImageList_GetIcon(old, i, ILD_NORMAL);
        ImageList_AddIcon(imageList, icon);
        AddShadowImage(icon, -1);
        AddFadedImage(icon, -1);
        if (icon != nullptr) DestroyIcon(icon);
    }
    ImageList_Destroy(old);
    return TRUE;
}

int CDrawnMenuIcons::AddShadowImage(HICON icon, int index)
{
    return AddRecolored(icon, index, Darkened);
}

int CDrawnMenuIcons::AddFadedImage(HICON icon, int index)
{
    return AddRecolored(icon, index, Faded);
}

// Recolours the visible pixels of the icon's image. Pixels under the mask
// stay black, as drawing an icon inverts the background wherever a
// transparent pixel is not black.
int CDrawnMenuIcons::AddRecolored(HICON icon, int index, COLORREF (*recolor)(COLORREF, COLORREF))
{
    ICONINFO info = {};
    if (icon == nullptr || !GetIconInfo(icon, &info)) return -1;
    int result = -1;
    int width = 0, height = 0;
    if (info.hbmColor != nullptr && info.hbmMask != nullptr && ImageSize(width, height)) {
        const COLORREF menu = MenuColor();
        HDC colorDc = CreateCompatibleDC(nullptr);
        HDC maskDc = CreateCompatibleDC(nullptr);
        HGDIOBJ oldColor = SelectObject(colorDc, info.hbmColor);
        HGDIOBJ oldMask = SelectObject(maskDc, info.hbmMask);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if (GetPixel(maskDc, x, y) == RGB(0, 0, 0)) SetPixel(colorDc, x, y, recolor(GetPixel(colorDc, x, y), menu));
        SelectObject(maskDc, oldMask);
        SelectObject(colorDc, oldColor);
        DeleteDC(maskDc);
        DeleteDC(colorDc);
        if (index == -1)
            result = ImageList_Add(imageList, info.hbmColor, info.hbmMask);
        else
            result = ImageList_Replace(imageList, index, info.hbmColor, info.hbmMask) ? index : -1;
    }
    if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
    if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
    return result;
}
