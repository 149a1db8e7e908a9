#include "menus/DrawnMenu.h"
#include "menus/MenuLook.h"
#include "res/resource.h"
#include "tests/menus/MenuTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class MeasureTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(CurrentLook, LookRegistry.at(MENU_LOOK_FLAT));
        ASSERT_TRUE(menu.LoadMenuById(IDR_MAINFRAME));
        edit = CDrawnMenu::FromHandle(menu.subMenus.at(1));
        ASSERT_NE(edit, nullptr);
    }

    MEASUREITEMSTRUCT Measure(CDrawnMenu& target, UINT id, CDrawnMenuItemData* record)
    {
        MEASUREITEMSTRUCT request = MeasureRequest(id, record);
        target.MeasureItem(&request);
        return request;
    }

    CDrawnMenu menu;
    CDrawnMenu* edit = nullptr;
};

TEST_F(MeasureTest, PopupItemsMakeRoomForIconsAndAccelerators)
{
    const int popupHeight = std::max(GetSystemMetrics(SM_CYMENU), 15 + 8);
    // "Select &All\tCtrl+A": the whole caption, two icon widths and 2, and 15 for the tab.
    MEASUREITEMSTRUCT withTab = Measure(*edit, ID_EDIT_SELECT_ALL, edit->items[0]);
    EXPECT_EQ(withTab.itemWidth, static_cast<UINT>(MenuTextExtent("Select &All\tCtrl+A").cx + 2 * 16 + 2 + 15));
    EXPECT_EQ(withTab.itemHeight, static_cast<UINT>(popupHeight));
    EXPECT_GE(withTab.itemHeight, 23u);

    CDrawnMenu* view = CDrawnMenu::FromHandle(menu.subMenus.at(2));
    MEASUREITEMSTRUCT noTab = Measure(*view, ID_VIEW_TOOLBAR, view->items[0]);
    EXPECT_EQ(noTab.itemWidth, static_cast<UINT>(MenuTextExtent("&Toolbar").cx + 2 * 16 + 2));

    // A separator is 3 high and keeps its width.
    MEASUREITEMSTRUCT separator = Measure(*edit, 0, edit->items[2]);
    EXPECT_EQ(separator.itemHeight, 3u);
    EXPECT_EQ(separator.itemWidth, 0xDEADu);

    // A taller icon column makes taller items.
    edit->iconHeight = 30;
    EXPECT_EQ(Measure(*edit, ID_EDIT_SELECT_ALL, edit->items[0]).itemHeight,
              static_cast<UINT>(std::max(GetSystemMetrics(SM_CYMENU), 38)));

    // The classic look adds 4 to the icon height, not 8.
    CurrentLook = LookRegistry.at(MENU_LOOK_CLASSIC);
    EXPECT_EQ(Measure(*edit, ID_EDIT_SELECT_ALL, edit->items[0]).itemHeight,
              static_cast<UINT>(std::max(GetSystemMetrics(SM_CYMENU), 34)));
    CurrentLook = LookRegistry.at(MENU_LOOK_FLAT);
}

// A menu-bar item's request reaches its submenu's object; it is measured
// as a bar item: its caption alone.
TEST_F(MeasureTest, MenuBarItemsAreTheirCaptionWide)
{
    MEASUREITEMSTRUCT bar =
        Measure(*edit, static_cast<UINT>(reinterpret_cast<UINT_PTR>(edit->m_hMenu)), menu.items[1]);
    EXPECT_EQ(bar.itemWidth, static_cast<UINT>(MenuTextExtent("&Edit").cx));

    // A submenu inside a popup is measured as a popup item.
    HMENU inner = CreatePopupMenu();
    AppendMenuA(inner, MF_STRING, 5, "Inner");
    AppendMenuA(edit->m_hMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(inner), "&More");
    CDrawnMenu innerMenu(edit->m_hMenu);
    ASSERT_TRUE(innerMenu.Attach(inner));
    edit->ConvertItems();
    // It takes the icon column of the popup that holds it.
    edit->iconWidth = 20;
    MEASUREITEMSTRUCT nested = Measure(innerMenu, static_cast<UINT>(reinterpret_cast<UINT_PTR>(inner)), edit->items.back());
    EXPECT_EQ(nested.itemWidth, static_cast<UINT>(MenuTextExtent("&More").cx + 2 * 20 + 2));
    RemoveMenu(edit->m_hMenu, GetMenuItemCount(edit->m_hMenu) - 1, MF_BYPOSITION);
}

TEST_F(MeasureTest, SystemCommandsAreAsWideAsTheNextCommand)
{
    CDrawnMenu system;
    HMENU handle = CreatePopupMenu();
    AppendMenuA(handle, MF_STRING, SC_RESTORE, "&Restore");
    AppendMenuA(handle, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(handle, MF_STRING, SC_CLOSE, "&Close and a long caption\tAlt+F4");
    ASSERT_TRUE(system.Attach(handle));
    system.ConvertItems();
    MEASUREITEMSTRUCT restore = Measure(system, SC_RESTORE, system.items[0]);
    EXPECT_EQ(restore.itemHeight, static_cast<UINT>(GetSystemMetrics(SM_CYMENU)));
    EXPECT_EQ(restore.itemWidth, static_cast<UINT>(MenuTextExtent("&Close and a long caption\tAlt+F4").cx + 34 + 15));
    MEASUREITEMSTRUCT close = Measure(system, SC_CLOSE, system.items[2]);
    EXPECT_EQ(close.itemWidth, restore.itemWidth);
}

TEST_F(MeasureTest, TitlesTakeTheirTextAndLine)
{
    CDrawnMenu titled;
    HMENU handle = CreatePopupMenu();
    AppendMenuA(handle, MF_STRING, 1, "&One");
    ASSERT_TRUE(titled.Attach(handle));
    ASSERT_TRUE(titled.SetTitleItem("Dustrel .NET", 0));
    const MEASUREITEMSTRUCT across = Measure(titled, 0, titled.items[0]);
    EXPECT_GT(across.itemWidth, 40u);
    EXPECT_GE(across.itemHeight, 16u);
    titled.items[0]->titleFlags |= TitleLine;
    const MEASUREITEMSTRUCT acrossLine = Measure(titled, 0, titled.items[0]);
    EXPECT_EQ(acrossLine.itemHeight, across.itemHeight + 8);
    EXPECT_EQ(acrossLine.itemWidth, across.itemWidth);

    titled.items[0]->titleFlags = TitleItem | TitleVertical;
    const MEASUREITEMSTRUCT side = Measure(titled, 0, titled.items[0]);
    EXPECT_EQ(side.itemWidth, static_cast<UINT>(static_cast<int>(across.itemHeight) - GetSystemMetrics(SM_CXMENUCHECK)));
    EXPECT_EQ(side.itemHeight, 0u);
    titled.items[0]->titleFlags |= TitleLine;
    EXPECT_EQ(Measure(titled, 0, titled.items[0]).itemWidth, side.itemWidth + 8);
}

}  // namespace
