#pragma once

#include <windows.h>
#include <oleacc.h>

#include <string>

class CDrawnMenuIcons;

// Title decoration of a title item (the low byte of titleFlags).
enum : DWORD {
    TitleItem = 0x01,
    TitleVertical = 0x02,
    TitleGradient = 0x04,
    TitleSunken = 0x08,
    TitleLine = 0x10,
    TitleRounded = 0x20,
    TitleCentred = 0x40,
};

// What one position of an owner-drawn menu shows; the item's data points here.
// Its first member names the item for assistive technology, which finds it
// there by its signature; so the class has no virtual functions.
class CDrawnMenuItemData {
public:
    CDrawnMenuItemData() = default;
    ~CDrawnMenuItemData();
    CDrawnMenuItemData(const CDrawnMenuItemData&) = delete;
    CDrawnMenuItemData& operator=(const CDrawnMenuItemData&) = delete;

    // Shows image `index` of `set`; no set or a negative index means no image.
    // The set counts the records that use it.
    void SetIcons(CDrawnMenuIcons* set, int index);

    bool IsTitle() const { return (titleFlags & TitleItem) != 0; }
    bool IsSeparator() const { return (menuFlags & MF_SEPARATOR) != 0; }
    // Gives the accessible name the current text.
    void NameForAccessibility();

    MSAAMENUINFO accessible = {MSAA_MENU_SIG, 0, nullptr};

    std::string text;
    DWORD titleFlags = 0;
    DWORD menuFlags = 0;
    UINT_PTR commandId = 0;  // the submenu handle for a popup item
    DWORD matched = 0;
    CDrawnMenuIcons* icons = nullptr;
    int imageIndex = -1;

private:
    std::wstring m_accessibleText;
};
