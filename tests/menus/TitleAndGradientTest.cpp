#include "menus/DrawnMenu.h"
#include "menus/FlatColors.h"
#include "menus/MenuGdi.h"
#include "menus/MenuValues.h"
#include "tests/menus/MenuTestSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(GradientTest, BandsOfFourWithoutTheSystemRoutine)
{
    Restore<GradientFillRoutine> restore(GradientRoutine);
    GradientRoutine = nullptr;
    Canvas canvas(20, 3);
    FillGradient(RGB(255, 255, 255), canvas.Dc(), RECT{0, 0, 20, 3}, RGB(0, 0, 0), true);
    // d = 16: bands at 0, 4, 8, 12, 16 of 0, 255*4/16, ...
    const int expected[20] = {0, 0, 0, 0, 63, 63, 63, 63, 127, 127, 127, 127, 191, 191, 191, 191, 255, 255, 255, 255};
    for (int x = 0; x < 20; ++x) EXPECT_EQ(canvas.Pixel(x, 1), RGB(expected[x], expected[x], expected[x])) << x;

    // Vertical, with a height that leaves a rest in the end colour.
    Canvas tall(2, 10);
    FillGradient(RGB(0, 0, 200), tall.Dc(), RECT{0, 0, 2, 10}, RGB(100, 0, 0), false);
    EXPECT_EQ(tall.Pixel(1, 0), RGB(100, 0, 0));
    EXPECT_EQ(tall.Pixel(1, 5), RGB(34, 0, 133));
    EXPECT_EQ(tall.Pixel(1, 9), RGB(0, 0, 200));

    // Four pixels: one band in the start colour; fewer: the end colour.
    Canvas small(4, 1);
    FillGradient(RGB(255, 0, 0), small.Dc(), RECT{0, 0, 4, 1}, RGB(0, 255, 0), true);
    EXPECT_EQ(small.Pixel(3, 0), RGB(0, 255, 0));
    FillGradient(RGB(255, 0, 0), small.Dc(), RECT{0, 0, 3, 1}, RGB(0, 255, 0), true);
    EXPECT_EQ(small.Pixel(0, 0), RGB(255, 0, 0));
}

TEST(GradientTest, SystemRoutineRunsSmoothly)
{
    ASSERT_NE(GradientRoutine, nullptr) << "Msimg32.dll offers GradientFill";
    Canvas canvas(20, 3);
    FillGradient(RGB(255, 255, 255), canvas.Dc(), RECT{0, 0, 20, 3}, RGB(0, 0, 0), true);
    EXPECT_LT(GetRValue(canvas.Pixel(0, 1)), 20);
    EXPECT_GT(GetRValue(canvas.Pixel(19, 1)), 230);
    EXPECT_LT(GetRValue(canvas.Pixel(1, 1)), GetRValue(canvas.Pixel(3, 1))) << "no bands";
}

class TitleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        HMENU handle = CreatePopupMenu();
        AppendMenuA(handle, MF_STRING, 1, "&One");
        ASSERT_TRUE(menu.Attach(handle));
        ASSERT_TRUE(menu.SetTitleItem("Dustrel .NET", 0));
    }

    void Draw(DWORD flags, RECT rect)
    {
        canvas.Fill(RGB(1, 2, 3));
        menu.items[0]->titleFlags = flags | TitleItem;
        DRAWITEMSTRUCT request = DrawRequest(menu.m_hMenu, 0, menu.items[0], canvas.Dc(), rect, 0);
        menu.DrawItem(&request);
    }

    int Count(RECT area, COLORREF color) const
    {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x) count += canvas.Pixel(x, y) == color;
        return count;
    }

    TestColors colors;
    CDrawnMenu menu;
    Canvas canvas{160, 120};
    const COLORREF caption = GetSysColor(COLOR_ACTIVECAPTION);
    const COLORREF captionText = GetSysColor(COLOR_CAPTIONTEXT);
};

TEST_F(TitleTest, AcrossTitleFilledWithCaptionColourAndItsText)
{
    Draw(0, RECT{0, 0, 160, 20});
    canvas.Save("title-plain.bmp");
    EXPECT_EQ(canvas.Pixel(0, 0), caption);
    EXPECT_EQ(canvas.Pixel(159, 19), caption);
    EXPECT_EQ(canvas.Pixel(80, 40), RGB(1, 2, 3));
    EXPECT_GT(Count(RECT{0, 0, 120, 20}, captionText), 20);
    // Left-aligned: nothing at the far right; centred: text moves right.
    EXPECT_EQ(Count(RECT{130, 0, 160, 20}, captionText), 0);
    Draw(TitleCentred, RECT{0, 0, 160, 20});
    EXPECT_EQ(Count(RECT{0, 0, 20, 20}, captionText), 0);
}

TEST_F(TitleTest, GradientFallsBackToBands)
{
    Restore<GradientFillRoutine> restore(GradientRoutine);
    GradientRoutine = nullptr;
    Draw(TitleGradient, RECT{0, 0, 160, 20});
    canvas.Save("title-gradient.bmp");
    const COLORREF backLight = MakeFlatColors(canvas.Dc()).backLight;
    EXPECT_EQ(canvas.Pixel(0, 19), caption);
    EXPECT_EQ(canvas.Pixel(3, 19), caption);
    EXPECT_EQ(canvas.Pixel(159, 19), backLight);
    EXPECT_EQ(canvas.Pixel(4, 19), canvas.Pixel(7, 19));
    EXPECT_NE(canvas.Pixel(4, 19), canvas.Pixel(8, 19));
}

TEST_F(TitleTest, SideTitleRunsTheWholeMenuHeightWithTwoSunkenLines)
{
    const int check = GetSystemMetrics(SM_CXMENUCHECK);
    Draw(TitleVertical | TitleLine | TitleSunken, RECT{0, 0, 30, 20});
    canvas.Save("title-side.bmp");
    EXPECT_EQ(canvas.Pixel(5, 118), caption) << "down to the bottom of the clip box";
    EXPECT_EQ(canvas.Pixel(30 + check - 2, 60), caption);
    EXPECT_EQ(canvas.Pixel(30 + check + 1, 60), RGB(1, 2, 3));
    // Sunken frame: shadow at the top left, highlight at the bottom right.
    EXPECT_EQ(canvas.Pixel(0, 0), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(canvas.Pixel(30 + check - 1, 119), GetSysColor(COLOR_BTNHIGHLIGHT));
    // The lines: (20, 5)-(22, 115) and (23, 15)-(25, 105).
    EXPECT_EQ(canvas.Pixel(20, 60), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(canvas.Pixel(21, 60), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(canvas.Pixel(23, 60), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(canvas.Pixel(24, 60), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(canvas.Pixel(23, 10), caption);
    EXPECT_EQ(canvas.Pixel(20, 10), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_GT(Count(RECT{0, 0, 20, 120}, captionText), 20);
}

TEST_F(TitleTest, AtTwiceTheScaleTheTitlesLinesAreTwiceAsWide)
{
    Restore<UINT> dpi(MenuDpi);
    MenuDpi = 192;
    Draw(TitleVertical | TitleLine | TitleSunken, RECT{0, 0, 60, 20});
    canvas.Save("title-side-200.bmp");
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), light = GetSysColor(COLOR_BTNHIGHLIGHT);
    EXPECT_EQ(canvas.Pixel(1, 60), shadow) << "the sunken frame";
    // The lines: (40, 10)-(44, 110) and (46, 30)-(50, 90), each edge 2 wide.
    const int expected[][2] = {{40, 60}, {41, 60}, {46, 60}, {47, 60}, {40, 12}};
    for (const auto& at : expected) EXPECT_EQ(canvas.Pixel(at[0], at[1]), shadow) << at[0] << ", " << at[1];
    for (int x : {42, 43, 48, 49}) EXPECT_EQ(canvas.Pixel(x, 60), light) << x;
    EXPECT_EQ(canvas.Pixel(46, 25), caption);
}

TEST_F(TitleTest, RoundedTitleLeavesItsCorners)
{
    Draw(TitleRounded, RECT{0, 0, 160, 20});
    canvas.Save("title-rounded.bmp");
    // The flat look lays its backgrounds first.
    EXPECT_EQ(canvas.Pixel(0, 0), MakeFlatColors(canvas.Dc()).backIcon);
    EXPECT_EQ(canvas.Pixel(80, 0), RGB(255, 255, 255));
    EXPECT_EQ(canvas.Pixel(80, 10) == caption || canvas.Pixel(80, 10) == captionText, true);
}

}  // namespace
