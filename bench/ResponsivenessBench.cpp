// Removes a tree through the program's own Delete command while a second
// process sends the main window a message every 20 ms, and prints the
// removal's seconds and the longest round trip the other process saw.
//   responsiveness_bench delete-pinged FOLDER   the program's Delete command, pinged
//   responsiveness_bench delete FOLDER          the same, not pinged
//   responsiveness_bench direct FOLDER          the same removal without window or dialog
//   responsiveness_bench ping WINDOW            the other process
#include "app/DeleteQuestion.h"
#include "app/DustrelApp.h"
#include "app/DustrelView.h"
#include "app/MainFrame.h"
#include "bench/BenchSupport.h"
#include "clean/DeletionEngine.h"
#include "res/resource.h"
#include "scan/FolderSize.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

Result FolderLine(const std::string& folder) { return {folder + "...", folder, true, FolderTreeBytes(folder)}; }

int Direct(const std::string& folder)
{
    const Result line = FolderLine(folder);
    const LARGE_INTEGER start = Now();
    const Removal removal = RemoveResult(line, RemovalMode::Delete);
    std::printf("%s %.3f\n", removal.outcome == Outcome::Removed ? "removed" : "left", Seconds(start));
    return 0;
}

int DeleteThroughProgram(const char* self, const std::string& folder, bool ping)
{
    CDustrelApp app;
    if (!app.InitInstance()) return 1;
    // The removal is timed, not the user's answer to the question before it.
    SetAsksBeforeDeleting(app, false);
    auto* frame = static_cast<CMainFrame*>(app.m_pMainWnd);
    auto* view = static_cast<CDustrelView*>(frame->GetActiveView());
    ResultSet results;
    results.Add(FolderLine(folder));
    view->m_Results.Show(results);
    view->m_ResultList.SetSel(0, true);
    Pinger pinger;
    if (ping && !pinger.Start(self, frame->m_hWnd)) return 1;

    const LARGE_INTEGER start = Now();
    SendMessageA(frame->m_hWnd, WM_COMMAND, MAKEWPARAM(ID_EDIT_DELETE, 0), 0);
    const double seconds = Seconds(start);

    const std::string pings = ping ? pinger.Stop() : "";
    const bool gone = GetFileAttributesA(folder.c_str()) == INVALID_FILE_ATTRIBUTES;
    std::printf("%s %.3f %s\n", gone ? "removed" : "left", seconds, pings.c_str());
    DestroyWindow(frame->m_hWnd);
    app.ExitInstance();
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "ping") == 0)
        return Ping(reinterpret_cast<HWND>(static_cast<UINT_PTR>(std::strtoull(argv[2], nullptr, 10))));
    if (argc == 3 && std::strcmp(argv[1], "direct") == 0) return Direct(argv[2]);
    if (argc == 3 && std::strcmp(argv[1], "delete") == 0) return DeleteThroughProgram(argv[0], argv[2], false);
    if (argc == 3 && std::strcmp(argv[1], "delete-pinged") == 0) return DeleteThroughProgram(argv[0], argv[2], true);
    std::fprintf(stderr, "usage: responsiveness_bench delete|delete-pinged|direct FOLDER | "
                         "responsiveness_bench ping WINDOW\n");
    return 2;
}
