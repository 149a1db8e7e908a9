// Reads what the running program shows, from outside it, as a user would
// see it: the title, the list's lines and selection, the status text, and
// whether the toolbar and status bar are shown. Prints one fact a line.
#include "framework/FrameworkIds.h"
#include "res/resource.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

HWND g_frame = nullptr;

BOOL CALLBACK FindFrame(HWND window, LPARAM)
{
    char title[256] = "";
    GetWindowTextA(window, title, sizeof title);
    if (IsWindowVisible(window) && std::string(title).find("Dustrel .NET") != std::string::npos) {
        g_frame = window;
        return FALSE;
    }
    return TRUE;
}

std::string Text(HWND window)
{
    char text[1024] = "";
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000,
                        nullptr);
    return text;
}

}  // namespace

int main()
{
    EnumWindows(FindFrame, 0);
    if (g_frame == nullptr) {
        std::printf("window: none\n");
        return 1;
    }
    HWND view = GetDlgItem(g_frame, AFX_IDW_PANE_FIRST);
    HWND list = GetDlgItem(view, IDC_RESULT_LIST);
    HWND toolbar = GetDlgItem(g_frame, AFX_IDW_TOOLBAR);
    HWND statusBar = GetDlgItem(g_frame, AFX_IDW_STATUS_BAR);
    std::printf("title: %s\n", Text(g_frame).c_str());
    std::printf("status: %s\n", Text(statusBar).c_str());
    std::printf("toolbar: %s\n", toolbar && IsWindowVisible(toolbar) ? "shown" : "hidden");
    std::printf("statusbar: %s\n", statusBar && IsWindowVisible(statusBar) ? "shown" : "hidden");
    const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    std::printf("lines: %d\n", count);
    std::printf("selected: %d\n", static_cast<int>(SendMessageA(list, LB_GETSELCOUNT, 0, 0)));
    for (int index = 0; index < count; ++index) {
        // Asked for in wide characters: the narrow form does not cross
        // between processes intact under Wine.
        wchar_t wide[1024] = L"";
        if (SendMessageW(list, LB_GETTEXTLEN, index, 0) < 1024)
            SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(wide));
        char line[4096] = "";
        WideCharToMultiByte(CP_ACP, 0, wide, -1, line, sizeof line, nullptr, nullptr);
        std::printf("line: %s\n", line);
    }
    return 0;
}
