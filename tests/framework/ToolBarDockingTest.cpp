#include "framework/FrameworkIds.h"
#include "framework/MiniDockFrameWnd.h"
#include "framework/Strings.h"
#include "tests/framework/DockTestFrame.h"
#include "tests/support/TestFrame.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

std::string Text(const RECT& rect)
{
    std::ostringstream text;
    text << "(" << rect.left << "," << rect.top << ")-(" << rect.right << "," << rect.bottom << ")";
    return text.str();
}

::testing::AssertionResult SameRect(const RECT& actual, const RECT& expected)
{
    if (EqualRect(&actual, &expected)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << Text(actual) << " where " << Text(expected) << " was expected";
}

// The bar's window less its client area, on each side.
RECT NonClientInsets(HWND bar)
{
    const RECT window = WindowRectOf(bar);
    RECT client = {};
    GetClientRect(bar, &client);
    MapWindowPoints(bar, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return {client.left - window.left, client.top - window.top, window.right - client.right,
            window.bottom - client.bottom};
}

// The rectangles of the bar's buttons, separators left out.
std::vector<RECT> ButtonRects(const CToolBar& bar)
{
    std::vector<RECT> rects;
    const std::vector<UINT>& ids = bar.ButtonIds();
    for (size_t index = 0; index < ids.size(); ++index) {
        if (ids[index] == 0) continue;
        RECT item = {};
        bar.SendMessage(TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
        rects.push_back(item);
    }
    return rects;
}

::testing::AssertionResult ButtonsInOneRow(const CToolBar& bar)
{
    const std::vector<RECT> rects = ButtonRects(bar);
    for (size_t index = 1; index < rects.size(); ++index)
        if (rects[index].top != rects[0].top || rects[index].left <= rects[index - 1].left)
            return ::testing::AssertionFailure() << "button " << index << " at " << Text(rects[index]) << " after "
                                                 << Text(rects[index - 1]);
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult ButtonsInOneColumn(const CToolBar& bar)
{
    const std::vector<RECT> rects = ButtonRects(bar);
    for (size_t index = 1; index < rects.size(); ++index)
        if (rects[index].left != rects[0].left || rects[index].top < rects[index - 1].bottom)
            return ::testing::AssertionFailure() << "button " << index << " at " << Text(rects[index]) << " after "
                                                 << Text(rects[index - 1]);
    return ::testing::AssertionSuccess();
}

const char* Name(DockSide side)
{
    static const char* const names[] = {"top", "bottom", "left", "right", "floating"};
    return names[static_cast<int>(side)];
}

class ToolBarDocking : public ::testing::Test {
protected:
    void TearDown() override { Close(); }

    void Open(DWORD barAlignments = CBRS_ALIGN_ANY)
    {
        m_frame = DockTestFrame::Create(barAlignments);
        ASSERT_NE(m_frame, nullptr);
    }

    void Close()
    {
        if (m_frame == nullptr) return;
        // Wine is slow to destroy a shown top-level window: hide the floating frame first.
        if (CMiniDockFrameWnd* floating = Bar().FloatingFrame()) floating->ShowWindow(SW_HIDE);
        m_frame->DestroyWindow();
        PumpMessages();
        m_frame = nullptr;
    }

    CToolBar& Bar() { return m_frame->m_wndToolBar; }
    HWND BarWindow() { return Bar().m_hWnd; }
    HWND FloatingWindow() { return Bar().FloatingFrame() ? Bar().FloatingFrame()->m_hWnd : nullptr; }

    // Where the view is with the toolbar hidden: the bar's strip comes out of this.
    RECT FreeWithoutBar()
    {
        m_frame->ShowControlBar(&Bar(), false);
        const RECT free = m_frame->ViewOnScreen();
        m_frame->ShowControlBar(&Bar(), true);
        return free;
    }

    // Just inside the frame's client area, at the middle of a side; outside it when floating.
    POINT DropPoint(DockSide side)
    {
        const RECT client = m_frame->ClientOnScreen();
        const LONG x = (client.left + client.right) / 2, y = (client.top + client.bottom) / 2;
        switch (side) {
        case DockSide::Top:
            return {x, client.top + 3};
        case DockSide::Bottom:
            return {x, client.bottom - 4};
        case DockSide::Left:
            return {client.left + 3, y};
        case DockSide::Right:
            return {client.right - 4, y};
        default:
            return {client.right + 150, client.top + 40};
        }
    }

    // Drags the docked bar by its gripper: its left end, or its top end when vertical.
    HWND DragGripperTo(POINT to)
    {
        const RECT bar = WindowRectOf(BarWindow());
        const POINT gripper = IsVerticalSide(Bar().Side()) ? POINT{(bar.left + bar.right) / 2, bar.top + 3}
                                                            : POINT{bar.left + 3, (bar.top + bar.bottom) / 2};
        return Drag(BarWindow(), WM_LBUTTONDOWN, MK_LBUTTON, gripper, to);
    }

    POINT CaptionPoint()
    {
        const RECT frame = WindowRectOf(FloatingWindow());
        return {(frame.left + frame.right) / 2, frame.top + GetSystemMetrics(SM_CYSMCAPTION) / 2 + 1};
    }

    HWND DragCaptionTo(POINT to)
    {
        const POINT caption = CaptionPoint();
        const LRESULT hit = SendMessageA(FloatingWindow(), WM_NCHITTEST, 0, MAKELPARAM(caption.x, caption.y));
        EXPECT_EQ(hit, HTCAPTION) << "no caption at the point dragged";
        return Drag(FloatingWindow(), WM_NCLBUTTONDOWN, HTCAPTION, caption, to);
    }

    // The bar sits along `side` of `free`, the view fills the rest exactly,
    // and the buttons, gripper and border are laid out for that side.
    void ExpectDockedOn(DockSide side, const RECT& free)
    {
        SCOPED_TRACE(std::string("docked ") + Name(side));
        EXPECT_EQ(Bar().Side(), side);
        EXPECT_EQ(GetParent(BarWindow()), m_frame->m_hWnd);
        EXPECT_TRUE(Bar().IsBarVisible());
        if (FloatingWindow()) {
            EXPECT_FALSE(IsWindowVisible(FloatingWindow()));
        }

        const RECT bar = WindowRectOf(BarWindow());
        RECT expectedBar = free, expectedView = free;
        switch (side) {
        case DockSide::Top:
            expectedBar.bottom = expectedView.top = bar.bottom;
            break;
        case DockSide::Bottom:
            expectedBar.top = expectedView.bottom = bar.top;
            break;
        case DockSide::Left:
            expectedBar.right = expectedView.left = bar.right;
            break;
        default:
            expectedBar.left = expectedView.right = bar.left;
            break;
        }
        EXPECT_TRUE(SameRect(bar, expectedBar)) << "bar";
        EXPECT_TRUE(SameRect(m_frame->ViewOnScreen(), expectedView)) << "view";

        const RECT insets = NonClientInsets(BarWindow());
        if (IsVerticalSide(side)) {
            const LONG thickness = bar.right - bar.left;
            EXPECT_GT(thickness, 16);
            EXPECT_LT(thickness, 60);
            EXPECT_TRUE(ButtonsInOneColumn(Bar()));
            EXPECT_GT(insets.top, 4) << "no gripper at the top end";
        } else {
            const LONG thickness = bar.bottom - bar.top;
            EXPECT_GT(thickness, 16);
            EXPECT_LT(thickness, 60);
            EXPECT_TRUE(ButtonsInOneRow(Bar()));
            EXPECT_GT(insets.left, 4) << "no gripper at the left end";
        }
        if (side == DockSide::Top) {
            EXPECT_GT(insets.bottom, 0) << "no border line under the bar";
        }
    }

    void ExpectFloating(const RECT& free)
    {
        EXPECT_TRUE(Bar().IsFloating());
        ASSERT_NE(FloatingWindow(), nullptr);
        const HWND parent = GetParent(BarWindow());
        EXPECT_EQ(parent, FloatingWindow());
        EXPECT_NE(dynamic_cast<CMiniDockFrameWnd*>(CWnd::FromHandle(parent)), nullptr);
        EXPECT_EQ(GetWindow(FloatingWindow(), GW_OWNER), m_frame->m_hWnd);
        const LONG_PTR style = GetWindowLongPtrA(FloatingWindow(), GWL_STYLE);
        EXPECT_EQ(style & (WS_POPUP | WS_CAPTION | WS_SYSMENU), WS_POPUP | WS_CAPTION | WS_SYSMENU);
        EXPECT_TRUE(GetWindowLongPtrA(FloatingWindow(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
        EXPECT_TRUE(IsWindowVisible(FloatingWindow()));
        EXPECT_TRUE(ButtonsInOneRow(Bar()));
        // No gripper or border when floating, and the bar fills the floating frame.
        EXPECT_TRUE(SameRect(NonClientInsets(BarWindow()), RECT{0, 0, 0, 0}));
        RECT inside = {};
        GetClientRect(FloatingWindow(), &inside);
        MapWindowPoints(FloatingWindow(), nullptr, reinterpret_cast<POINT*>(&inside), 2);
        EXPECT_TRUE(SameRect(WindowRectOf(BarWindow()), inside));
        // The frame takes the bar's strip back.
        EXPECT_TRUE(SameRect(m_frame->ViewOnScreen(), free)) << "view";
    }

    DockTestFrame* m_frame = nullptr;
};

TEST_F(ToolBarDocking, StartsDockedAtTheTopWithAGripper)
{
    Open();
    ExpectDockedOn(DockSide::Top, FreeWithoutBar());
    EXPECT_EQ(Bar().FloatingFrame(), nullptr);

    // Pressing the gripper without moving is no drag.
    const RECT before = WindowRectOf(BarWindow());
    const POINT gripper = {before.left + 3, (before.top + before.bottom) / 2};
    EXPECT_EQ(Drag(BarWindow(), WM_LBUTTONDOWN, MK_LBUTTON, gripper, gripper), BarWindow());
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(Bar().Side(), DockSide::Top);
    EXPECT_TRUE(SameRect(WindowRectOf(BarWindow()), before));

    // A button is no gripper: pressing it runs its command.
    RECT button = {};
    Bar().SendMessage(TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&button));
    const POINT centre = {(button.left + button.right) / 2, (button.top + button.bottom) / 2};
    Bar().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(centre.x, centre.y));
    Bar().SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(centre.x, centre.y));
    PumpMessages();
    EXPECT_EQ(m_frame->m_commands, std::vector<UINT>{Bar().ButtonIds()[0]});
    EXPECT_EQ(Bar().Side(), DockSide::Top);
}

TEST_F(ToolBarDocking, GripperDragDocksOnEachSide)
{
    Open();
    const RECT free = FreeWithoutBar();
    for (DockSide side : {DockSide::Left, DockSide::Bottom, DockSide::Right, DockSide::Top, DockSide::Right}) {
        EXPECT_EQ(DragGripperTo(DropPoint(side)), BarWindow()) << "the gripper took no capture";
        EXPECT_EQ(GetCapture(), nullptr);
        ExpectDockedOn(side, free);
    }
    EXPECT_EQ(Bar().FloatingFrame(), nullptr);

    // Hidden, it takes no strip; shown again, it is back on its side.
    EXPECT_TRUE(m_frame->RouteCommand(ID_VIEW_TOOLBAR));
    EXPECT_FALSE(m_frame->ToolbarItemChecked());
    EXPECT_FALSE(Bar().IsBarVisible());
    EXPECT_TRUE(SameRect(m_frame->ViewOnScreen(), free));
    EXPECT_TRUE(m_frame->RouteCommand(ID_VIEW_TOOLBAR));
    EXPECT_TRUE(m_frame->ToolbarItemChecked());
    ExpectDockedOn(DockSide::Right, free);
}

// Wine without a window manager waits about two seconds each time a shown
// floating frame goes away, so the floating cases share one frame.
TEST_F(ToolBarDocking, FloatingFrameHoldsTheBarUntilItDocksAgain)
{
    Open();
    const RECT free = FreeWithoutBar();
    const std::vector<UINT>& ids = Bar().ButtonIds();
    ASSERT_GE(ids.size(), 2u);
    ASSERT_NE(ids[1], 0u);

    const POINT drop = DropPoint(DockSide::Floating);
    DragGripperTo(drop);
    ExpectFloating(free);
    RECT floating = WindowRectOf(FloatingWindow());
    EXPECT_TRUE(PtInRect(&floating, drop)) << Text(floating) << " is not where the bar was dropped";
    CMiniDockFrameWnd* const floatingFrame = Bar().FloatingFrame();

    {
        SCOPED_TRACE("the floating bar reports to the frame");
        RECT button = {};
        Bar().SendMessage(TB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&button));
        const LPARAM centre = MAKELPARAM((button.left + button.right) / 2, (button.top + button.bottom) / 2);

        // The pointer over a button puts its prompt in the status bar.
        m_frame->SetMessageText(std::string());
        Bar().SendMessage(WM_MOUSEMOVE, 0, centre);
        PumpMessages();
        EXPECT_FALSE(StringPrompt(ids[1]).empty());
        EXPECT_EQ(m_frame->m_wndStatusBar.GetPaneText(0), StringPrompt(ids[1]));

        // A click runs the command through the frame's routing.
        Bar().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, centre);
        Bar().SendMessage(WM_LBUTTONUP, 0, centre);
        PumpMessages();
        EXPECT_EQ(m_frame->m_commands, std::vector<UINT>{ids[1]});

        // While the frame is disabled (a modal dialog, long work) the
        // floating bar, a window of its own, sends nothing.
        EnableWindow(m_frame->m_hWnd, FALSE);
        Bar().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, centre);
        Bar().SendMessage(WM_LBUTTONUP, 0, centre);
        PumpMessages();
        EnableWindow(m_frame->m_hWnd, TRUE);
        EXPECT_EQ(m_frame->m_commands, std::vector<UINT>{ids[1]});

        // The tool tip request goes to the bar's parent, and the frame answers it.
        char poison[] = "poison";
        NMTTDISPINFOA tip = {};
        tip.hdr.hwndFrom = reinterpret_cast<HWND>(Bar().SendMessage(TB_GETTOOLTIPS));
        tip.hdr.idFrom = ids[1];
        tip.hdr.code = TTN_GETDISPINFOA;
        tip.lpszText = poison;
        SendMessageA(GetParent(BarWindow()), WM_NOTIFY, ids[1], reinterpret_cast<LPARAM>(&tip));
        ASSERT_NE(tip.lpszText, nullptr);
        EXPECT_FALSE(LoadStringTail(ids[1]).empty());
        EXPECT_EQ(std::string(tip.lpszText), LoadStringTail(ids[1]));
    }
    {
        SCOPED_TRACE("dragged by its caption to the middle of the frame, it floats there");
        const RECT client = m_frame->ClientOnScreen();
        const POINT middle = {(client.left + client.right) / 2, (client.top + client.bottom) / 2};
        EXPECT_EQ(DragCaptionTo(middle), BarWindow());
        ExpectFloating(free);
        floating = WindowRectOf(FloatingWindow());
        EXPECT_TRUE(PtInRect(&floating, middle)) << Text(floating);
    }
    {
        SCOPED_TRACE("the close box hides it; View > Toolbar shows it again");
        EXPECT_TRUE(m_frame->ToolbarItemChecked());
        SendMessageA(FloatingWindow(), WM_SYSCOMMAND, SC_CLOSE, 0);
        PumpMessages();
        EXPECT_FALSE(IsWindowVisible(FloatingWindow()));
        EXPECT_FALSE(Bar().IsBarVisible());
        EXPECT_FALSE(m_frame->ToolbarItemChecked());
        EXPECT_TRUE(Bar().IsFloating());
        EXPECT_TRUE(SameRect(m_frame->ViewOnScreen(), free));
        EXPECT_TRUE(m_frame->RouteCommand(ID_VIEW_TOOLBAR));
        EXPECT_TRUE(m_frame->ToolbarItemChecked());
        ExpectFloating(free);
    }
    {
        SCOPED_TRACE("dragged by its caption near the right edge, it docks there");
        DragCaptionTo(DropPoint(DockSide::Right));
        ExpectDockedOn(DockSide::Right, free);
    }
    {
        SCOPED_TRACE("floated again, a double-click on the caption docks it where it was");
        DragGripperTo(drop);
        ExpectFloating(free);
        EXPECT_EQ(Bar().FloatingFrame(), floatingFrame);
        const POINT caption = CaptionPoint();
        SendMessageA(FloatingWindow(), WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(caption.x, caption.y));
        PumpMessages();
        ExpectDockedOn(DockSide::Right, free);
    }
}

TEST_F(ToolBarDocking, BarNeverDocksOnASideItDoesNotAllow)
{
    Open(CBRS_ALIGN_RIGHT | CBRS_ALIGN_BOTTOM);
    const RECT free = FreeWithoutBar();
    ExpectDockedOn(DockSide::Bottom, free);
    DragGripperTo(DropPoint(DockSide::Left));
    ExpectFloating(free);
    DragCaptionTo(DropPoint(DockSide::Top));
    ExpectFloating(free);
    Bar().DockAt(DockSide::Left);
    ExpectFloating(free);
    // A double-click docks where it was last: the bottom.
    const POINT caption = CaptionPoint();
    SendMessageA(FloatingWindow(), WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(caption.x, caption.y));
    ExpectDockedOn(DockSide::Bottom, free);
    Close();

    // Allowed nowhere, the bar floats from the start and stays floating.
    Open(0);
    ExpectFloating(free);
    SendMessageA(FloatingWindow(), WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(CaptionPoint().x, CaptionPoint().y));
    EXPECT_TRUE(Bar().IsFloating());
}

TEST_F(ToolBarDocking, DockControlBarUsesTheFirstSideTheBarAllows)
{
    Open(CBRS_ALIGN_RIGHT | CBRS_ALIGN_LEFT);
    ExpectDockedOn(DockSide::Left, FreeWithoutBar());
}

}  // namespace
