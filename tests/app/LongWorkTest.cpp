#include "app/BackgroundWork.h"

#include "app/DeleteQuestion.h"
#include "app/StatusLine.h"
#include "res/resource.h"
#include "tests/app/RunningApp.h"
#include "tests/support/TestFolder.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

const char DeleteProgressTitle[] = "Permanently Delete - Dustrel .NET";

// A tree large enough that its removal outlasts the progress dialog's delay,
// listed as the one line of the running program, selected.
struct LongWorkTest : ::testing::Test {
    RunningApp app;
    TestFolder folder;
    std::string tree;
    // Small folders: Wine looks a new name up in its whole folder.
    static constexpr int Files = 16000;
    static constexpr int FilesAFolder = 100;

    // Deletes without the question: the removal is what is under test.
    void SetUp() override
    {
        SetAsksBeforeDeleting(app.App(), false);
        tree = folder.MakeFolder("cache");
        for (int part = 0; part < Files / FilesAFolder; ++part) {
            const std::string partFolder = folder.MakeFolder("cache\\part" + std::to_string(part));
            for (int file = 0; file < FilesAFolder; ++file) WriteFile(partFolder + "\\f" + std::to_string(file) + ".tmp");
        }
        ResultSet results;
        results.Add(Result{tree + "...", tree, true, 4u * Files});  // four bytes a test file
        app.View().m_Results.Show(results);
        app.List().SetSel(0, true);
    }
    void TearDown() override { SetAsksBeforeDeleting(app.App(), true); }
    int FilesLeft() const
    {
        int left = 0;
        for (int part = 0; part < Files / FilesAFolder; ++part) {
            WIN32_FIND_DATAA entry;
            HANDLE search = FindFirstFileA((tree + "\\part" + std::to_string(part) + "\\*.tmp").c_str(), &entry);
            if (search == INVALID_HANDLE_VALUE) continue;
            do ++left;
            while (FindNextFileA(search, &entry));
            FindClose(search);
        }
        return left;
    }
};

// Runs `act` once, from the command's own wait: when the progress dialog
// shows, or with `anyTime`, as soon as the work runs.
struct WhileWorkRuns {
    static std::function<void(HWND)> act;
    static bool anyTime;
    static bool acted;
    UINT_PTR timer;

    explicit WhileWorkRuns(std::function<void(HWND)> action, bool atOnce = false)
    {
        act = std::move(action);
        anyTime = atOnce;
        acted = false;
        timer = SetTimer(nullptr, 0, 20, Tick);
    }
    ~WhileWorkRuns() { KillTimer(nullptr, timer); }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        HWND dialog = FindWindowA(nullptr, DeleteProgressTitle);
        const bool shown = dialog != nullptr && IsWindowVisible(dialog);
        if (acted || !BackgroundWork::Running() || !(shown || anyTime)) return;
        acted = true;
        act(dialog);
    }
};
std::function<void(HWND)> WhileWorkRuns::act;
bool WhileWorkRuns::anyTime = false;
bool WhileWorkRuns::acted = false;

HWND CancelButton(HWND dialog)
{
    HWND button = nullptr;
    EnumChildWindows(
        dialog,
        [](HWND child, LPARAM found) {
            char text[32] = "";
            GetWindowTextA(child, text, sizeof text);
            if (std::string(text) != "Cancel") return TRUE;
            *reinterpret_cast<HWND*>(found) = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&button));
    return button;
}

// Cancel stops the removal after its current item; the line stays for what
// is left. Closing the window then stops the next removal and closes once it has.
TEST_F(LongWorkTest, CancelOrClosingStopsARemovalAndKeepsTheLineForWhatIsLeft)
{
    bool frameTookInput = true;
    bool pinged = false;
    {
        WhileWorkRuns cancel([&](HWND dialog) {
            frameTookInput = IsWindowEnabled(app.Frame().m_hWnd) != FALSE;
            DWORD_PTR answer = 0;
            pinged = SendMessageTimeoutA(app.Frame().m_hWnd, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 100, &answer) != 0;
            SendMessageA(CancelButton(dialog), BM_CLICK, 0, 0);
        });
        EXPECT_TRUE(app.PressKey(VK_DELETE, false, true));
    }

    ASSERT_TRUE(WhileWorkRuns::acted) << "no progress dialog titled " << DeleteProgressTitle;
    EXPECT_FALSE(frameTookInput) << "the main window takes no input while the work runs";
    EXPECT_TRUE(pinged) << "the main window answers while the work runs";
    const int left = FilesLeft();
    EXPECT_GT(left, 0);
    EXPECT_LT(left, Files);
    EXPECT_EQ(app.List().GetCount(), 1);
    EXPECT_TRUE(app.List().GetSel(0)) << "the line stays, selected";
    EXPECT_EQ(app.View().m_Results.SelectedBytes(), 4u * left) << "and stands for what is left";
    EXPECT_EQ(app.Frame().m_wndStatusBar.GetPaneText(1), ByteCountText(IDS_FREED_BYTES, 4u * (Files - left)));
    EXPECT_FALSE(BackgroundWork::Running());

    {
        WhileWorkRuns close([&](HWND) { PostMessageA(app.Frame().m_hWnd, WM_CLOSE, 0, 0); }, true);
        app.PressKey(VK_DELETE, false, true);
        Pump();
        ASSERT_TRUE(WhileWorkRuns::acted);
    }
    EXPECT_EQ(app.App().m_pMainWnd, nullptr) << "the window closed";
    EXPECT_GT(FilesLeft(), 0) << "the work stopped rather than ran to its end";
    EXPECT_TRUE(Exists(tree));
}

}  // namespace
