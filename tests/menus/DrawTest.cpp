#include "menus/Colors.h"
#include "menus/DrawnMenu.h"
#include "menus/FlatColors.h"
#include "menus/MenuIcons.h"
#include "menus/MenuLook.h"
#include "menus/MenuValues.h"
#include "res/resource.h"
#include "tests/menus/MenuTestSupport.h"

#include <gtest/gtest.h>

#include <set>

namespace {

const int Width = 200;
const int Height = 23;
const int IconLeft = 3, IconTop = (Height - 15) / 2;  // 16 x 15 images in a 16-wide column

// The main menu with the main frame's icons, drawn item by item into a
// 32-bit memory DC.
class DrawTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(CurrentLook, LookRegistry.at(MENU_LOOK_FLAT));
        ASSERT_TRUE(menu.LoadMenuById(IDR_MAINFRAME));
        ASSERT_TRUE(menu.LoadIconTable(IconClear, MainIconTable));
        menu.ConvertItems();
        edit = CDrawnMenu::FromHandle(menu.subMenus.at(1));
        view = CDrawnMenu::FromHandle(menu.subMenus.at(2));
        ASSERT_TRUE(edit && view);
        ASSERT_NE(edit->items[0]->icons, nullptr);
        // Variants follow the menu colour of the time they were built.
        ASSERT_TRUE(edit->items[0]->icons->Refresh());
        window = GetSysColor(COLOR_WINDOW);
        highlight = GetSysColor(COLOR_HIGHLIGHT);
        backLight = ColorMix86(MenuColor(), window);
        backIcon = ColorMix86(window, MenuColor());
        selectFill = ColorMix70(highlight, window);
        ASSERT_NE(backLight, backIcon) << "the two tints must differ for these checks";
    }

    void Draw(CDrawnMenu& target, int position, UINT state, RECT rect = {0, 0, Width, Height})
    {
        canvas.Fill(RGB(1, 2, 3));
        DRAWITEMSTRUCT request = DrawRequest(target.m_hMenu, GetMenuItemID(target.m_hMenu, position),
                                             target.items.at(position), canvas.Dc(), rect, state);
        target.DrawItem(&request);
    }

    // Compares the 16 x 15 image area with picture `image` of bitmap 134,
    // each visible pixel through `expected`; clear pixels show the column.
    void ExpectImage(int image, COLORREF (*expected)(COLORREF), COLORREF column, int dx = 0, int dy = 0)
    {
        const std::vector<COLORREF> stored = MenuIconPixels(image);
        int visible = 0;
        for (int y = 0; y < 15; ++y)
            for (int x = 0; x < 16; ++x) {
                const COLORREF source = stored[y * 16 + x];
                const COLORREF want = source == IconClear ? column : expected(source);
                visible += source != IconClear;
                ASSERT_EQ(canvas.Pixel(IconLeft + dx + x, IconTop + dy + y), want) << "image pixel " << x << ", " << y;
            }
        EXPECT_GT(visible, 40);
    }

    TestColors colors;
    Canvas canvas{Width, Height};
    CDrawnMenu menu;
    CDrawnMenu* edit = nullptr;
    CDrawnMenu* view = nullptr;
    COLORREF window = 0, highlight = 0, backLight = 0, backIcon = 0, selectFill = 0;
};

COLORREF Darkened(COLORREF c)
{
    return ColorDarken(c, 50);
}

COLORREF Faded(COLORREF c)
{
    return ColorMix86(MenuColor(), ColorLighten(ColorGray(c), 100));
}

COLORREF Same(COLORREF c)
{
    return c;
}

const int SelectAllImage = 6;  // ID_EDIT_SELECT_ALL is the seventh command of the table

TEST_F(DrawTest, PlainItemHasTintedIconColumnLightTextAreaAndDarkenedIcon)
{
    Draw(*edit, 0, 0);
    canvas.Save("menu-plain.bmp");
    EXPECT_EQ(canvas.Pixel(0, 0), backIcon);
    EXPECT_EQ(canvas.Pixel(16 + 8 - 1, Height - 1), backIcon);
    EXPECT_EQ(canvas.Pixel(16 + 8, 0), backLight);
    EXPECT_EQ(canvas.Pixel(Width - 1, Height - 1), backLight);
    ExpectImage(SelectAllImage, Darkened, backIcon);

    // The caption in the menu-text colour, the accelerator at the right.
    int left = 0, right = 0;
    for (int y = 0; y < Height; ++y)
        for (int x = 24; x < Width; ++x)
            if (canvas.Pixel(x, y) == GetSysColor(COLOR_MENUTEXT)) (x < Width / 2 ? left : right)++;
    EXPECT_GT(left, 20);
    EXPECT_GT(right, 20);
    EXPECT_EQ(canvas.Pixel(Width - 15, Height / 2), backLight) << "the accelerator keeps 15 pixels from the edge";
}

TEST_F(DrawTest, SelectedItemIsFilledFramedAndItsIconRaisedWithAShadow)
{
    Draw(*edit, 0, ODS_SELECTED);
    canvas.Save("menu-selected.bmp");
    for (POINT p : {POINT{0, 0}, POINT{Width - 1, 0}, POINT{0, Height - 1}, POINT{Width - 1, Height - 1}, POINT{30, 0}})
        EXPECT_EQ(canvas.Pixel(p.x, p.y), highlight) << p.x << ", " << p.y;
    EXPECT_EQ(canvas.Pixel(1, 1), selectFill);
    EXPECT_EQ(canvas.Pixel(Width - 2, Height - 2), selectFill);
    EXPECT_EQ(canvas.Pixel(Width - 15, Height / 2), selectFill);

    // The image itself at (-1, -1), a silhouette in the shadow tint at (+1, +1).
    const COLORREF shadow = ColorShadowTint(selectFill);
    const std::vector<COLORREF> stored = MenuIconPixels(SelectAllImage);
    int raised = 0, shadows = 0;
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 16; ++x) {
            if (stored[y * 16 + x] == IconClear) continue;
            raised += canvas.Pixel(IconLeft - 1 + x, IconTop - 1 + y) == stored[y * 16 + x];
            shadows += canvas.Pixel(IconLeft + 1 + x, IconTop + 1 + y) == shadow;
        }
    EXPECT_GT(raised, 40);
    EXPECT_GT(shadows, 0);
}

TEST_F(DrawTest, AHighContrastThemeGetsTheSystemsColoursAloneAndReadableText)
{
    // Wine keeps no high-contrast setting: the library is told, as the
    // frame tells it when the user turns the theme on.
    Restore<bool> theme(HighContrast);
    HighContrast = true;
    const std::set<COLORREF> system = {GetSysColor(COLOR_MENU), GetSysColor(COLOR_HIGHLIGHT),
                                       GetSysColor(COLOR_HIGHLIGHTTEXT), GetSysColor(COLOR_MENUTEXT)};
    for (UINT state : {UINT(ODS_CHECKED), UINT(ODS_CHECKED | ODS_SELECTED)}) {
        Draw(*view, 0, state);
        const COLORREF ink = GetSysColor(state & ODS_SELECTED ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);
        int inked = 0;
        for (int y = 0; y < Height; ++y)
            for (int x = 0; x < Width; ++x) {
                ASSERT_EQ(system.count(canvas.Pixel(x, y)), 1u) << x << ", " << y << " in state " << state;
                inked += canvas.Pixel(x, y) == ink;
            }
        EXPECT_GT(inked, 30) << "state " << state;
    }
}

TEST_F(DrawTest, DisabledItemShowsTheFadedImageSelectedOrNot)
{
    EnableMenuItem(edit->m_hMenu, 0, MF_BYPOSITION | MF_GRAYED);
    // Windows gives either flag alone as well as both; Wine always both.
    for (UINT disabled : {UINT{ODS_GRAYED | ODS_DISABLED}, UINT{ODS_GRAYED}, UINT{ODS_DISABLED}}) {
        SCOPED_TRACE(disabled);
        Draw(*edit, 0, disabled);
        canvas.Save("menu-disabled.bmp");
        ExpectImage(SelectAllImage, Faded, backIcon);
        int gray = 0;
        for (int y = 0; y < Height; ++y)
            for (int x = 24; x < Width; ++x) gray += canvas.Pixel(x, y) == GetSysColor(COLOR_GRAYTEXT);
        EXPECT_GT(gray, 20);
    }

    Restore<int> restore(SelectDisabledItems);
    SelectDisabledItems = 1;
    Draw(*edit, 0, ODS_GRAYED | ODS_DISABLED | ODS_SELECTED);
    EXPECT_EQ(canvas.Pixel(0, 0), highlight);
    ExpectImage(SelectAllImage, Faded, selectFill);
}

TEST_F(DrawTest, CheckedItemsGetABox)
{
    // With an image: the box behind the darkened image.
    Draw(*edit, 0, ODS_CHECKED);
    const COLORREF box = ColorMix86(highlight, backIcon);
    EXPECT_EQ(canvas.Pixel(1, 1), highlight);
    EXPECT_EQ(canvas.Pixel(16 + 8 - 2, Height - 2), highlight);
    EXPECT_EQ(canvas.Pixel(0, 0), backIcon);
    EXPECT_EQ(canvas.Pixel(2, 2), box);
    ExpectImage(SelectAllImage, Darkened, box);

    // Selected and checked: the image as it is, no shadow.
    Draw(*edit, 0, ODS_CHECKED | ODS_SELECTED);
    ExpectImage(SelectAllImage, Same, ColorMix86(highlight, selectFill));

    // Without an image: the box and a check mark.
    CheckMenuItem(view->m_hMenu, 0, MF_BYPOSITION | MF_CHECKED);
    Draw(*view, 0, ODS_CHECKED);
    canvas.Save("menu-checked.bmp");
    EXPECT_EQ(canvas.Pixel(1, 1), highlight);
    EXPECT_EQ(canvas.Pixel(2, 2), box);
    int mark = 0;
    for (int y = 2; y < Height - 2; ++y)
        for (int x = 2; x < 22; ++x) mark += canvas.Pixel(x, y) == GetSysColor(COLOR_MENUTEXT);
    EXPECT_GT(mark, 5);
}

TEST_F(DrawTest, GrayedItemUnderTheMouseIsPlainButReachedByKeyIsMarked)
{
    Restore<int> restoreSelect(SelectDisabledItems);
    Restore<DWORD> restoreKey(LastKeyMessagePos);
    SelectDisabledItems = 0;
    LastKeyMessagePos = GetMessagePos() + 1;
    Draw(*edit, 0, ODS_GRAYED | ODS_DISABLED | ODS_SELECTED);
    EXPECT_EQ(canvas.Pixel(0, 0), backIcon);
    EXPECT_EQ(canvas.Pixel(Width - 1, 0), backLight);
    EXPECT_EQ(LastKeyMessagePos, GetMessagePos());

    // The same message position as the last key press: the keyboard mark.
    Draw(*edit, 0, ODS_GRAYED | ODS_DISABLED | ODS_SELECTED);
    canvas.Save("menu-keyboard.bmp");
    EXPECT_EQ(canvas.Pixel(0, 0), highlight);
    EXPECT_EQ(canvas.Pixel(Width - 1, Height - 1), highlight);
    EXPECT_EQ(canvas.Pixel(1, 1), backLight);
    EXPECT_EQ(canvas.Pixel(Width - 2, 1), backLight);
    ExpectImage(SelectAllImage, Faded, backLight);
}

TEST_F(DrawTest, SeparatorIsOneGrayLineFromTheTextArea)
{
    Draw(*edit, 2, 0, RECT{0, 0, Width, 3});
    const COLORREF gray = GetSysColor(COLOR_GRAYTEXT);
    EXPECT_EQ(canvas.Pixel(16 + 12, 1), gray);
    EXPECT_EQ(canvas.Pixel(Width - 1, 1), gray);
    EXPECT_EQ(canvas.Pixel(16 + 11, 1), backLight);
    EXPECT_EQ(canvas.Pixel(5, 1), backIcon);
    EXPECT_EQ(canvas.Pixel(50, 0), backLight);
    EXPECT_EQ(canvas.Pixel(50, 2), backLight);
}

TEST_F(DrawTest, MenuBarItemsAreFramedWhenHotAndPressedWithAShadow)
{
    const COLORREF menuColor = MenuColor();
    const RECT item = {0, 0, 60, 20};
    // Not selected: the plain menu colour.
    Draw(menu, 1, 0, item);
    EXPECT_EQ(canvas.Pixel(0, 0), menuColor);
    EXPECT_EQ(canvas.Pixel(59, 19), menuColor);

    // Selected with no popup open: drawn hot.
    menu.openPopups = 0;
    Draw(menu, 1, ODS_SELECTED, item);
    EXPECT_EQ(canvas.Pixel(0, 0), highlight);
    EXPECT_EQ(canvas.Pixel(55, 19), highlight);
    EXPECT_EQ(canvas.Pixel(1, 1), selectFill);
    EXPECT_EQ(canvas.Pixel(57, 10), menuColor);
    EXPECT_EQ(menu.barItemRect.right, 56);

    // Pressed while its popup is open: darker frame, icon-column fill and
    // the shadow in the four rightmost columns. The item no longer counts
    // as the one drawn hot.
    menu.openPopups = 1;
    menu.barItemRect = {};
    Restore<ULONG_PTR> restoreHot(HotBarItemData);
    HotBarItemData = reinterpret_cast<ULONG_PTR>(menu.items[1]);
    Draw(menu, 1, ODS_SELECTED, item);
    EXPECT_EQ(HotBarItemData, 0u);
    Canvas wide(60, 20);
    BitBlt(wide.Dc(), 0, 0, 60, 20, canvas.Dc(), 0, 0, SRCCOPY);
    wide.Save("menu-bar-pressed.bmp");
    EXPECT_EQ(canvas.Pixel(0, 0), ColorDarken(menuColor, 128));
    EXPECT_EQ(canvas.Pixel(1, 1), backIcon);
    for (int c = 1; c <= 4; ++c) {
        const int x = 60 - c;
        EXPECT_EQ(canvas.Pixel(x, 2), menuColor) << c;
        EXPECT_EQ(canvas.Pixel(x, 5), ColorDarken(menuColor, 6 * c * 2)) << c;
        EXPECT_EQ(canvas.Pixel(x, 15), ColorDarken(menuColor, 30 * c)) << c;
    }
    EXPECT_EQ(menu.barItemRect.left, 0);
    EXPECT_EQ(menu.barItemRect.right, 56);
    EXPECT_EQ(menu.barItemRect.bottom, 20);
    menu.openPopups = 0;
}

// At 150% the pressed item's shadow is as wide as a menu window's there:
// every 96-DPI pixel a square of two.
TEST_F(DrawTest, APressedBarItemsShadowTakesWholeLinesAtTheScreensScale)
{
    Restore<UINT> dpi(MenuDpi);
    MenuDpi = 144;
    const COLORREF menuColor = MenuColor();
    menu.openPopups = 1;
    Draw(menu, 1, ODS_SELECTED, RECT{0, 0, 60, 20});
    menu.openPopups = 0;
    EXPECT_EQ(menu.barItemRect.right, 52);
    for (int column = 0; column < 8; ++column) {
        const int c = 1 + column / 2;
        EXPECT_EQ(canvas.Pixel(59 - column, 7), menuColor) << column;
        EXPECT_EQ(canvas.Pixel(59 - column, 8), ColorDarken(menuColor, 6 * c)) << column;
        EXPECT_EQ(canvas.Pixel(59 - column, 18), ColorDarken(menuColor, 30 * c)) << column;
    }
}

TEST_F(DrawTest, MixedLookFillsTheMenuBarItemWithTheHighlight)
{
    CurrentLook = LookRegistry.at(MENU_LOOK_MIXED);
    menu.barItemRect = {};
    Draw(menu, 1, ODS_HOTLIGHT, RECT{0, 0, 60, 20});
    CurrentLook = LookRegistry.at(MENU_LOOK_FLAT);
    EXPECT_EQ(canvas.Pixel(0, 0), highlight);
    EXPECT_EQ(canvas.Pixel(59, 19), highlight);
    EXPECT_EQ(menu.barItemRect.right, 60);
    int text = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 60; ++x) text += canvas.Pixel(x, y) == GetSysColor(COLOR_HIGHLIGHTTEXT);
    EXPECT_GT(text, 10);
}

TEST_F(DrawTest, MenuWindowBackgroundIsTheMenuColour)
{
    HWND popup = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 30, 12, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(popup, nullptr);
    canvas.Fill(RGB(1, 2, 3));
    EXPECT_TRUE(edit->EraseBkgnd(popup, canvas.Dc()));
    DestroyWindow(popup);
    EXPECT_EQ(canvas.Pixel(0, 0), MenuColor());
    EXPECT_EQ(canvas.Pixel(29, 11), MenuColor());
    EXPECT_EQ(canvas.Pixel(30, 12), RGB(1, 2, 3));
}

// The whole Edit popup laid out by its measured heights, the second item
// under the mouse and the fourth disabled, as a user would see it.
TEST_F(DrawTest, EditPopupStacksItsMeasuredItems)
{
    EnableMenuItem(edit->m_hMenu, 3, MF_BYPOSITION | MF_GRAYED);
    std::vector<RECT> rows;
    int top = 0;
    for (size_t i = 0; i < edit->items.size(); ++i) {
        MEASUREITEMSTRUCT size = MeasureRequest(GetMenuItemID(edit->m_hMenu, static_cast<int>(i)), edit->items[i]);
        size.itemWidth = 0;
        edit->MeasureItem(&size);
        rows.push_back(RECT{0, top, Width, top + static_cast<int>(size.itemHeight)});
        top += static_cast<int>(size.itemHeight);
    }
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[2].bottom - rows[2].top, 3);
    Canvas strip(Width, top);
    strip.Fill(RGB(1, 2, 3));
    for (size_t i = 0; i < rows.size(); ++i) {
        const UINT state = i == 1 ? ODS_SELECTED : i == 3 ? (ODS_GRAYED | ODS_DISABLED) : 0;
        DRAWITEMSTRUCT request = DrawRequest(edit->m_hMenu, GetMenuItemID(edit->m_hMenu, static_cast<int>(i)),
                                             edit->items[i], strip.Dc(), rows[i], state);
        edit->DrawItem(&request);
    }
    strip.Save("menu-edit-popup.bmp");
    for (size_t i = 0; i < rows.size(); ++i) {
        if (i == 1) continue;
        EXPECT_EQ(strip.Pixel(1, rows[i].top), backIcon) << "row " << i;
        EXPECT_EQ(strip.Pixel(Width - 1, rows[i].bottom - 1), backLight) << "row " << i;
    }
    EXPECT_EQ(strip.Pixel(1, rows[1].top), highlight);
    EXPECT_EQ(strip.Pixel(40, rows[2].top + 1), GetSysColor(COLOR_GRAYTEXT));
}

TEST_F(DrawTest, PaletteDisplaysUseWindowAndMenuColours)
{
    Canvas mono(8, 8, 1);
    const FlatColors palette = MakeFlatColors(mono.Dc());
    EXPECT_EQ(palette.backLight, window);
    EXPECT_EQ(palette.backIcon, MenuColor());
    const FlatColors full = MakeFlatColors(canvas.Dc());
    EXPECT_EQ(full.backLight, backLight);
    EXPECT_EQ(full.backIcon, backIcon);
    EXPECT_EQ(full.selectFill, selectFill);
}

TEST_F(DrawTest, ClassicLookHighlightsBesideTheIcon)
{
    CurrentLook = LookRegistry.at(MENU_LOOK_CLASSIC);
    Draw(*edit, 0, ODS_SELECTED);
    canvas.Save("menu-classic.bmp");
    CurrentLook = LookRegistry.at(MENU_LOOK_FLAT);
    EXPECT_EQ(canvas.Pixel(16 + 6, Height / 2), highlight);
    EXPECT_EQ(canvas.Pixel(Width - 1, 0), highlight);
    EXPECT_EQ(canvas.Pixel(0, 0), GetSysColor(COLOR_MENU));
    ExpectImage(SelectAllImage, Same, GetSysColor(COLOR_MENU), 0, (Height - 15) / 2 - IconTop);
}

}  // namespace
