#include "menus/MenuBitmaps.h"

#include "menus/BitmapResource.h"
#include "menus/MenuValues.h"

#include <algorithm>

bool CDrawnMenuBitmaps::EnsureList(int width, int height)
{
    if (imageList != nullptr && ImageList_GetImageCount(imageList) > 0) {
        int listWidth = 0, listHeight = 0;
        ImageSize(listWidth, listHeight);
        return listWidth == width && listHeight == height;
    }
    if (imageList != nullptr) ImageList_Destroy(imageList);
    imageList = ImageList_Create(width, height, MenuImageListFlags, 0, 10);
    return imageList != nullptr;
}

void CDrawnMenuBitmaps::AddVariantsOf(int index)
{
    HICON icon = ImageList_GetIcon(imageList, index, ILD_NORMAL);
    AddShadowImage(icon, -1);
    AddFadedImage(icon, -1);
    if (icon != nullptr) DestroyIcon(icon);
}

int CDrawnMenuBitmaps::AddBitmap(UINT bitmapId, COLORREF mask)
{
    if (std::find(commandIds.begin(), commandIds.end(), bitmapId) != commandIds.end()) return FindIndex(bitmapId);
    int colors = 0;
    HBITMAP bitmap = LoadMenuBitmap(MenuResourceModule(), MAKEINTRESOURCEA(bitmapId), colors);
    if (bitmap == nullptr) return -1;
    BITMAP size = {};
    GetObjectA(bitmap, sizeof size, &size);
    if (!EnsureList(size.bmWidth, size.bmHeight)) {
        DeleteObject(bitmap);
        return -1;
    }
    paletteColors = colors;
    const int index = ImageList_AddMasked(imageList, bitmap, mask);
    DeleteObject(bitmap);
    if (index < 0) return -1;
    maskColors.push_back(mask);
    commandIds.push_back(bitmapId);
    AddVariantsOf(index);
    return index;
}

int CDrawnMenuBitmaps::AddIcon(HICON icon, UINT id)
{
    ICONINFO info = {};
    if (icon == nullptr || !GetIconInfo(icon, &info)) return -1;
    BITMAP size = {};
    GetObjectA(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof size, &size);
    if (info.hbmColor == nullptr) size.bmHeight /= 2;  // a monochrome icon stacks mask and image
    if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
    if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
    if (id != 0) {
        const int base = FindIndex(id);
        if (base >= 0) {
            if (ImageList_ReplaceIcon(imageList, base, icon) < 0) return -1;
            AddShadowImage(icon, base + 1);
            AddFadedImage(icon, base + 2);
            return base;
        }
    }
    if (!EnsureList(size.bmWidth, size.bmHeight)) return -1;
    const int index = ImageList_AddIcon(imageList, icon);
    if (index < 0) return -1;
    maskColors.push_back(static_cast<DWORD>(-1));
    commandIds.push_back(id);
    AddShadowImage(icon, -1);
    AddFadedImage(icon, -1);
    return index;
}

BOOL CDrawnMenuBitmaps::Refresh()
{
    if (imageList == nullptr) return FALSE;
    const int count = ImageList_GetImageCount(imageList) / 3;
    for (int k = 0; k < count; ++k) {
        HICON icon = ImageList_GetIcon(imageList, 3 * k, ILD_NORMAL);
        AddShadowImage(icon, 3 * k + 1);
        AddFadedImage(icon, 3 * k + 2);
        if (icon != nullptr) DestroyIcon(icon);
    }
    return TRUE;
}
