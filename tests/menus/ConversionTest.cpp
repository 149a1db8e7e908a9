#include "menus/DrawnMenu.h"
#include "menus/MenuGdi.h"
#include "menus/MenuIcons.h"
#include "menus/MenuValues.h"
#include "res/resource.h"
#include "tests/menus/MenuTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct ItemInfo {
    UINT type = 0;
    ULONG_PTR data = 0;
};

ItemInfo InfoAt(HMENU menu, int position)
{
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_DATA;
    GetMenuItemInfoA(menu, position, TRUE, &info);
    return {info.fType, info.dwItemData};
}

// Every position is owner-drawn with its own record as data.
void ExpectOwnerDrawnInStep(const CDrawnMenu& menu)
{
    ASSERT_EQ(static_cast<size_t>(GetMenuItemCount(menu.m_hMenu)), menu.items.size());
    for (size_t i = 0; i < menu.items.size(); ++i) {
        const ItemInfo info = InfoAt(menu.m_hMenu, static_cast<int>(i));
        EXPECT_TRUE(info.type & MFT_OWNERDRAW) << "position " << i;
        EXPECT_EQ(info.data, reinterpret_cast<ULONG_PTR>(menu.items[i])) << "position " << i;
        // What a screen reader reads beside the drawing: the item's own
        // string, and the name that the item's data begins with.
        if (menu.items[i]->IsSeparator()) continue;
        char text[256] = "";
        GetMenuStringA(menu.m_hMenu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        EXPECT_EQ(text, menu.items[i]->text) << "position " << i;
        const auto* name = reinterpret_cast<const MSAAMENUINFO*>(info.data);
        ASSERT_EQ(name->dwMSAASignature, static_cast<DWORD>(MSAA_MENU_SIG)) << "position " << i;
        EXPECT_EQ(std::wstring(name->pszWText, name->cchWText), WideText(menu.items[i]->text)) << "position " << i;
    }
}

TEST(ConversionTest, KeepsRecordsOfUnchangedCommandsAndDropsRemovedOnes)
{
    HMENU handle = CreatePopupMenu();
    AppendMenuA(handle, MF_STRING, 1, "&One");
    AppendMenuA(handle, MF_STRING | MF_GRAYED, 2, "&Two\tCtrl+T");
    AppendMenuA(handle, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(handle, MF_STRING | MF_CHECKED, 3, "T&hree");
    CDrawnMenu menu;
    ASSERT_TRUE(menu.Attach(handle));
    menu.ConvertItems();
    ExpectOwnerDrawnInStep(menu);
    ASSERT_EQ(menu.items.size(), 4u);
    EXPECT_EQ(menu.items[1]->text, "&Two\tCtrl+T");
    EXPECT_TRUE(menu.items[1]->menuFlags & MF_GRAYED);
    EXPECT_TRUE(menu.items[2]->IsSeparator());
    EXPECT_EQ(menu.items[3]->commandId, 3u);
    // Conversion keeps the items' states.
    EXPECT_TRUE(GetMenuState(handle, 1, MF_BYPOSITION) & MF_GRAYED);
    EXPECT_TRUE(GetMenuState(handle, 3, MF_BYPOSITION) & MF_CHECKED);

    CDrawnMenuIcons* set = new CDrawnMenuIcons;
    ASSERT_TRUE(set->LoadFromTable(MainIconTable, IconClear));
    IconSets().push_back(set);
    menu.items[0]->SetIcons(set, 0);
    menu.items[1]->SetIcons(set, 3);
    ASSERT_EQ(set->refCount, 2);
    CDrawnMenuItemData* two = menu.items[1];
    CDrawnMenuItemData* separator = menu.items[2];
    CDrawnMenuItemData* three = menu.items[3];

    // Changes through the plain menu interface: one removed, one added.
    DeleteMenu(handle, 1, MF_BYCOMMAND);
    AppendMenuA(handle, MF_STRING, 4, "&Four");
    menu.ConvertItems();
    ExpectOwnerDrawnInStep(menu);
    ASSERT_EQ(menu.items.size(), 4u);
    EXPECT_EQ(menu.items[0], two);
    EXPECT_EQ(menu.items[1], separator);
    EXPECT_EQ(menu.items[2], three);
    EXPECT_EQ(menu.items[3]->text, "&Four");
    EXPECT_EQ(two->text, "&Two\tCtrl+T");
    EXPECT_EQ(two->icons, set);
    EXPECT_EQ(two->imageIndex, 3);
    EXPECT_EQ(set->refCount, 1);

    // Converting again changes nothing.
    menu.ConvertItems();
    EXPECT_EQ(menu.items[0], two);
    EXPECT_EQ(menu.items[3]->text, "&Four");

    // The last item with an image goes: so does the set.
    DeleteMenu(handle, 2, MF_BYCOMMAND);
    menu.ConvertItems();
    EXPECT_EQ(std::find(IconSets().begin(), IconSets().end(), set), IconSets().end());
}

// Keeps every menu its loaders hand over.
struct OfferedMenu : CDrawnMenu {
    BOOL LoadMenuHandle(HMENU handle) override
    {
        offered.push_back(handle);
        return CDrawnMenu::LoadMenuHandle(handle);
    }
    std::vector<HMENU> offered;
};

TEST(ConversionTest, WholeMenuResourceBecomesATreeWithTheRootAsMenuBar)
{
    CDrawnMenu menu;
    ASSERT_TRUE(menu.LoadMenuById(IDR_MAINFRAME));
    HMENU root = menu.m_hMenu;
    EXPECT_EQ(menu.isPopup, 0);
    EXPECT_EQ(CDrawnMenu::FromHandle(root), &menu);
    ASSERT_EQ(menu.subMenus.size(), 5u);
    ExpectOwnerDrawnInStep(menu);
    EXPECT_EQ(menu.items[1]->text, "&Edit");
    EXPECT_EQ(menu.items[1]->commandId, reinterpret_cast<UINT_PTR>(menu.subMenus[1]));
    for (HMENU subMenu : menu.subMenus) {
        CDrawnMenu* child = CDrawnMenu::FromHandle(subMenu);
        ASSERT_NE(child, nullptr);
        EXPECT_EQ(child->isPopup, 1);
        EXPECT_EQ(child->parentMenu, root);
        ExpectOwnerDrawnInStep(*child);
    }

    // A popup item rewritten through the plain menu interface keeps its
    // record, takes the new caption and is owner-drawn again.
    CDrawnMenuItemData* editRecord = menu.items[1];
    ModifyMenuA(root, 1, MF_BYPOSITION | MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(menu.subMenus[1]), "&Changed");
    menu.ConvertItems();
    EXPECT_EQ(menu.items[1], editRecord);
    EXPECT_EQ(editRecord->text, "&Changed");
    ExpectOwnerDrawnInStep(menu);

    std::string text;
    EXPECT_TRUE(menu.GetItemText(ID_EDIT_DELETE, text, MF_BYCOMMAND));
    EXPECT_EQ(text, "&Delete\tShift+Del");
    EXPECT_TRUE(menu.GetItemText(4, text, MF_BYPOSITION));
    EXPECT_EQ(text, "&Help");
    EXPECT_FALSE(menu.GetItemText(5, text, MF_BYPOSITION));
    EXPECT_FALSE(menu.GetItemText(1, text, MF_BYCOMMAND));
    int position = -1;
    EXPECT_EQ(menu.FindMenuOfCommand(ID_VIEW_REFRESH, position), CDrawnMenu::FromHandle(menu.subMenus[2]));
    EXPECT_EQ(position, 3);
    EXPECT_EQ(menu.FindMenuOfCommand(12345, position), nullptr);
    EXPECT_EQ(position, -1);

    // A second object cannot take the same handle.
    CDrawnMenu other;
    EXPECT_FALSE(other.LoadMenuHandle(root));
    EXPECT_FALSE(other.LoadMenuHandle(reinterpret_cast<HMENU>(0x1234)));
    // A menu loaded for an object that holds one already is refused and destroyed.
    OfferedMenu holder;
    ASSERT_TRUE(holder.LoadMenuById(IDR_MAINFRAME));
    EXPECT_FALSE(holder.LoadMenuById(IDR_MAINFRAME));
    EXPECT_FALSE(holder.LoadMenuByName(MAKEINTRESOURCEA(IDR_MAINFRAME)));
    ASSERT_EQ(holder.offered.size(), 3u);
    EXPECT_TRUE(IsMenu(holder.offered[0]));
    EXPECT_FALSE(IsMenu(holder.offered[1]));
    EXPECT_FALSE(IsMenu(holder.offered[2]));

    const std::vector<HMENU> children = menu.subMenus;
    EXPECT_TRUE(menu.DestroyOwnerDrawMenu());
    EXPECT_FALSE(IsMenu(root));
    EXPECT_EQ(CDrawnMenu::FromHandle(root), nullptr);
    for (HMENU subMenu : children) EXPECT_EQ(CDrawnMenu::FromHandle(subMenu), nullptr);
    EXPECT_TRUE(menu.items.empty());
}

TEST(ConversionTest, IconTableGivesEveryItemOfACommandItsIcon)
{
    HMENU bar = CreateMenu();
    HMENU first = CreatePopupMenu(), second = CreatePopupMenu();
    AppendMenuA(first, MF_STRING, ID_EDIT_DELETE, "&Delete\tShift+Del");
    AppendMenuA(first, MF_STRING, ID_HELP_ONLINE, "&Online Help");
    AppendMenuA(second, MF_STRING, ID_EDIT_DELETE, "Delete &now");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(first), "&First");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(second), "&Second");
    CDrawnMenu menu;
    ASSERT_TRUE(menu.LoadMenuHandle(bar));
    CDrawnMenu* firstMenu = CDrawnMenu::FromHandle(first);
    CDrawnMenu* secondMenu = CDrawnMenu::FromHandle(second);
    ASSERT_TRUE(firstMenu && secondMenu);

    // Mask -1 stands for the menu's bitmap background.
    menu.bitmapBackground = IconClear;
    ASSERT_TRUE(menu.LoadIconTable(static_cast<COLORREF>(-1), MainIconTable));
    CDrawnMenuItemData* a = firstMenu->items[0];
    CDrawnMenuItemData* b = secondMenu->items[0];
    ASSERT_NE(a->icons, nullptr);
    EXPECT_EQ(a->icons, b->icons);
    EXPECT_EQ(a->imageIndex, 3 * 5);
    EXPECT_EQ(b->imageIndex, 3 * 5);
    EXPECT_EQ(firstMenu->items[1]->icons, nullptr);
    // Each item keeps its own record, and so its own caption.
    EXPECT_EQ(InfoAt(first, 0).data, reinterpret_cast<ULONG_PTR>(a));
    EXPECT_EQ(InfoAt(second, 0).data, reinterpret_cast<ULONG_PTR>(b));
    EXPECT_EQ(a->text, "&Delete\tShift+Del");
    EXPECT_EQ(b->text, "Delete &now");

    // The same table again reuses the registered set.
    CDrawnMenuIcons* set = a->icons;
    const size_t setsAfter = IconSets().size();
    EXPECT_NE(std::find(IconSets().begin(), IconSets().end(), set), IconSets().end());
    EXPECT_TRUE(menu.LoadIconTable(IconClear, MainIconTable));
    EXPECT_EQ(IconSets().size(), setsAfter);
    EXPECT_EQ(a->icons, set);

    // Commands of the table missing from the menu left only transient
    // records, which the next conversion drops.
    EXPECT_GT(menu.items.size(), 2u);
    menu.ConvertItems();
    EXPECT_EQ(menu.items.size(), 2u);
    EXPECT_EQ(set->refCount, 2);
}

TEST(ConversionTest, TitleItemResults)
{
    // Only a separator: it becomes the title, and the answer is 0.
    CDrawnMenu lone;
    HMENU loneHandle = CreatePopupMenu();
    AppendMenuA(loneHandle, MF_SEPARATOR, 0, nullptr);
    ASSERT_TRUE(lone.Attach(loneHandle));
    EXPECT_FALSE(lone.SetTitleItem("Title", TitleGradient));
    ASSERT_EQ(lone.items.size(), 1u);
    EXPECT_EQ(lone.items[0]->text, "Title");
    EXPECT_EQ(lone.items[0]->titleFlags, TitleGradient | TitleItem);

    // An empty menu gets a separator, which is then alone.
    CDrawnMenu empty;
    ASSERT_TRUE(empty.Attach(CreatePopupMenu()));
    EXPECT_FALSE(empty.SetTitleItem("Title", 0));
    EXPECT_EQ(GetMenuItemCount(empty.m_hMenu), 1);

    CDrawnMenu menu;
    HMENU handle = CreatePopupMenu();
    AppendMenuA(handle, MF_STRING, 1, "&One");
    AppendMenuA(handle, MF_STRING, 2, "&Two");
    ASSERT_TRUE(menu.Attach(handle));
    EXPECT_TRUE(menu.SetTitleItem("Dustrel .NET", TitleVertical | TitleLine));
    ASSERT_EQ(GetMenuItemCount(handle), 3);
    EXPECT_TRUE(GetMenuState(handle, 0, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_EQ(InfoAt(handle, 0).data, reinterpret_cast<ULONG_PTR>(menu.items[0]));
    EXPECT_EQ(menu.items[0]->text, "Dustrel .NET");
    EXPECT_EQ(menu.items[0]->titleFlags, TitleVertical | TitleLine | TitleItem);
    // A side title puts the other items in a column of their own.
    EXPECT_TRUE(GetMenuState(handle, 1, MF_BYPOSITION) & MF_MENUBREAK);
    EXPECT_FALSE(GetMenuState(handle, 2, MF_BYPOSITION) & MF_MENUBREAK);
    ExpectOwnerDrawnInStep(menu);
    CDrawnMenuItemData* title = menu.items[0];

    // Again, across: the same title record, the break removed, still 1.
    EXPECT_TRUE(menu.SetTitleItem("Across", TitleCentred));
    EXPECT_EQ(GetMenuItemCount(handle), 3);
    EXPECT_EQ(menu.items[0], title);
    EXPECT_EQ(title->titleFlags, TitleCentred | TitleItem);
    EXPECT_FALSE(GetMenuState(handle, 1, MF_BYPOSITION) & MF_MENUBREAK);
    EXPECT_TRUE(menu.SetTitleItem("Across", TitleCentred));
    menu.ConvertItems();
    EXPECT_EQ(menu.items[0], title);
    EXPECT_EQ(title->text, "Across");

    EXPECT_FALSE(CDrawnMenu().SetTitleItem("No menu", 0));

    // A first item that opens a submenu of eight items is no separator,
    // though its state has the separator bit.
    CDrawnMenu withSubMenu;
    HMENU outer = CreatePopupMenu(), inner = CreatePopupMenu();
    for (UINT id = 1; id <= 8; ++id) AppendMenuA(inner, MF_STRING, id, "Item");
    AppendMenuA(outer, MF_POPUP, reinterpret_cast<UINT_PTR>(inner), "&Sub");
    ASSERT_TRUE(GetMenuState(outer, 0, MF_BYPOSITION) & MF_SEPARATOR);
    ASSERT_TRUE(withSubMenu.Attach(outer));
    EXPECT_TRUE(withSubMenu.SetTitleItem("Title", 0));
    EXPECT_EQ(GetMenuItemCount(outer), 2);
    EXPECT_EQ(withSubMenu.items[0]->text, "Title");
    EXPECT_EQ(withSubMenu.items[1]->text, "&Sub");
}

TEST(ConversionTest, InsertedItemsTakeTheirPlaceAndTheIconSize)
{
    CDrawnMenu menu;
    HMENU handle = CreatePopupMenu();
    AppendMenuA(handle, MF_STRING, 1, "&One");
    AppendMenuA(handle, MF_STRING, 2, "&Two");
    ASSERT_TRUE(menu.Attach(handle));
    menu.ConvertItems();

    CDrawnMenuIcons* wide = new CDrawnMenuIcons;
    const WORD table[] = {IDB_MENU_ICONS, 28, 15, 7, 0};
    ASSERT_TRUE(wide->LoadFromTable(table, IconClear));
    IconSets().push_back(wide);

    // Before command 2, by command; then a separator appended by position.
    EXPECT_TRUE(menu.InsertItem(2, "&Middle", MF_BYCOMMAND | MF_STRING, 9, wide, 0));
    EXPECT_TRUE(menu.InsertItem(static_cast<UINT>(-1), nullptr, MF_BYPOSITION, 0));
    EXPECT_FALSE(menu.InsertItem(77, "Nowhere", MF_BYCOMMAND, 10));
    ExpectOwnerDrawnInStep(menu);
    ASSERT_EQ(menu.items.size(), 4u);
    EXPECT_EQ(menu.items[1]->text, "&Middle");
    EXPECT_EQ(GetMenuItemID(handle, 1), 9u);
    EXPECT_EQ(menu.items[1]->icons, wide);
    EXPECT_TRUE(menu.items[3]->IsSeparator());
    EXPECT_TRUE(GetMenuState(handle, 3, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_EQ(menu.iconWidth, 28);
    EXPECT_EQ(menu.iconHeight, 15);
}

}  // namespace
