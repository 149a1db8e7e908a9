#pragma once

#include "menus/MenuIcons.h"

// An image set built from single bitmaps and icons; commandIds holds the
// bitmap id of each source image.
class CDrawnMenuBitmaps : public CDrawnMenuIcons {
public:
    // Rebuilds the variants of every image in place.
    BOOL Refresh() override;
    // Base index of the bitmap's image, or -1 when it cannot be loaded or
    // its size differs from the set's.
    int AddBitmap(UINT bitmapId, COLORREF mask);
    // A non-zero id already present has its images replaced in place.
    int AddIcon(HICON icon, UINT id);

    std::vector<DWORD> maskColors;

private:
    bool EnsureList(int width, int height);
    void AddVariantsOf(int index);
};
