#include "menus/DrawnMenu.h"
#include "menus/MenuValues.h"
#include "menus/MenuWindows.h"

namespace {

struct CommandPair {
    UINT_PTR usual;
    UINT_PTR whileOpen;
};

// Windows XP draws these system commands its own way unless their ids are
// ones it does not know.
constexpr CommandPair RenumberedOnXp[] = {
    {SC_RESTORE, SC_RESTORE + 1},
    {SC_CLOSE, SC_CLOSE + 1},
    {SC_MINIMIZE, SC_MINIMIZE + 1},
};

void Renumber(CDrawnMenu& menu, bool opening)
{
    if (OsVersionCode != 7) return;
    for (size_t position = 0; position < menu.items.size(); ++position) {
        CDrawnMenuItemData* record = menu.items[position];
        for (const CommandPair& pair : RenumberedOnXp) {
            const UINT_PTR from = opening ? pair.usual : pair.whileOpen;
            if (record->commandId != from) continue;
            record->commandId = opening ? pair.whileOpen : pair.usual;
            ModifyMenuA(menu.m_hMenu, static_cast<UINT>(position), record->menuFlags | MF_OWNERDRAW | MF_BYPOSITION,
                        record->commandId, reinterpret_cast<LPCSTR>(record));
            break;
        }
    }
}

// The pressed or released menu-bar item, with room for its shadow.
void InvalidateBarItem(HWND window, const CDrawnMenu& bar)
{
    if (IsRectEmpty(&bar.barItemRect)) return;
    RECT area = bar.barItemRect;
    area.right += MenuScale(10);
    area.bottom += MenuScale(10);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&area), 2);
    RedrawWindow(window, &area, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

}  // namespace

void CDrawnMenu::OnPopupOpening()
{
    isPopup = 1;
    ConvertItems();
    Renumber(*this, true);
}

int CDrawnMenu::OnPopupClosed(HWND window)
{
    Renumber(*this, false);
    CDrawnMenu* parent = ParentObject();
    if (parent == nullptr) return 0;
    parent->openPopups -= 1;
    if (parent->isPopup != 0) return 0;
    parent->openPopups = 0;
    InvalidateBarItem(window, *parent);
    return 1;
}

void AnnouncePopup(HWND frame, HMENU popup)
{
    PendingPopupMenu = popup;
    CDrawnMenu* menu = CDrawnMenu::FromHandle(popup);
    if (menu != nullptr) menu->OnPopupOpening();
    CDrawnMenu* parent = menu != nullptr ? menu->ParentObject() : nullptr;
    if (parent == nullptr) return;
    const bool firstOpen = parent->openPopups == 0;
    parent->openPopups += 1;
    if (firstOpen && parent->isPopup == 0) InvalidateBarItem(frame, *parent);
}
