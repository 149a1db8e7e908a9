#include "menus/Colors.h"
#include "menus/MenuValues.h"

#include <gtest/gtest.h>

namespace {

// Expected values worked out by hand, rounding halves up as the system's
// multiply-divide does.
TEST(ColorHelpersTest, MatchHandComputedValues)
{
    EXPECT_EQ(ColorDarken(RGB(200, 100, 50), 50), RGB(161, 80, 40));
    EXPECT_EQ(ColorDarken(RGB(200, 100, 50), 0), RGB(200, 100, 50));
    EXPECT_EQ(ColorDarken(RGB(200, 100, 50), 255), RGB(0, 0, 0));
    EXPECT_EQ(ColorLighten(RGB(200, 100, 50), 100), RGB(222, 161, 130));
    EXPECT_EQ(ColorLighten(RGB(0, 0, 0), 255), RGB(255, 255, 255));
    EXPECT_EQ(ColorMix86(RGB(255, 0, 0), RGB(0, 0, 255)), RGB(36, 0, 219));
    EXPECT_EQ(ColorMix86(RGB(255, 255, 255), RGB(255, 255, 255)), RGB(255, 255, 255));
    EXPECT_EQ(ColorMix70(RGB(255, 0, 0), RGB(0, 0, 255)), RGB(77, 0, 179));
    EXPECT_EQ(ColorMix70(RGB(10, 20, 30), RGB(110, 120, 130)), RGB(80, 90, 100));
    EXPECT_EQ(ColorGray(RGB(10, 20, 31)), RGB(20, 20, 20));
    EXPECT_EQ(ColorShadowTint(RGB(100, 200, 10)), RGB(70, 140, 46));
    EXPECT_EQ(ColorShadowTint(RGB(255, 255, 255)), RGB(179, 179, 217));
}

TEST(ColorHelpersTest, MenuColorFollowsFlatMenusOnlyOnWindowsXp)
{
    const int saved = OsVersionCode;
    BOOL flat = FALSE;
    SystemParametersInfoA(SPI_GETFLATMENU, 0, &flat, 0);
    OsVersionCode = 6;
    EXPECT_EQ(MenuColor(), GetSysColor(COLOR_MENU));
    OsVersionCode = 7;
    EXPECT_EQ(MenuColor(), GetSysColor(flat ? COLOR_MENUBAR : COLOR_MENU));
    OsVersionCode = saved;
}

TEST(VersionCodeTest, NamesEachSystem)
{
    struct Case {
        DWORD platform, major, minor;
        int code;
    };
    const Case cases[] = {
        {VER_PLATFORM_WIN32s, 3, 10, 0},       {VER_PLATFORM_WIN32_WINDOWS, 3, 95, 0},
        {VER_PLATFORM_WIN32_WINDOWS, 4, 0, 2}, {VER_PLATFORM_WIN32_WINDOWS, 4, 10, 3},
        {VER_PLATFORM_WIN32_WINDOWS, 4, 90, 4}, {VER_PLATFORM_WIN32_WINDOWS, 5, 0, 2},
        {VER_PLATFORM_WIN32_NT, 4, 0, 5},      {VER_PLATFORM_WIN32_NT, 5, 0, 6},
        {VER_PLATFORM_WIN32_NT, 5, 1, 7},      {VER_PLATFORM_WIN32_NT, 5, 2, 1},
        {VER_PLATFORM_WIN32_NT, 6, 1, 1},      {VER_PLATFORM_WIN32_NT, 3, 51, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(OsVersionCodeFor(c.platform, c.major, c.minor), c.code) << c.platform << " " << c.major << "." << c.minor;
    EXPECT_EQ(OsVersionCode, ReadOsVersionCode());
}

TEST(SelectDisabledItemsTest, SetterAnswersThePreviousValue)
{
    const int saved = SelectDisabledItems;
    SelectDisabledItems = 1;
    EXPECT_EQ(SetSelectDisabledItems(0), 1);
    EXPECT_EQ(SelectDisabledItems, 0);
    EXPECT_EQ(SetSelectDisabledItems(1), 0);
    SelectDisabledItems = saved;
}

}  // namespace
