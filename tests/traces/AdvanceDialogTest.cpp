#include "app/IETDlg.h"

#include "res/resource.h"
#include "tests/support/TestFrame.h"
#include "tests/traces/TraceKeys.h"
#include "tests/traces/TraceTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

const int BoxIds[] = {IDC_URL_HISTORY,  IDC_AUTOCOMPLETE_PASSWORDS, IDC_RUN_HISTORY,
                      IDC_FIND_HISTORY, IDC_TYPED_URL,              IDC_RECENT_DOCUMENTS};

// The dialog over a stand-in main window, as the temporary-files cleaner
// opens it: the form holding the list is its parent.
struct AdvanceDialogTest : ::testing::Test {
    TestFrame frame;
    CIETDlg dialog{GetParent(frame.List().m_hWnd)};

    // Runs the dialog with these steps and answers its result.
    INT_PTR Run(std::vector<IdleSteps::Step> steps)
    {
        const size_t count = steps.size();
        IdleSteps script(frame.Frame(), MSGF_DIALOGBOX, std::move(steps));
        const INT_PTR result = dialog.DoModal();
        EXPECT_EQ(script.StepsRun(), count) << "the dialog closed before its last step";
        return result;
    }
};

std::vector<bool> Checks(HWND dialog)
{
    std::vector<bool> checks;
    for (int id : BoxIds) checks.push_back(IsChecked(dialog, id));
    return checks;
}

const std::vector<bool> NoneChecked(6, false);
const std::vector<bool> AllChecked(6, true);

std::string TextOf(HWND window)
{
    char text[256] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// A control's place in the dialog's client area, in dialog units as the
// template gives them.
RECT Pixels(HWND dialog, int x, int y, int width, int height)
{
    RECT rect = {x, y, width, height};
    MapDialogRect(dialog, &rect);
    return {rect.left, rect.top, rect.left + rect.right, rect.top + rect.bottom};
}

RECT PlaceIn(HWND dialog, HWND control)
{
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// Left, top, right, bottom, for comparing and printing.
std::vector<LONG> Edges(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

TEST_F(AdvanceDialogTest, OpensAsTheTemplateLaysItOutWithNothingChecked)
{
    struct Control {
        int id;
        const char* text;
        LONG type;
        bool tabStop;
        bool enabled;
        RECT units;  // x, y, width, height
    };
    const Control controls[] = {
        {IDCLOSE, "&Close", BS_DEFPUSHBUTTON, true, true, {140, 92, 42, 14}},
        {IDC_CLEAN_SELECTED, "Clea&n Selected", BS_PUSHBUTTON, true, false, {74, 92, 55, 14}},
        {IDC_URL_HISTORY, "Ur&l History", BS_AUTOCHECKBOX, true, true, {15, 23, 51, 10}},
        {IDC_TRACE_GROUP, "Selection", BS_GROUPBOX, false, true, {7, 3, 177, 79}},
        {IDC_AUTOCOMPLETE_PASSWORDS, "AutoComplete &Passwords", BS_AUTOCHECKBOX, true, true, {85, 23, 95, 8}},
        {IDC_RUN_HISTORY, "&Run History", BS_AUTOCHECKBOX, true, true, {15, 43, 50, 8}},
        {IDC_FIND_HISTORY, "&Find History", BS_AUTOCHECKBOX, true, true, {85, 43, 89, 9}},
        {IDC_TYPED_URL, "&Typed URL", BS_AUTOCHECKBOX, true, true, {15, 63, 63, 12}},
        {IDC_RECENT_DOCUMENTS, "Recent &Documents", BS_AUTOCHECKBOX, true, true, {85, 63, 78, 11}},
    };
    const INT_PTR result = Run({[&](HWND box) {
        EXPECT_EQ(TextOf(box), "Advance - Dustrel .NET");
        const LONG style = GetWindowLongA(box, GWL_STYLE);
        EXPECT_EQ(style & (WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME),
                  WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME);
        EXPECT_EQ(GetWindow(box, GW_OWNER), frame.Frame());
        RECT client;
        GetClientRect(box, &client);
        EXPECT_EQ(Edges(client), Edges(Pixels(box, 0, 0, 193, 118)));

        // Tab order is template order.
        std::vector<int> order;
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            order.push_back(GetDlgCtrlID(child));
        EXPECT_THAT(order, ElementsAre(IDCLOSE, IDC_CLEAN_SELECTED, IDC_URL_HISTORY, IDC_TRACE_GROUP,
                                       IDC_AUTOCOMPLETE_PASSWORDS, IDC_RUN_HISTORY, IDC_FIND_HISTORY, IDC_TYPED_URL,
                                       IDC_RECENT_DOCUMENTS));
        for (const Control& c : controls) {
            SCOPED_TRACE(c.text);
            const HWND control = GetDlgItem(box, c.id);
            ASSERT_NE(control, nullptr);
            const LONG controlStyle = GetWindowLongA(control, GWL_STYLE);
            EXPECT_EQ(TextOf(control), c.text);
            EXPECT_EQ(controlStyle & BS_TYPEMASK, c.type);
            EXPECT_EQ((controlStyle & WS_TABSTOP) != 0, c.tabStop);
            EXPECT_EQ(IsWindowEnabled(control) != FALSE, c.enabled);
            EXPECT_EQ(Edges(PlaceIn(box, control)),
                      Edges(Pixels(box, c.units.left, c.units.top, c.units.right, c.units.bottom)));
        }
        EXPECT_EQ(LOWORD(SendMessageA(box, DM_GETDEFID, 0, 0)), IDCLOSE);
        EXPECT_EQ(Checks(box), NoneChecked);
        Click(box, IDCLOSE);
    }});
    EXPECT_EQ(result, IDOK);
}

TEST_F(AdvanceDialogTest, CleanSelectedIsEnabledWhileAnyBoxIsChecked)
{
    Run({[&](HWND box) {
        for (int id : BoxIds) {
            Click(box, id);
            EXPECT_TRUE(IsChecked(box, id)) << id;
            EXPECT_TRUE(IsEnabled(box, IDC_CLEAN_SELECTED)) << id;
            Click(box, id);
            EXPECT_FALSE(IsEnabled(box, IDC_CLEAN_SELECTED)) << id;
        }
        Click(box, IDC_URL_HISTORY);
        Click(box, IDC_RECENT_DOCUMENTS);
        Click(box, IDC_URL_HISTORY);
        EXPECT_TRUE(IsEnabled(box, IDC_CLEAN_SELECTED)) << "Recent Documents is still checked";
        Click(box, IDC_RECENT_DOCUMENTS);
        EXPECT_FALSE(IsEnabled(box, IDC_CLEAN_SELECTED));
        Click(box, IDCLOSE);
    }});
}

TEST_F(AdvanceDialogTest, EachBoxSelectsItsOwnKind)
{
    Run({[&](HWND box) {
        for (size_t kind = 0; kind < TraceKindCount; ++kind) {
            Click(box, BoxIds[kind]);
            const TraceSelection selection = dialog.Selection();
            for (size_t other = 0; other < TraceKindCount; ++other)
                EXPECT_EQ(selection.Has(static_cast<TraceKind>(other)), other == kind) << kind << " " << other;
            Click(box, BoxIds[kind]);
        }
        Click(box, IDCLOSE);
    }});
}

// Right clicks, on the background and on a box, and the keyboard's request
// bring up menu 132; its commands come back to the dialog.
TEST_F(AdvanceDialogTest, TheContextMenuChecksAndClearsEveryBox)
{
    RECT menuPlace = {};
    POINT clicked = {};
    // The drawn menu border sets every menu window one pixel higher than asked.
    const int raised = 1;
    // Chooses an item of the menu by its mnemonic, as a user would.
    auto choose = [&](char mnemonic) {
        return IdleSteps::Step([&menuPlace, mnemonic](HWND menu) {
            GetWindowRect(menu, &menuPlace);
            PostMessageA(menu, WM_CHAR, static_cast<WPARAM>(mnemonic), 0);
        });
    };
    Run({
        [&](HWND box) {
            Click(box, IDC_RUN_HISTORY);
            clicked = {20, 86};
            IdleSteps menu(box, MSGF_MENU, {choose('a')});
            SendMessageA(box, WM_RBUTTONUP, 0, MAKELPARAM(clicked.x, clicked.y));
            EXPECT_EQ(menu.StepsRun(), 1u) << "no menu came up";
            ClientToScreen(box, &clicked);
        },
        [&](HWND box) {
            EXPECT_EQ(menuPlace.left, clicked.x);
            EXPECT_EQ(menuPlace.top, clicked.y - raised);
            EXPECT_EQ(Checks(box), AllChecked);
            EXPECT_TRUE(IsEnabled(box, IDC_CLEAN_SELECTED));

            const HWND findBox = GetDlgItem(box, IDC_FIND_HISTORY);
            clicked = {3, 4};
            IdleSteps menu(box, MSGF_MENU, {choose('u')});
            SendMessageA(findBox, WM_RBUTTONUP, 0, MAKELPARAM(clicked.x, clicked.y));
            EXPECT_EQ(menu.StepsRun(), 1u) << "no menu came up";
            ClientToScreen(findBox, &clicked);
        },
        [&](HWND box) {
            EXPECT_EQ(menuPlace.left, clicked.x);
            EXPECT_EQ(menuPlace.top, clicked.y - raised);
            EXPECT_EQ(Checks(box), NoneChecked);
            EXPECT_FALSE(IsEnabled(box, IDC_CLEAN_SELECTED));

            // The keyboard's request has no point: the menu goes to the top-left corner.
            IdleSteps menu(box, MSGF_MENU, {choose('a')});
            SendMessageA(box, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(box), MAKELPARAM(-1, -1));
            EXPECT_EQ(menu.StepsRun(), 1u) << "no menu came up";
        },
        [&](HWND box) {
            EXPECT_EQ(menuPlace.left, 0);
            EXPECT_EQ(menuPlace.top, -raised);
            EXPECT_EQ(Checks(box), AllChecked);

            // Left without a choice, the menu changes nothing.
            IdleSteps menu(box, MSGF_MENU, {[](HWND) { EndMenu(); }});
            SendMessageA(box, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(box), MAKELPARAM(40, 40));
        },
        [&](HWND box) {
            EXPECT_EQ(Checks(box), AllChecked);
            Click(box, IDCLOSE);
        },
    });
}

TEST_F(AdvanceDialogTest, EnterPressesCloseAndEscapeCancels)
{
    TraceKeys keys;
    const std::vector<std::string> before = keys.Present();
    const INT_PTR entered = Run({[&](HWND box) {
        Click(box, IDC_TYPED_URL);
        ASSERT_EQ(GetFocus(), GetDlgItem(box, IDC_TYPED_URL));
        ASSERT_TRUE(IsEnabled(box, IDC_CLEAN_SELECTED));
        PostMessageA(GetFocus(), WM_KEYDOWN, VK_RETURN, 0);
    }});
    EXPECT_EQ(entered, IDOK);
    EXPECT_EQ(keys.Present(), before) << "Enter cleaned instead of closing";

    const INT_PTR escaped = Run({[&](HWND box) { PostMessageA(GetDlgItem(box, IDC_URL_HISTORY), WM_KEYDOWN, VK_ESCAPE, 0); }});
    EXPECT_EQ(escaped, IDCANCEL);
}

TEST_F(AdvanceDialogTest, CleanSelectedErasesTheCheckedKindsAndClearsTheBoxes)
{
    TraceKeys keys;
    const std::vector<std::string> before = keys.Present();
    std::vector<std::string> withoutTypedUrls;
    for (const std::string& key : before)
        if (key.find("\\TypedURLs") == std::string::npos) withoutTypedUrls.push_back(key);

    Run({
        [&](HWND box) {
            Click(box, IDC_TYPED_URL);
            // A message box would be a modal loop of its own, owned by the dialog.
            IdleSteps noMessageBox(box, MSGF_DIALOGBOX, {});
            Click(box, IDC_CLEAN_SELECTED);
            EXPECT_THAT(keys.Present(), ElementsAreArray(withoutTypedUrls));
            EXPECT_EQ(Checks(box), NoneChecked);
            EXPECT_FALSE(IsEnabled(box, IDC_CLEAN_SELECTED));
        },
        [&](HWND box) {
            EXPECT_TRUE(IsWindowVisible(box)) << "the dialog stays open after a cleaning";
            Click(box, IDCLOSE);
        },
    });

    // Opened again, it starts afresh.
    Run({[&](HWND box) {
        EXPECT_EQ(Checks(box), NoneChecked);
        EXPECT_FALSE(IsEnabled(box, IDC_CLEAN_SELECTED));
        Click(box, IDC_FIND_HISTORY);
        EXPECT_TRUE(dialog.Selection().Has(TraceKind::FindHistory)) << "the boxes of the new run are not bound";
        Click(box, IDCLOSE);
    }});
}

}  // namespace
