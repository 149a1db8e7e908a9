#include "menus/DrawnMenu.h"
#include "menus/MenuGdi.h"
#include "menus/MenuLook.h"
#include "tests/menus/MenuTestSupport.h"

#include <gtest/gtest.h>

namespace {

// Menu texts are in the process's code page (UTF-8), whatever the character
// set of the font: under a Chinese system language the menu font is a Big5
// or GB2312 one, and Chinese captions must come out as written.
const char Caption[] = u8"檔案(&F)\t說明";
const wchar_t WideCaption[] = L"檔案(&F)\t說明";

class ForeignCharsetTest : public ::testing::Test {
protected:
    static HFONT ChineseFont(BYTE charset)
    {
        return CreateFontW(-14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, charset, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH, L"WenQuanYi Micro Hei");
    }

    // The item drawn in the classic look, which draws in the DC's font.
    std::vector<COLORREF> DrawWith(BYTE charset)
    {
        Restore<CDrawnMenuLook*> look(CurrentLook);
        CurrentLook = LookRegistry.at(MENU_LOOK_CLASSIC);
        canvas.Fill(RGB(1, 2, 3));
        ScopedSelect font(canvas.Dc(), ChineseFont(charset));
        EXPECT_EQ(GetTextCharset(canvas.Dc()), charset) << "a font with Chinese glyphs in that character set";
        DRAWITEMSTRUCT request = DrawRequest(menu.m_hMenu, 1, menu.items[0], canvas.Dc(), {0, 0, Width, Height}, 0);
        menu.DrawItem(&request);
        std::vector<COLORREF> pixels;
        for (int y = 0; y < Height; ++y)
            for (int x = 0; x < Width; ++x) pixels.push_back(canvas.Pixel(x, y));
        return pixels;
    }

    void SetUp() override
    {
        HMENU handle = CreatePopupMenu();
        AppendMenuA(handle, MF_STRING, 1, Caption);
        ASSERT_TRUE(menu.Attach(handle));
        menu.ConvertItems();
        ASSERT_EQ(menu.items.size(), 1u);
    }

    static const int Width = 200, Height = 23;
    Canvas canvas{Width, Height};
    CDrawnMenu menu;
};

TEST_F(ForeignCharsetTest, TextIsMeasuredAsWritten)
{
    for (BYTE charset : {CHINESEBIG5_CHARSET, GB2312_CHARSET, ANSI_CHARSET}) {
        ScopedSelect font(canvas.Dc(), ChineseFont(charset));
        SIZE wide = {};
        GetTextExtentPoint32W(canvas.Dc(), WideCaption, lstrlenW(WideCaption), &wide);
        const SIZE measured = TextExtent(canvas.Dc(), Caption);
        EXPECT_EQ(measured.cx, wide.cx) << "character set " << int(charset);
        EXPECT_EQ(measured.cy, wide.cy) << "character set " << int(charset);
    }
}

TEST_F(ForeignCharsetTest, TextIsDrawnTheSameInEveryCharacterSet)
{
    const std::vector<COLORREF> big5 = DrawWith(CHINESEBIG5_CHARSET);
    const std::vector<COLORREF> gb2312 = DrawWith(GB2312_CHARSET);
    ASSERT_EQ(big5.size(), gb2312.size());
    int differing = 0, ink = 0;
    for (size_t n = 0; n < big5.size(); ++n) {
        differing += big5[n] != gb2312[n];
        ink += big5[n] == GetSysColor(COLOR_MENUTEXT);
    }
    EXPECT_EQ(differing, 0);
    EXPECT_GT(ink, 60) << "the caption and its accelerator are drawn";
}

}  // namespace
