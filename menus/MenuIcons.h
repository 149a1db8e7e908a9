#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

// Flags of the image lists that hold menu images: device-dependent colour
// with a mask.
const UINT MenuImageListFlags = ILC_COLORDDB | ILC_MASK;

// A set of menu images from one bitmap, shared by every item that shows one
// of them. Source image k is at 3k, its darkened variant at 3k+1 and its
// faded variant at 3k+2.
class CDrawnMenuIcons {
public:
    CDrawnMenuIcons() = default;
    virtual ~CDrawnMenuIcons();
    CDrawnMenuIcons(const CDrawnMenuIcons&) = delete;
    CDrawnMenuIcons& operator=(const CDrawnMenuIcons&) = delete;

    // Base index of the last source image of command `id`, or -1.
    virtual int FindIndex(DWORD id) const;
    // Reloads the images and their variants (after colour changes).
    virtual BOOL Refresh();
    // table: bitmap id, image width, image height, command ids, 0.
    virtual BOOL LoadFromTable(const WORD* table, COLORREF mask);
    virtual BOOL LoadToolBarResource(LPCSTR name, HMODULE resourceModule);
    virtual bool MatchesTable(const WORD* table, COLORREF mask) const;
    virtual bool MatchesResource(LPCSTR name, HMODULE resourceModule) const;
    virtual BOOL LoadBitmapStrip(int width, int height, LPCSTR name, HMODULE resourceModule);
    // Add the darkened or faded copy of an icon (index -1) or replace image
    // `index` with it; the index used, or -1.
    virtual int AddShadowImage(HICON icon, int index);
    virtual int AddFadedImage(HICON icon, int index);
    // Rebuilds the list as triples of image, darkened and faded variant.
    virtual BOOL BuildVariants();

    bool ImageSize(int& width, int& height) const;

    // Reference counting by the item records; a set whose count falls to 0
    // leaves IconSetRegistry and is deleted. Both accept null.
    static void AddRef(CDrawnMenuIcons* set);
    static void Release(CDrawnMenuIcons* set);

    LPCSTR resourceName = nullptr;  // an id, or points into resourceNameText
    HMODULE module = nullptr;
    int paletteColors = 0;
    COLORREF maskColor = 0xFFFFFFFF;
    HIMAGELIST imageList = nullptr;
    std::vector<DWORD> commandIds;
    int refCount = 0;

protected:
    void SetResourceName(LPCSTR name);
    int AddRecolored(HICON icon, int index, COLORREF (*recolor)(COLORREF pixel, COLORREF menu));

private:
    std::string m_resourceNameText;
};
