#include "res/resource.h"
#include "tests/res/ResourceReading.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

std::vector<WORD> ToolbarLayout()
{
    const std::vector<BYTE> bytes =
        ResourceBytes(MAKEINTRESOURCEA(TOOLBAR_RESOURCE_TYPE), MAKEINTRESOURCEA(IDR_MAINFRAME));
    std::vector<WORD> words(bytes.size() / 2);
    std::memcpy(words.data(), bytes.data(), words.size() * 2);
    return words;
}

TEST(ToolbarTest, LayoutReadsBackAsSixteenBitWords)
{
    const std::vector<WORD> expected = {
        1, 16, 15, 10,
        ID_VIEW_REFRESH, ID_OPTIONS_COOKIES, ID_OPTIONS_IETEMP, ID_VIEW_APPLICATIONS, ID_SEPARATOR,
        ID_EDIT_RECYCLE, ID_EDIT_DELETE, ID_SEPARATOR, ID_EDIT_SELECT_ALL, ID_EDIT_UNSELECT_ALL,
    };
    EXPECT_EQ(ToolbarLayout(), expected);
    EXPECT_EQ(ResourceBytes(MAKEINTRESOURCEA(TOOLBAR_RESOURCE_TYPE), MAKEINTRESOURCEA(IDR_MAINFRAME)).size(),
              expected.size() * sizeof(WORD));
}

// Each button has its picture in the strip, side by side, at the layout's size.
TEST(ToolbarTest, ButtonStripsMatchTheLayout)
{
    const std::vector<WORD> layout = ToolbarLayout();
    ASSERT_GE(layout.size(), 4u);
    const LONG buttons = static_cast<LONG>(std::count_if(layout.begin() + 4, layout.end(), [](WORD id) { return id != 0; }));
    struct Strip {
        int id;
        WORD bits;
    };
    for (Strip strip : {Strip{IDR_MAINFRAME, 4}, Strip{IDB_MENU_ICONS, 8}}) {
        PaletteBitmap bitmap(strip.id);
        ASSERT_TRUE(bitmap.Exists()) << "bitmap " << strip.id;
        EXPECT_EQ(bitmap.Header().biWidth, buttons * layout[1]) << "bitmap " << strip.id;
        EXPECT_EQ(bitmap.Header().biHeight, layout[2]) << "bitmap " << strip.id;
        EXPECT_EQ(bitmap.Header().biBitCount, strip.bits) << "bitmap " << strip.id;
        EXPECT_EQ(bitmap.Header().biCompression, static_cast<DWORD>(BI_RGB)) << "bitmap " << strip.id;
        HBITMAP loaded = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(strip.id));
        EXPECT_NE(loaded, nullptr) << "bitmap " << strip.id;
        DeleteObject(loaded);
    }
    const std::vector<COLORREF> menuPalette = PaletteBitmap(IDB_MENU_ICONS).Palette();
    EXPECT_NE(std::find(menuPalette.begin(), menuPalette.end(), LightGrey), menuPalette.end());
}

// Light grey stands for the button face in the toolbar and for "clear" in
// the menus, so every picture must stand on it; and the menu pictures must
// be the toolbar's, drawn in the same places.
TEST(ToolbarTest, PicturesStandOnLightGreyAndAgreeBetweenToolbarAndMenus)
{
    const PaletteBitmap toolbar(IDR_MAINFRAME);
    const PaletteBitmap menus(IDB_MENU_ICONS);
    ASSERT_TRUE(toolbar.Exists());
    ASSERT_TRUE(menus.Exists());
    ASSERT_EQ(toolbar.Header().biWidth, menus.Header().biWidth);
    ASSERT_EQ(toolbar.Header().biHeight, menus.Header().biHeight);
    const int width = 16, height = toolbar.Header().biHeight;
    for (int button = 0; button < toolbar.Header().biWidth / width; ++button) {
        int drawn = 0;
        for (int y = 0; y < height; ++y)
            for (int x = button * width; x < (button + 1) * width; ++x) {
                const bool inToolbar = toolbar.Pixel(x, y) != LightGrey;
                drawn += inToolbar;
                EXPECT_EQ(menus.Pixel(x, y) != LightGrey, inToolbar) << "button " << button << " at " << x << ", " << y;
            }
        EXPECT_GE(drawn, width * height / 4) << "button " << button << " is nearly empty";
        for (const PaletteBitmap* strip : {&toolbar, &menus}) {
            EXPECT_EQ(strip->Pixel(button * width, 0), LightGrey) << "button " << button;
            EXPECT_EQ(strip->Pixel(button * width + width - 1, height - 1), LightGrey) << "button " << button;
        }
    }
}

TEST(ImageTest, AboutBannerIs141By27In256Colours)
{
    const PaletteBitmap banner(IDB_ABOUT_BANNER);
    ASSERT_TRUE(banner.Exists());
    EXPECT_EQ(banner.Header().biWidth, 141);
    EXPECT_EQ(banner.Header().biHeight, 27);
    EXPECT_EQ(banner.Header().biBitCount, 8);
    EXPECT_EQ(banner.Header().biCompression, static_cast<DWORD>(BI_RGB));
    HBITMAP loaded = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_ABOUT_BANNER));
    ASSERT_NE(loaded, nullptr);
    BITMAP info{};
    GetObjectA(loaded, sizeof info, &info);
    EXPECT_EQ(info.bmWidth, 141);
    EXPECT_EQ(info.bmHeight, 27);
    DeleteObject(loaded);
}

#pragma pack(push, 2)
struct IconDirectoryEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

// The icon group holds a small and a large picture, each with a clear
// surround: the frame and the task bar show both.
TEST(ImageTest, ApplicationIconHasSmallAndLargePicturesWithClearCorners)
{
    const std::vector<BYTE> group = ResourceBytes(RT_GROUP_ICON, MAKEINTRESOURCEA(IDR_MAINFRAME));
    ASSERT_GE(group.size(), 6u);
    WORD count;
    std::memcpy(&count, group.data() + 4, sizeof count);
    ASSERT_EQ(group.size(), 6 + count * sizeof(IconDirectoryEntry));
    std::vector<int> sizes;
    for (WORD index = 0; index < count; ++index) {
        IconDirectoryEntry entry;
        std::memcpy(&entry, group.data() + 6 + index * sizeof entry, sizeof entry);
        sizes.push_back(entry.width);
        EXPECT_EQ(ResourceBytes(RT_ICON, MAKEINTRESOURCEA(entry.id)).size(), entry.bytes) << "icon " << entry.id;
    }
    for (int size : {16, 32}) {
        EXPECT_NE(std::find(sizes.begin(), sizes.end(), size), sizes.end()) << size << " x " << size;
        HICON icon = static_cast<HICON>(
            LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON, size, size, 0));
        ASSERT_NE(icon, nullptr) << size << " x " << size;

        // Drawn on white and on black, a clear corner keeps the background
        // and the middle of the picture is not all clear.
        HDC screen = GetDC(nullptr);
        HDC dc = CreateCompatibleDC(screen);
        HBITMAP canvas = CreateCompatibleBitmap(screen, size, size);
        HGDIOBJ old = SelectObject(dc, canvas);
        int differing = 0;
        for (COLORREF background : {RGB(255, 255, 255), RGB(0, 0, 0)}) {
            HBRUSH brush = CreateSolidBrush(background);
            RECT all = {0, 0, size, size};
            FillRect(dc, &all, brush);
            DeleteObject(brush);
            DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
            EXPECT_EQ(GetPixel(dc, 0, size - 1), background) << size << " x " << size;
            for (int y = 0; y < size; ++y)
                for (int x = 0; x < size; ++x) differing += GetPixel(dc, x, y) != background;
        }
        EXPECT_GT(differing, size * size / 4) << size << " x " << size;
        SelectObject(dc, old);
        DeleteObject(canvas);
        DeleteDC(dc);
        ReleaseDC(nullptr, screen);
        DestroyIcon(icon);
    }
}

}  // namespace
