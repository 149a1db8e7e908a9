#include "menus/MenuIcons.h"

#include "menus/BitmapResource.h"
#include "menus/MenuValues.h"

#include <algorithm>

namespace {

const WORD ToolBarResourceType = 241;

}  // namespace

CDrawnMenuIcons::~CDrawnMenuIcons()
{
    if (imageList != nullptr) ImageList_Destroy(imageList);
}

void CDrawnMenuIcons::AddRef(CDrawnMenuIcons* set)
{
    if (set != nullptr) ++set->refCount;
}

void CDrawnMenuIcons::Release(CDrawnMenuIcons* set)
{
    if (set == nullptr || set->refCount <= 0) return;
    if (--set->refCount > 0) return;
    if (IconSetRegistry != nullptr) IconSetRegistry->remove(set);
    delete set;
}

int CDrawnMenuIcons::FindIndex(DWORD id) const
{
    for (size_t i = commandIds.size(); i-- > 0;)
        if (commandIds[i] == id) return static_cast<int>(3 * i);
    return -1;
}

bool CDrawnMenuIcons::ImageSize(int& width, int& height) const
{
    return imageList != nullptr && ImageList_GetIconSize(imageList, &width, &height);
}

void CDrawnMenuIcons::SetResourceName(LPCSTR name)
{
    if (IS_INTRESOURCE(name)) {
        m_resourceNameText.clear();
        resourceName = name;
    } else {
        m_resourceNameText = name;
        resourceName = m_resourceNameText.c_str();
    }
}

BOOL CDrawnMenuIcons::LoadBitmapStrip(int width, int height, LPCSTR name, HMODULE resourceModule)
{
    int colors = 0;
    HBITMAP bitmap = LoadMenuBitmap(resourceModule != nullptr ? resourceModule : MenuResourceModule(), name, colors);
    if (bitmap == nullptr) return FALSE;
    paletteColors = colors;
    if (imageList != nullptr) ImageList_Destroy(imageList);
    imageList = ImageList_Create(width, height, MenuImageListFlags, 0, 10);
    ImageList_AddMasked(imageList, bitmap, maskColor);
    DeleteObject(bitmap);
    return TRUE;
}

BOOL CDrawnMenuIcons::LoadToolBarResource(LPCSTR name, HMODULE resourceModule)
{
    SetResourceName(name);
    module = resourceModule;
    HMODULE holder = resourceModule;
    HRSRC found = holder != nullptr ? FindResourceA(holder, name, MAKEINTRESOURCEA(ToolBarResourceType)) : nullptr;
    if (found == nullptr) {
        holder = MenuResourceModule();
        found = FindResourceA(holder, name, MAKEINTRESOURCEA(ToolBarResourceType));
    }
    if (found == nullptr) return FALSE;
    HGLOBAL loaded = LoadResource(holder, found);
    const DWORD size = SizeofResource(holder, found);
    const WORD* words = loaded != nullptr ? static_cast<const WORD*>(LockResource(loaded)) : nullptr;
    if (words == nullptr || size < 4 * sizeof(WORD)) return FALSE;
    // Never read past the resource, whatever its item count says.
    const size_t count = std::min<size_t>(words[3], size / sizeof(WORD) - 4);
    // Variants are made of freshly loaded images only: the list still holds
    // the variants of the last load when this one fails.
    if (!LoadBitmapStrip(words[1], words[2], name, resourceModule)) return FALSE;
    commandIds.clear();
    bool appended = false;
    for (size_t i = 0; i < count; ++i) {
        if (words[4 + i] == 0) continue;
        commandIds.push_back(words[4 + i]);
        appended = true;
    }
    BuildVariants();
    return appended;
}

BOOL CDrawnMenuIcons::LoadFromTable(const WORD* table, COLORREF mask)
{
    maskColor = mask;
    if (!LoadBitmapStrip(table[1], table[2], MAKEINTRESOURCEA(table[0]), nullptr)) return FALSE;
    SetResourceName(MAKEINTRESOURCEA(table[0]));
    bool appended = false;
    for (const WORD* id = table + 3; *id != 0; ++id) {
        commandIds.push_back(*id);
        appended = true;
    }
    BuildVariants();
    return appended;
}

bool CDrawnMenuIcons::MatchesTable(const WORD* table, COLORREF mask) const
{
    if (mask != maskColor || table[0] == 0 || !IS_INTRESOURCE(resourceName)) return false;
    if (table[0] != reinterpret_cast<ULONG_PTR>(resourceName)) return false;
    for (size_t i = 0; i < commandIds.size(); ++i) {
        // The table ends at its first 0: a shorter table does not match.
        if (table[3 + i] == 0 || table[3 + i] != commandIds[i]) return false;
    }
    return true;
}

bool CDrawnMenuIcons::MatchesResource(LPCSTR name, HMODULE resourceModule) const
{
    if (resourceModule != module) return false;
    if (!IS_INTRESOURCE(resourceName)) return !IS_INTRESOURCE(name) && lstrcmpA(resourceName, name) == 0;
    return name == resourceName;
}

BOOL CDrawnMenuIcons::Refresh()
{
    int width = 0, height = 0;
    if (resourceName == nullptr || !ImageSize(width, height)) return FALSE;
    if (!LoadBitmapStrip(width, height, resourceName, module)) return FALSE;
    return BuildVariants();
}
