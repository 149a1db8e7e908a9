#include "app/WindowPlacement.h"
#include "tests/app/RunningApp.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

void ExpectPlacedAt(const RunningApp& app, int left, int top, int width, int height)
{
    const RECT rect = WindowRect(app.Frame().m_hWnd);
    EXPECT_EQ(rect.left, left);
    EXPECT_EQ(rect.top, top);
    EXPECT_EQ(rect.right - rect.left, width);
    EXPECT_EQ(rect.bottom - rect.top, height);
}

void SavePlacement(int left, int top, int width, int height)
{
    SavePlacementValue("Left", REG_DWORD, &left, 4);
    SavePlacementValue("Top", REG_DWORD, &top, 4);
    SavePlacementValue("Width", REG_DWORD, &width, 4);
    SavePlacementValue("Height", REG_DWORD, &height, 4);
}

struct PlacementTest : ::testing::Test {
    void SetUp() override { ForgetPlacement(); }
    void TearDown() override { ForgetPlacement(); }
};

TEST_F(PlacementTest, TheFirstStartUsesTheDefaults)
{
    RunningApp app;
    ExpectPlacedAt(app, 191, 99, 584, 456);
}

TEST_F(PlacementTest, ARecordWithoutSizeOrSavedMinimisedGivesTheDefaults)
{
    struct {
        int left, top, width, height;
    } rejected[] = {{100, 50, 0, 400}, {100, 50, 600, 0}, {-32000, -32000, 160, 30}, {100, 50, -5, 400}};
    for (const auto& saved : rejected) {
        SavePlacement(saved.left, saved.top, saved.width, saved.height);
        RunningApp app;
        ExpectPlacedAt(app, 191, 99, 584, 456);
    }
}

TEST_F(PlacementTest, AnyOtherRecordIsUsedAsItIs)
{
    {
        SavePlacement(120, -32000, 500, 380);
        RunningApp app;
        ExpectPlacedAt(app, 120, -32000, 500, 380);
    }
    {
        SavePlacement(5000, 4000, 640, 480);
        RunningApp app;
        ExpectPlacedAt(app, 5000, 4000, 640, 480);
    }
}

TEST_F(PlacementTest, ValuesAreFourLittleEndianBytesWhateverTheirType)
{
    const BYTE width[4] = {0x58, 0x02, 0, 0};  // 600 as raw bytes
    const BYTE height[4] = {0x90, 0x01, 0, 0};  // 400, though the type says big-endian
    const unsigned long long wide = 300;  // eight bytes: not a number of this record
    const int left = 100, top = 50;
    SavePlacementValue("Left", REG_DWORD, &left, 4);
    SavePlacementValue("Top", REG_DWORD, &top, 4);
    SavePlacementValue("Width", REG_BINARY, width, 4);
    SavePlacementValue("Height", REG_DWORD_BIG_ENDIAN, height, 4);
    {
        RunningApp app;
        ExpectPlacedAt(app, 100, 50, 600, 400);
    }
    SavePlacementValue("Height", REG_QWORD, &wide, 8);
    {
        RunningApp app;
        ExpectPlacedAt(app, 191, 99, 584, 456);
    }
    SavePlacementValue("Height", REG_BINARY, width, 2);
    {
        RunningApp app;
        ExpectPlacedAt(app, 191, 99, 584, 456);
    }
}

TEST_F(PlacementTest, ClosingSavesTheWindowRectangle)
{
    {
        RunningApp app;
        SetWindowPos(app.Frame().m_hWnd, nullptr, 100, 50, 600, 400, SWP_NOZORDER);
        app.Close();
    }
    EXPECT_EQ(SavedPlacementValue("Left"), 100);
    EXPECT_EQ(SavedPlacementValue("Top"), 50);
    EXPECT_EQ(SavedPlacementValue("Width"), 600);
    EXPECT_EQ(SavedPlacementValue("Height"), 400);

    RunningApp again;
    ExpectPlacedAt(again, 100, 50, 600, 400);
}

// The main frame is made no larger than the given size, as a small screen's
// default frame is smaller than the main form; later sizes are free.
class FirstFrameSize {
public:
    explicit FirstFrameSize(SIZE size)
    {
        s_size = size;
        m_hook = SetWindowsHookExA(WH_CBT, Hook, nullptr, GetCurrentThreadId());
    }
    ~FirstFrameSize() { UnhookWindowsHookEx(m_hook); }
    FirstFrameSize(const FirstFrameSize&) = delete;
    FirstFrameSize& operator=(const FirstFrameSize&) = delete;

private:
    // Wine hands hooks copies of what messages point to: the limit is set
    // in the frame's own procedure.
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam)
    {
        HWND window = reinterpret_cast<HWND>(wParam);
        char name[32] = "";
        if (code == HCBT_CREATEWND && s_size.cx > 0 && GetClassNameA(window, name, sizeof name) > 0 &&
            lstrcmpA(name, "DustrelFrame") == 0)
            s_frameProc = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Limit)));
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static LRESULT CALLBACK Limit(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        const LRESULT result = CallWindowProcA(s_frameProc, window, message, wParam, lParam);
        if (message == WM_GETMINMAXINFO && s_size.cx > 0) {
            reinterpret_cast<MINMAXINFO*>(lParam)->ptMaxTrackSize = {s_size.cx, s_size.cy};
            s_size = {};
        }
        return result;
    }
    static SIZE s_size;
    static WNDPROC s_frameProc;
    HHOOK m_hook;
};
SIZE FirstFrameSize::s_size = {};
WNDPROC FirstFrameSize::s_frameProc = nullptr;

TEST_F(PlacementTest, TheListFillsTheViewThroughEveryResizeWhateverTheFirstSize)
{
    for (SIZE first : {SIZE{0, 0}, SIZE{400, 300}}) {
        std::unique_ptr<FirstFrameSize> small(first.cx > 0 ? new FirstFrameSize(first) : nullptr);
        RunningApp app;
        HWND frame = app.Frame().m_hWnd;
        HWND view = app.View().m_hWnd;
        RECT form = {0, 0, 320, 200};
        MapDialogRect(view, &form);
        for (SIZE size : {SIZE{584, 456}, SIZE{700, 520}, SIZE{300, 200}, SIZE{900, 700}, SIZE{584, 456}}) {
            SetWindowPos(frame, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
            Pump();
            const RECT viewRect = ClientRectOnScreen(view);
            const RECT listRect = WindowRect(app.List().m_hWnd);
            EXPECT_TRUE(EqualRect(&viewRect, &listRect)) << first.cx << " x " << first.cy << " first, now "
                                                         << size.cx << " x " << size.cy;
            EXPECT_EQ(GetWindowLongA(view, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL), 0) << "the view shows scroll bars";
        }
        if (first.cx > 0) {
            EXPECT_LT(first.cx, form.right) << "the first frame must be smaller than the form for this check";
        }
    }
}

}  // namespace
