#include "menus/DrawnFrame.h"
#include "menus/DrawnMiniDockFrameWnd.h"
#include "menus/MenuIcons.h"
#include "menus/MenuValues.h"
#include "res/resource.h"
#include "tests/menus/MenuFrame.h"
#include "tests/menus/MenuTestSupport.h"

#include <gtest/gtest.h>

namespace {

LRESULT Executes(int position) { return position | (MNC_EXECUTE << 16); }

TEST(FindMnemonicTest, AnAmpersandAndTheKeyAnywhereInTheCaptionExecuteTheFirstSuchItem)
{
    CDrawnMenu menu;
    HMENU popup = CreatePopupMenu();
    AppendMenuA(popup, MF_STRING, 1, "&Open");
    AppendMenuA(popup, MF_STRING, 2, "Save && &Quit");
    AppendMenuA(popup, MF_STRING, 3, "Sa&&ve\tCtrl+&K");
    AppendMenuA(popup, MF_STRING, 4, "Cl&ose");
    ASSERT_TRUE(menu.Attach(popup));
    menu.ConvertItems();

    EXPECT_EQ(CDrawnMenu::FindMnemonic('o', 0, &menu), Executes(0)) << "the first of two matches";
    EXPECT_EQ(CDrawnMenu::FindMnemonic('O', 0, &menu), Executes(0));
    EXPECT_EQ(CDrawnMenu::FindMnemonic('q', 0, &menu), Executes(1));
    EXPECT_EQ(CDrawnMenu::FindMnemonic('v', 0, &menu), Executes(2)) << "after a doubled ampersand";
    EXPECT_EQ(CDrawnMenu::FindMnemonic('k', 0, &menu), Executes(2)) << "in the accelerator text";
    EXPECT_EQ(CDrawnMenu::FindMnemonic('x', 0, &menu), 0);
    EXPECT_EQ(CDrawnMenu::FindMnemonic('s', 0, &menu), 0) << "a letter without its ampersand";

    // An item added through the plain menu interface is taken in first.
    AppendMenuA(popup, MF_STRING, 5, "E&xit");
    EXPECT_EQ(CDrawnMenu::FindMnemonic('X', 0, &menu), Executes(4));
}

class DrawnFrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame = MenuFrame::Open();
        ASSERT_NE(frame, nullptr);
        ASSERT_TRUE(frame->defaultMenu.LoadIconTable(IconClear, MainIconTable));
    }
    void TearDown() override
    {
        if (frame != nullptr) frame->Close();
    }
    HWND Frame() const { return frame->m_hWnd; }

    MenuFrame* frame = nullptr;
};

TEST_F(DrawnFrameTest, TheFrameOwnsDrawnObjectsForItsMenuBarAndSystemMenu)
{
    EXPECT_EQ(CDrawnMenu::FromHandle(GetMenu(Frame())), &frame->defaultMenu);
    EXPECT_EQ(CDrawnMenu::FromHandle(GetSystemMenu(Frame(), FALSE)), &frame->systemMenu);
    EXPECT_EQ(frame->defaultMenu.isPopup, 0);
}

TEST_F(DrawnFrameTest, MeasureRequestsReachTheMenuHoldingTheItem)
{
    CDrawnMenu* edit = CDrawnMenu::FromHandle(frame->defaultMenu.subMenus.at(1));
    ASSERT_NE(edit, nullptr);
    MEASUREITEMSTRUCT request = MeasureRequest(ID_EDIT_SELECT_ALL, edit->items.at(0));
    EXPECT_TRUE(SendMessageA(Frame(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&request)));
    EXPECT_GE(request.itemHeight, 23u);
    EXPECT_GT(request.itemWidth, 0u);

    // The right command with data that belongs to no item is nobody's.
    CDrawnMenuItemData stranger;
    MEASUREITEMSTRUCT foreign = MeasureRequest(ID_EDIT_SELECT_ALL, &stranger);
    EXPECT_FALSE(MeasureFrameMenuItem(Frame(), &foreign));
    EXPECT_EQ(foreign.itemHeight, MeasureRequest(ID_EDIT_SELECT_ALL, &stranger).itemHeight) << "left as it was";
}

TEST_F(DrawnFrameTest, ABarItemIsDrawnOnlyWhenItIsOwnerDrawn)
{
    HMENU bar = GetMenu(Frame());
    Restore<ULONG_PTR> hot(HotBarItemData);
    EXPECT_EQ(DrawBarItem(-1, Frame(), bar, 0), 0);
    EXPECT_EQ(DrawBarItem(1, Frame(), bar, ODS_HOTLIGHT), 1);
    EXPECT_EQ(HotBarItemData, reinterpret_cast<ULONG_PTR>(frame->defaultMenu.items.at(1)));
    EXPECT_EQ(DrawBarItem(99, Frame(), bar, 0), 0) << "no such item";

    HMENU plain = CreateMenu();
    AppendMenuA(plain, MF_STRING, 1, "&Plain");
    HMENU drawn = GetMenu(Frame());
    SetMenu(Frame(), plain);
    EXPECT_EQ(DrawBarItem(0, Frame(), plain, 0), 0);
    SetMenu(Frame(), drawn);
    DestroyMenu(plain);
}

TEST_F(DrawnFrameTest, MenuTimersTakeTheFirstIdFrom31)
{
    EXPECT_EQ(StartMenuTimer(Frame(), 10000), 31);
    KillTimer(Frame(), 31);
    EXPECT_EQ(StartMenuTimer(nullptr, 100), 0);
}

class CountingIcons : public CDrawnMenuIcons {
public:
    BOOL Refresh() override
    {
        ++refreshes;
        return TRUE;
    }
    int refreshes = 0;
};

TEST_F(DrawnFrameTest, TwoColourChangesWithinTwoSecondsRefreshTheImagesOnce)
{
    Restore<DWORD> last(LastColorRefresh);
    LastColorRefresh = GetTickCount() - 5000;
    CountingIcons icons;
    IconSets().push_back(&icons);
    SendMessageA(Frame(), WM_SYSCOLORCHANGE, 0, 0);
    SendMessageA(Frame(), WM_SYSCOLORCHANGE, 0, 0);
    EXPECT_EQ(icons.refreshes, 1);
    LastColorRefresh -= 2001;
    SendMessageA(Frame(), WM_SYSCOLORCHANGE, 0, 0);
    EXPECT_EQ(icons.refreshes, 2);
    IconSets().remove(&icons);
}

LPARAM ScreenPoint(POINT point) { return MAKELPARAM(point.x, point.y); }

POINT BarItemCentre(HWND frame, int position)
{
    RECT item = {};
    GetMenuItemRect(frame, GetMenu(frame), static_cast<UINT>(position), &item);
    return {(item.left + item.right) / 2, (item.top + item.bottom) / 2};
}

TEST_F(DrawnFrameTest, OnOlderSystemsTheFrameDrawsTheBarItemUnderTheCursorHot)
{
    Restore<int> version(OsVersionCode);
    Restore<ULONG_PTR> hot(HotBarItemData);
    OsVersionCode = 3;
    EXPECT_EQ(SendMessageA(Frame(), WM_NCHITTEST, 0, ScreenPoint(BarItemCentre(Frame(), 2))), HTMENU);
    EXPECT_EQ(frame->hotBarItem, 2);
    EXPECT_EQ(frame->hotTimerId, 31);
    EXPECT_EQ(HotBarItemData, reinterpret_cast<ULONG_PTR>(frame->defaultMenu.items.at(2)));

    SendMessageA(Frame(), WM_NCHITTEST, 0, ScreenPoint(BarItemCentre(Frame(), 3)));
    EXPECT_EQ(frame->hotBarItem, 3);

    // Leaving the bar un-hots the item and ends the timer.
    RECT client = {};
    GetClientRect(Frame(), &client);
    POINT inside = {client.right / 2, client.bottom / 2};
    ClientToScreen(Frame(), &inside);
    EXPECT_EQ(SendMessageA(Frame(), WM_NCHITTEST, 0, ScreenPoint(inside)), HTCLIENT);
    EXPECT_EQ(frame->hotBarItem, -1);
    EXPECT_EQ(frame->hotTimerId, 0);

    // A menu loop takes the hot item over from the frame.
    SendMessageA(Frame(), WM_NCHITTEST, 0, ScreenPoint(BarItemCentre(Frame(), 1)));
    SendMessageA(Frame(), WM_ENTERMENULOOP, FALSE, 0);
    EXPECT_EQ(frame->hotBarItem, -1);
    EXPECT_EQ(frame->hotTimerId, 0);
    SendMessageA(Frame(), WM_NCHITTEST, 0, ScreenPoint(BarItemCentre(Frame(), 1)));
    EXPECT_EQ(frame->hotBarItem, -1) << "no hot item while the menu is open";
    SendMessageA(Frame(), WM_EXITMENULOOP, FALSE, 0);
}

TEST_F(DrawnFrameTest, OnWindowsXpTheSystemDrawsHotItems)
{
    Restore<int> version(OsVersionCode);
    Restore<int> remote(EmulateHotTracking);
    OsVersionCode = 7;
    EmulateHotTracking = 0;
    EXPECT_EQ(SendMessageA(Frame(), WM_NCHITTEST, 0, ScreenPoint(BarItemCentre(Frame(), 2))), HTMENU);
    EXPECT_EQ(frame->hotBarItem, -1);
    EXPECT_EQ(frame->hotTimerId, 0);
    EmulateHotTracking = 1;
    SendMessageA(Frame(), WM_NCHITTEST, 0, ScreenPoint(BarItemCentre(Frame(), 2)));
    EXPECT_EQ(frame->hotBarItem, 2) << "a remote session draws none";
}

TEST_F(DrawnFrameTest, AFloatingBarFrameDrawsItsSystemMenu)
{
    CDrawnMiniDockFrameWnd mini;
    ASSERT_TRUE(mini.CreateEx(WS_EX_TOOLWINDOW, CWnd::RegisterClass("DrawnMiniDockTest", 0, nullptr, nullptr), "",
                              CMiniDockFrameWnd::Style, {0, 0, 100, 60}, Frame(), 0));
    EXPECT_EQ(CDrawnMenu::FromHandle(GetSystemMenu(mini.m_hWnd, FALSE)), &mini.systemMenu);
    mini.DestroyWindow();
}

}  // namespace
