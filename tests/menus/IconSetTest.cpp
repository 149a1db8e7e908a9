#include "menus/BitmapResource.h"
#include "menus/MenuBitmaps.h"
#include "menus/MenuIcons.h"
#include "menus/MenuItemData.h"
#include "menus/MenuValues.h"
#include "res/resource.h"
#include "tests/menus/MenuTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

bool Registered(const CDrawnMenuIcons* set)
{
    const std::list<CDrawnMenuIcons*>& sets = IconSets();
    return std::find(sets.begin(), sets.end(), set) != sets.end();
}

TEST(IconSetTest, FindIndexAnswersTheBaseOfTheLastOccurrence)
{
    CDrawnMenuIcons set;
    set.commandIds = {5, 7, 5, 9};
    EXPECT_EQ(set.FindIndex(5), 6);
    EXPECT_EQ(set.FindIndex(7), 3);
    EXPECT_EQ(set.FindIndex(9), 9);
    EXPECT_EQ(set.FindIndex(8), -1);
    set.commandIds.clear();
    EXPECT_EQ(set.FindIndex(5), -1);
}

TEST(IconSetTest, RecordsCountTheirSetAndTheLastOneDeletesIt)
{
    CDrawnMenuIcons* set = new CDrawnMenuIcons;
    CDrawnMenuIcons* other = new CDrawnMenuIcons;
    IconSets().push_back(set);
    IconSets().push_back(other);
    auto first = std::make_unique<CDrawnMenuItemData>();
    auto second = std::make_unique<CDrawnMenuItemData>();
    first->SetIcons(set, 3);
    second->SetIcons(set, 6);
    EXPECT_EQ(set->refCount, 2);
    EXPECT_EQ(first->imageIndex, 3);

    // Taking the same set again changes nothing; a negative index takes none.
    first->SetIcons(set, 0);
    EXPECT_EQ(set->refCount, 2);
    auto none = std::make_unique<CDrawnMenuItemData>();
    none->SetIcons(set, -1);
    EXPECT_EQ(none->icons, nullptr);
    EXPECT_EQ(none->imageIndex, -1);
    EXPECT_EQ(set->refCount, 2);

    first.reset();
    EXPECT_EQ(set->refCount, 1);
    EXPECT_TRUE(Registered(set));

    // Moving to another set releases the first: it leaves the registry.
    second->SetIcons(other, 0);
    EXPECT_FALSE(Registered(set));
    EXPECT_EQ(other->refCount, 1);
    second.reset();
    EXPECT_FALSE(Registered(other));
}

TEST(IconSetTest, TableLoadBuildsThreeImagesPerPictureAndMatchesOnlyItsTable)
{
    CDrawnMenuIcons set;
    ASSERT_TRUE(set.LoadFromTable(MainIconTable, IconClear));
    EXPECT_EQ(set.commandIds, (std::vector<DWORD>{MainIconTable + 3, MainIconTable + 11}));
    EXPECT_EQ(ImageList_GetImageCount(set.imageList), 24);
    int width = 0, height = 0;
    ASSERT_TRUE(set.ImageSize(width, height));
    EXPECT_EQ(width, 16);
    EXPECT_EQ(height, 15);
    EXPECT_EQ(set.paletteColors, 256);
    EXPECT_EQ(set.resourceName, MAKEINTRESOURCEA(IDB_MENU_ICONS));
    EXPECT_EQ(set.FindIndex(ID_EDIT_SELECT_ALL), 18);

    EXPECT_TRUE(set.MatchesTable(MainIconTable, IconClear));
    EXPECT_FALSE(set.MatchesTable(MainIconTable, RGB(255, 0, 255)));
    WORD table[12];
    std::copy(MainIconTable, MainIconTable + 12, table);
    table[0] = IDB_ABOUT_BANNER;
    EXPECT_FALSE(set.MatchesTable(table, IconClear));
    table[0] = 0;
    EXPECT_FALSE(set.MatchesTable(table, IconClear));
    table[0] = IDB_MENU_ICONS;
    table[6] = ID_HELP_ONLINE;
    EXPECT_FALSE(set.MatchesTable(table, IconClear));
    table[6] = MainIconTable[6];
    table[9] = 0;  // ends before the set's last command
    EXPECT_FALSE(set.MatchesTable(table, IconClear));
}

TEST(IconSetTest, FailedLoadKeepsThePreviousImages)
{
    CDrawnMenuIcons set;
    ASSERT_TRUE(set.LoadFromTable(MainIconTable, IconClear));
    HIMAGELIST before = set.imageList;
    EXPECT_FALSE(set.LoadBitmapStrip(16, 15, MAKEINTRESOURCEA(999), nullptr));
    EXPECT_EQ(set.imageList, before);
    EXPECT_EQ(ImageList_GetImageCount(set.imageList), 24);
    EXPECT_TRUE(set.Refresh());
    EXPECT_EQ(ImageList_GetImageCount(set.imageList), 24);
}

TEST(IconSetTest, ToolBarResourceGivesTheButtonCommandsInOrder)
{
    CDrawnMenuIcons set;
    ASSERT_TRUE(set.LoadToolBarResource(MAKEINTRESOURCEA(IDR_MAINFRAME), nullptr));
    EXPECT_EQ(set.commandIds, (std::vector<DWORD>{ID_VIEW_REFRESH, ID_OPTIONS_COOKIES, ID_OPTIONS_IETEMP,
                                                  ID_VIEW_APPLICATIONS, ID_EDIT_RECYCLE, ID_EDIT_DELETE,
                                                  ID_EDIT_SELECT_ALL, ID_EDIT_UNSELECT_ALL}));
    EXPECT_EQ(set.paletteColors, 16);
    EXPECT_EQ(ImageList_GetImageCount(set.imageList), 24);
    EXPECT_TRUE(set.MatchesResource(MAKEINTRESOURCEA(IDR_MAINFRAME), nullptr));
    EXPECT_FALSE(set.MatchesResource(MAKEINTRESOURCEA(IDB_MENU_ICONS), nullptr));
    EXPECT_FALSE(set.MatchesResource(MAKEINTRESOURCEA(IDR_MAINFRAME), GetModuleHandleA("kernel32.dll")));
    // A module without the bitmap: the images stay as they were.
    EXPECT_FALSE(set.LoadToolBarResource(MAKEINTRESOURCEA(IDR_MAINFRAME), GetModuleHandleA("kernel32.dll")));
    EXPECT_EQ(ImageList_GetImageCount(set.imageList), 24);

    CDrawnMenuIcons named;
    EXPECT_FALSE(named.LoadToolBarResource("NOSUCHTOOLBAR", nullptr));
    EXPECT_TRUE(named.MatchesResource("NOSUCHTOOLBAR", nullptr));
    EXPECT_FALSE(named.MatchesResource("OTHER", nullptr));
}

// A 16-colour picture takes the current 3-D colours for the four button
// colours; a 256-colour one keeps every pixel.
TEST(IconSetTest, SixteenColourBitmapsTakeTheThreeDColours)
{
    const struct {
        COLORREF stored;
        int now;
    } mapped[] = {{RGB(0, 0, 0), COLOR_BTNTEXT}, {RGB(128, 128, 128), COLOR_BTNSHADOW},
                  {RGB(192, 192, 192), COLOR_BTNFACE}, {RGB(255, 255, 255), COLOR_BTNHIGHLIGHT}};
    for (int id : {IDR_MAINFRAME, IDB_MENU_ICONS}) {
        HMODULE module = GetModuleHandleA(nullptr);
        int colors = 0;
        HBITMAP loaded = LoadMenuBitmap(module, MAKEINTRESOURCEA(id), colors);
        HBITMAP plain = LoadBitmapA(module, MAKEINTRESOURCEA(id));
        ASSERT_NE(loaded, nullptr);
        EXPECT_EQ(colors, id == IDR_MAINFRAME ? 16 : 256);
        HDC loadedDc = CreateCompatibleDC(nullptr), plainDc = CreateCompatibleDC(nullptr);
        HGDIOBJ oldLoaded = SelectObject(loadedDc, loaded), oldPlain = SelectObject(plainDc, plain);
        int changed = 0;
        for (int y = 0; y < 15; ++y)
            for (int x = 0; x < 128; ++x) {
                const COLORREF stored = GetPixel(plainDc, x, y);
                COLORREF expected = stored;
                for (const auto& m : mapped) {
                    if (id == IDR_MAINFRAME && m.stored == stored) expected = GetSysColor(m.now);
                }
                changed += expected != stored;
                ASSERT_EQ(GetPixel(loadedDc, x, y), expected) << "bitmap " << id << " at " << x << ", " << y;
            }
        if (id == IDR_MAINFRAME) {
            EXPECT_GT(changed, 0) << "the 3-D colours equal the standard ones";
        }
        SelectObject(loadedDc, oldLoaded);
        SelectObject(plainDc, oldPlain);
        DeleteDC(loadedDc);
        DeleteDC(plainDc);
        DeleteObject(loaded);
        DeleteObject(plain);
    }
    EXPECT_EQ(BitmapPaletteColors(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(999)), -1);
}

TEST(IconSetTest, BitmapSetTakesOnlyPicturesOfItsSize)
{
    CDrawnMenuBitmaps set;
    EXPECT_EQ(set.AddBitmap(IDB_MENU_ICONS, IconClear), 0);
    EXPECT_EQ(set.AddBitmap(IDB_ABOUT_BANNER, IconClear), -1);
    EXPECT_EQ(set.AddBitmap(999, IconClear), -1);
    EXPECT_EQ(set.AddBitmap(IDB_MENU_ICONS, IconClear), 0);
    EXPECT_EQ(ImageList_GetImageCount(set.imageList), 3);
    EXPECT_EQ(set.commandIds, std::vector<DWORD>{IDB_MENU_ICONS});
    EXPECT_EQ(set.maskColors, std::vector<DWORD>{IconClear});
    int width = 0, height = 0;
    ASSERT_TRUE(set.ImageSize(width, height));
    EXPECT_EQ(width, 128);
    EXPECT_EQ(height, 15);
    EXPECT_TRUE(set.Refresh());
    EXPECT_EQ(ImageList_GetImageCount(set.imageList), 3);
}

}  // namespace
