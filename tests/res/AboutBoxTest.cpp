#include "res/MakerInfo.h"
#include "res/resource.h"
#include "tests/res/ResourceReading.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace {

// The About box from its template, as a modeless window so the test can
// look at it; destroyed with the object.
class AboutBox {
public:
    AboutBox()
        : m_window(CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_ABOUTBOX), nullptr,
                                      [](HWND, UINT message, WPARAM, LPARAM) -> INT_PTR { return message == WM_INITDIALOG; },
                                      0))
    {
    }
    ~AboutBox()
    {
        if (m_window) DestroyWindow(m_window);
    }
    AboutBox(const AboutBox&) = delete;
    AboutBox& operator=(const AboutBox&) = delete;

    HWND Window() const { return m_window; }

    // A rectangle in dialog units, in pixels of the box's client area.
    // Place and size convert separately, as the dialog manager does.
    RECT Pixels(int x, int y, int width, int height) const
    {
        RECT rect = {x, y, width, height};
        MapDialogRect(m_window, &rect);
        return {rect.left, rect.top, rect.left + rect.right, rect.top + rect.bottom};
    }

private:
    HWND m_window;
};

std::string TextOf(HWND window)
{
    char text[256] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string ClassOf(HWND window)
{
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

RECT PlaceIn(HWND parent, HWND child)
{
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// "Version 3.09" for 3.0.9: what the box shows must follow the version resource.
std::string VersionLine()
{
    const std::vector<WORD> version = VersionBlock().Fixed();
    if (version.size() != 4) return "(no version resource)";
    return "Version " + std::to_string(version[0]) + "." + std::to_string(version[1]) + std::to_string(version[2]);
}

TEST(AboutBoxTest, FrameCaptionFontAndSizeFollowTheTemplate)
{
    AboutBox box;
    ASSERT_NE(box.Window(), nullptr);
    EXPECT_EQ(TextOf(box.Window()), "About Dustrel .NET");
    const LONG style = GetWindowLongA(box.Window(), GWL_STYLE);
    const LONG frame = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
    EXPECT_EQ(style & frame, frame);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);

    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(box.Window(), WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_STREQ(font.lfFaceName, "MS Sans Serif");
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(font.lfHeight, -MulDiv(10, GetDeviceCaps(screen, LOGPIXELSY), 72));
    ReleaseDC(nullptr, screen);

    RECT client;
    GetClientRect(box.Window(), &client);
    const RECT expected = box.Pixels(0, 0, 71, 103);
    EXPECT_EQ(client.right, expected.right);
    EXPECT_EQ(client.bottom, expected.bottom);
}

TEST(AboutBoxTest, ControlsComeInTemplateOrderWithTheirIdsStylesAndPlaces)
{
    struct Control {
        WORD id;
        const char* kind;
        LONG type;  // the low style bits: static type or button type
        LONG flags;  // further style bits that must be set
        std::string text;
        RECT units;  // x, y, width, height
    };
    const Control expected[] = {
        {static_cast<WORD>(IDC_STATIC), "Static", SS_LEFT, 0, DUSTREL_ABOUT_NOTICE, {10, 54, 54, 8}},
        {IDOK, "Button", BS_DEFPUSHBUTTON, WS_TABSTOP, "OK", {19, 82, 32, 11}},
        {IDC_VERSION_TEXT, "Static", SS_LEFT, SS_NOPREFIX, VersionLine(), {11, 20, 46, 8}},
        {IDC_AUTHOR_TEXT, "Static", SS_LEFT, SS_NOPREFIX, DUSTREL_ABOUT_CREDIT, {10, 65, 44, 8}},
        {IDC_BANNER, "Static", SS_BITMAP, SS_NOTIFY | SS_REALSIZEIMAGE, "", {0, 0, 71, 17}},
        {IDC_EMAIL_LINK, "Static", SS_LEFT, SS_NOTIFY, DUSTREL_EMAIL, {10, 32, 53, 8}},
    };
    AboutBox box;
    ASSERT_NE(box.Window(), nullptr);
    HWND child = GetWindow(box.Window(), GW_CHILD);
    for (const Control& control : expected) {
        ASSERT_NE(child, nullptr) << "control " << control.id << " is missing";
        EXPECT_EQ(static_cast<WORD>(GetDlgCtrlID(child)), control.id);
        EXPECT_STRCASEEQ(ClassOf(child).c_str(), control.kind) << "control " << control.id;
        const LONG style = GetWindowLongA(child, GWL_STYLE);
        const LONG typeMask = control.kind == std::string("Static") ? SS_TYPEMASK : BS_TYPEMASK;
        EXPECT_EQ(style & typeMask, control.type) << "control " << control.id;
        EXPECT_EQ(style & control.flags, control.flags) << "control " << control.id;
        if (typeMask == SS_TYPEMASK) {
            EXPECT_EQ(style & SS_NOTIFY, control.flags & SS_NOTIFY) << "control " << control.id;
        }
        EXPECT_TRUE(style & WS_VISIBLE) << "control " << control.id;
        if (control.type != SS_BITMAP) {
            EXPECT_EQ(TextOf(child), control.text) << "control " << control.id;
        }

        const RECT place = PlaceIn(box.Window(), child);
        const RECT want = box.Pixels(control.units.left, control.units.top, control.units.right, control.units.bottom);
        EXPECT_EQ(place.left, want.left) << "control " << control.id;
        EXPECT_EQ(place.top, want.top) << "control " << control.id;
        if (control.type == SS_BITMAP) {
            // a real-size picture: the control takes the bitmap's own size
            EXPECT_EQ(place.right - place.left, 141) << "control " << control.id;
            EXPECT_EQ(place.bottom - place.top, 27) << "control " << control.id;
            HBITMAP picture = reinterpret_cast<HBITMAP>(SendMessageA(child, STM_GETIMAGE, IMAGE_BITMAP, 0));
            ASSERT_NE(picture, nullptr);
            BITMAP info{};
            GetObjectA(picture, sizeof info, &info);
            EXPECT_EQ(info.bmWidth, 141);
            EXPECT_EQ(info.bmHeight, 27);
        } else {
            EXPECT_EQ(place.right, want.right) << "control " << control.id;
            EXPECT_EQ(place.bottom, want.bottom) << "control " << control.id;
        }
        child = GetWindow(child, GW_HWNDNEXT);
    }
    EXPECT_EQ(child, nullptr) << "the box has more controls than its six";
}

// The notice, credit, e-mail and version lines sit in narrow controls; in
// the box's own font each must fit on its one line.
TEST(AboutBoxTest, TextsFitTheirControls)
{
    AboutBox box;
    ASSERT_NE(box.Window(), nullptr);
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(box.Window(), WM_GETFONT, 0, 0));
    for (HWND child = GetWindow(box.Window(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) != SS_LEFT || ClassOf(child) != "Static") continue;
        const std::string text = TextOf(child);
        HDC dc = GetDC(child);
        HGDIOBJ old = SelectObject(dc, font);
        SIZE extent{};
        GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        SelectObject(dc, old);
        ReleaseDC(child, dc);
        RECT client;
        GetClientRect(child, &client);
        EXPECT_LE(extent.cx, client.right) << '"' << text << "\" is wider than its control";
        EXPECT_LE(extent.cy, client.bottom) << '"' << text << "\" is taller than its control";
    }
}

// The host part of a web address or an e-mail address.
std::string HostOf(const std::string& address)
{
    const size_t at = address.find('@');
    if (at != std::string::npos) return address.substr(at + 1);
    const size_t scheme = address.find("://");
    if (scheme == std::string::npos) return "";
    const size_t start = scheme + 3;
    return address.substr(start, address.find('/', start) - start);
}

bool OnExampleDomain(const std::string& host)
{
    const std::string domain = "example.org";
    return host == domain ||
           (host.size() > domain.size() && host.compare(host.size() - domain.size() - 1, std::string::npos, "." + domain) == 0);
}

// The addresses are ours to choose, so none may lead to someone else's site.
TEST(AboutBoxTest, MakerAddressesStayOnTheReservedExampleDomain)
{
    for (const std::string address : {DUSTREL_HOME_PAGE, DUSTREL_README_PAGE, DUSTREL_EMAIL})
        EXPECT_TRUE(OnExampleDomain(HostOf(address))) << address;
    EXPECT_EQ(std::string(DUSTREL_README_PAGE).rfind(DUSTREL_HOME_PAGE, 0), 0u) << "the readme is a page of the home site";
    EXPECT_EQ(std::string(DUSTREL_EMAIL).find_first_of(" :/"), std::string::npos);
    EXPECT_EQ(std::string(DUSTREL_EMAIL).find('@'), std::string(DUSTREL_EMAIL).rfind('@'));
}

}  // namespace
