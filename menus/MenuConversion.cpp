#include "menus/DrawnMenu.h"
#include "menus/MenuIcons.h"
#include "menus/MenuValues.h"

#include <algorithm>

namespace {

std::string MenuCaption(HMENU menu, int position)
{
    char caption[512] = "";
    GetMenuStringA(menu, position, caption, sizeof caption, MF_BYPOSITION);
    return caption;
}

// Read from the item's type: a popup's state has its item count where the
// owner-draw flag would be.
bool IsOwnerDrawn(HMENU menu, int position)
{
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE;
    return GetMenuItemInfoA(menu, position, TRUE, &info) && (info.fType & MFT_OWNERDRAW) != 0;
}

// An owner-drawn item keeps its text as its string too: screen readers and
// other assistive technology read the item's string, not the drawing.
void KeepItemText(HMENU menu, UINT item, bool byPosition, CDrawnMenuItemData& record)
{
    if (record.IsSeparator()) return;
    record.NameForAccessibility();
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    info.dwTypeData = const_cast<LPSTR>(record.text.c_str());
    SetMenuItemInfoA(menu, item, byPosition, &info);
}

BOOL ModifyOwnerDrawn(HMENU menu, UINT position, UINT flags, UINT_PTR id, CDrawnMenuItemData* record)
{
    if (!ModifyMenuA(menu, position, flags, id, reinterpret_cast<LPCSTR>(record))) return FALSE;
    // A changed command id finds the item by its new id.
    KeepItemText(menu, (flags & MF_BYPOSITION) ? position : static_cast<UINT>(id), (flags & MF_BYPOSITION) != 0,
                 *record);
    return TRUE;
}

}  // namespace

CDrawnMenuItemData* CDrawnMenu::TakeRecord(UINT_PTR key)
{
    for (CDrawnMenuItemData* record : items) {
        if (record->matched || record->commandId != key) continue;
        record->matched = 1;
        return record;
    }
    return nullptr;
}

void CDrawnMenu::BindSubMenu(HMENU subMenu)
{
    if (CDrawnMenu* child = FromHandle(subMenu)) child->parentMenu = m_hMenu;
}

CDrawnMenuItemData* CDrawnMenu::NewRecord(int position, DWORD flags, UINT_PTR id, const std::string& caption)
{
    CDrawnMenuItemData* record = new CDrawnMenuItemData;
    record->text = caption;
    record->menuFlags = flags;
    record->commandId = id;
    if (flags & MF_POPUP) BindSubMenu(reinterpret_cast<HMENU>(id));
    ModifyOwnerDrawn(m_hMenu, position, flags, id, record);
    return record;
}

void CDrawnMenu::ConvertItems()
{
    for (CDrawnMenuItemData* record : items) record->matched = 0;
    std::vector<CDrawnMenuItemData*> converted;
    const int count = GetMenuItemCount(m_hMenu);
    for (int position = 0; position < count; ++position) {
        const UINT state = GetMenuState(m_hMenu, position, MF_BYPOSITION);
        if (state == static_cast<UINT>(-1)) break;
        CDrawnMenuItemData* record = nullptr;
        if (state & MF_POPUP) {
            HMENU subMenu = ::GetSubMenu(m_hMenu, position);
            const UINT_PTR key = reinterpret_cast<UINT_PTR>(subMenu);
            const std::string caption = MenuCaption(m_hMenu, position);
            record = TakeRecord(key);
            if (record == nullptr) {
                // The high byte of a popup's state is its item count.
                record = NewRecord(position, (state & 0xFF) | MF_POPUP | MF_OWNERDRAW | MF_BYPOSITION, key, caption);
            } else {
                if (!caption.empty()) record->text = caption;
                // An item changed through the plain menu interface is owner-drawn again.
                if (!IsOwnerDrawn(m_hMenu, position)) ModifyOwnerDrawn(m_hMenu, position, record->menuFlags, key, record);
                BindSubMenu(subMenu);
            }
        } else if (state & MF_SEPARATOR) {
            record = TakeRecord(0);
            if (record == nullptr) {
                record = NewRecord(position, state | MF_OWNERDRAW | MF_BYPOSITION, 0, std::string());
            } else {
                record->menuFlags = state | MF_OWNERDRAW | MF_BYPOSITION;
                ModifyOwnerDrawn(m_hMenu, position, record->menuFlags, 0, record);
            }
        } else {
            const UINT id = GetMenuItemID(m_hMenu, position);
            const std::string caption = MenuCaption(m_hMenu, position);
            record = TakeRecord(id);
            if (record == nullptr) {
                record = NewRecord(position, state | MF_OWNERDRAW | MF_BYPOSITION, id, caption);
            } else {
                record->menuFlags = state | MF_OWNERDRAW | MF_BYPOSITION;
                if (!caption.empty()) record->text = caption;
                ModifyOwnerDrawn(m_hMenu, position, record->menuFlags, id, record);
            }
        }
        converted.push_back(record);
    }
    for (CDrawnMenuItemData* record : items)
        if (!record->matched) delete record;
    items = std::move(converted);
}

BOOL CDrawnMenu::SetTitleItem(LPCSTR text, DWORD flags)
{
    if (m_hMenu == nullptr || !IsMenu(m_hMenu)) return FALSE;
    if (static_cast<size_t>(GetMenuItemCount(m_hMenu)) != items.size()) ConvertItems();
    // A popup's state carries its item count in the byte of the separator flag.
    const UINT first = GetMenuState(m_hMenu, 0, MF_BYPOSITION);
    if (GetMenuItemCount(m_hMenu) == 0 || (first & MF_POPUP) || (first & MF_SEPARATOR) == 0)
        InsertItem(0, "", MF_BYPOSITION, 0);
    if (items.empty() || !items[0]->IsSeparator()) return FALSE;
    items[0]->text = text != nullptr ? text : "";
    items[0]->titleFlags = flags | TitleItem;
    if (GetMenuItemCount(m_hMenu) == 1 || items.size() < 2) return FALSE;
    // A side title stands in a column of its own.
    CDrawnMenuItemData* second = items[1];
    const DWORD wanted =
        (flags & TitleVertical) ? (second->menuFlags | MF_MENUBREAK) : (second->menuFlags & ~DWORD(MF_MENUBREAK));
    if (wanted != second->menuFlags) {
        second->menuFlags = wanted;
        ModifyOwnerDrawn(m_hMenu, 1, wanted | MF_BYPOSITION | MF_OWNERDRAW, second->commandId, second);
    }
    return TRUE;
}

void CDrawnMenu::GrowIconSize(CDrawnMenuIcons* icons)
{
    int width = 0, height = 0;
    if (icons == nullptr || !icons->ImageSize(width, height)) return;
    iconWidth = std::max(iconWidth, width);
    iconHeight = std::max(iconHeight, height);
}

BOOL CDrawnMenu::InsertItem(UINT position, LPCSTR text, UINT flags, UINT_PTR id, CDrawnMenuIcons* icons, int imageIndex)
{
    if ((flags & MF_BYPOSITION) == 0) {
        int found = -1;
        CDrawnMenu* holder = FindMenuOfCommand(position, found);
        if (holder == nullptr) return FALSE;
        return holder->InsertItem(static_cast<UINT>(found), text, flags | MF_BYPOSITION, id, icons, imageIndex);
    }
    flags = id == 0 ? (MF_SEPARATOR | MF_BYPOSITION | MF_OWNERDRAW) : (flags | MF_OWNERDRAW);
    if (flags & MF_POPUP) BindSubMenu(reinterpret_cast<HMENU>(id));
    CDrawnMenuItemData* record = new CDrawnMenuItemData;
    record->text = text != nullptr ? text : "";
    record->menuFlags = flags;
    record->commandId = id;
    if (icons != nullptr && imageIndex >= 0) {
        record->SetIcons(icons, imageIndex);
        GrowIconSize(icons);
    }
    const size_t at = position < items.size() ? position : items.size();
    items.insert(items.begin() + static_cast<std::ptrdiff_t>(at), record);
    if (InsertMenuA(m_hMenu, position, flags, id, reinterpret_cast<LPCSTR>(record))) {
        KeepItemText(m_hMenu, (flags & MF_BYPOSITION) ? position : static_cast<UINT>(id), (flags & MF_BYPOSITION) != 0,
                     *record);
        return TRUE;
    }
    // The menu did not take the item: keep records and positions in step.
    items.erase(items.begin() + static_cast<std::ptrdiff_t>(at));
    delete record;
    return FALSE;
}

void CDrawnMenu::CollectCommand(UINT id, std::vector<std::pair<CDrawnMenu*, int>>& found)
{
    // Records beyond the positions are transient ones that SetItemIcon
    // appended; converting now would drop them in the middle of the work.
    if (static_cast<size_t>(GetMenuItemCount(m_hMenu)) > items.size()) ConvertItems();
    const int count = GetMenuItemCount(m_hMenu);
    for (int i = 0; i < count; ++i) {
        HMENU subMenu = ::GetSubMenu(m_hMenu, i);
        if (subMenu != nullptr) {
            if (CDrawnMenu* child = FromHandle(subMenu)) child->CollectCommand(id, found);
        } else if (GetMenuItemID(m_hMenu, i) == id && static_cast<size_t>(i) < items.size()) {
            found.emplace_back(this, i);
        }
    }
}

BOOL CDrawnMenu::SetItemIcon(UINT id, LPCSTR text, CDrawnMenuIcons* icons, int imageIndex)
{
    std::vector<std::pair<CDrawnMenu*, int>> found;
    CollectCommand(id, found);
    auto update = [&](CDrawnMenu* menu, CDrawnMenuItemData* record) {
        if (text != nullptr) record->text = text;
        record->SetIcons(icons, imageIndex);
        if (record->icons != nullptr) menu->GrowIconSize(icons);
        record->menuFlags = (record->menuFlags & ~DWORD(MF_BYPOSITION)) | MF_OWNERDRAW;
        record->commandId = id;
    };
    if (found.empty()) {
        // Kept until the next conversion of this menu drops it.
        CDrawnMenuItemData* record = new CDrawnMenuItemData;
        items.push_back(record);
        update(this, record);
        return ModifyOwnerDrawn(m_hMenu, id, record->menuFlags | MF_BYCOMMAND, id, record);
    }
    // Each item keeps its own record as its data, so that two items of one
    // command keep their own captions.
    BOOL result = FALSE;
    for (auto& [menu, position] : found) {
        CDrawnMenuItemData* record = menu->items[position];
        update(menu, record);
        result = ModifyOwnerDrawn(menu->m_hMenu, position, record->menuFlags | MF_BYPOSITION, id, record);
    }
    return result;
}

BOOL CDrawnMenu::LoadIconTable(COLORREF mask, const WORD* table)
{
    if (table == nullptr) return FALSE;
    if (mask == static_cast<COLORREF>(-1)) mask = bitmapBackground;
    CDrawnMenuIcons* set = nullptr;
    for (CDrawnMenuIcons* candidate : IconSets()) {
        if (!candidate->MatchesTable(table, mask)) continue;
        set = candidate;
        break;
    }
    if (set == nullptr) {
        set = new CDrawnMenuIcons;
        if (!set->LoadFromTable(table, mask)) {
            delete set;
            return FALSE;
        }
        IconSets().push_back(set);
    }
    // Held for the loop, so that no record dropped on the way deletes it.
    CDrawnMenuIcons::AddRef(set);
    for (size_t i = set->commandIds.size(); i-- > 0;)
        SetItemIcon(set->commandIds[i], nullptr, set, static_cast<int>(3 * i));
    CDrawnMenuIcons::Release(set);
    return TRUE;
}
