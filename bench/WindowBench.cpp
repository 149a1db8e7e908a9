// Times the program's own commands on long lists, as a user gives them: the
// command goes to the main window and the clock stops when it has returned
// and the window has painted. A second process sends the window WM_NULL
// every 20 ms meanwhile; each mode ends with the longest round trip it saw.
//   window_bench listing CONSOLE       start-up, F5, and CONSOLE /standard /preview
//   window_bench selection             Select All, Unselect All and clicks on the start-up listing
//   window_bench delete FOLDER COPY    Delete of all of FOLDER's *.log lines, the list's own work
//                                      after the removal, and COPY's removed without window
//   window_bench ping WINDOW           the other process
#include "app/DeleteQuestion.h"
#include "app/DustrelApp.h"
#include "app/DustrelView.h"
#include "app/MainFrame.h"
#include "bench/BenchSupport.h"
#include "clean/DeletionEngine.h"
#include "res/resource.h"
#include "scan/Walkers.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// The program in this process, as the user starts it.
class Program {
public:
    bool Start()
    {
        const LARGE_INTEGER start = Now();
        m_started = m_app.InitInstance();
        // The commands are timed, not the user's answer to the question before Delete.
        if (m_started) SetAsksBeforeDeleting(m_app, false);
        Settle();
        m_startSeconds = Seconds(start);
        return m_started;
    }
    ~Program()
    {
        if (m_app.m_pMainWnd) DestroyWindow(m_app.m_pMainWnd->m_hWnd);
        if (m_started) m_app.ExitInstance();
    }
    HWND Frame() const { return m_app.m_pMainWnd->m_hWnd; }
    CDustrelView& View() const
    {
        return *static_cast<CDustrelView*>(static_cast<CMainFrame*>(m_app.m_pMainWnd)->GetActiveView());
    }
    HWND List() const { return View().m_ResultList.m_hWnd; }
    double StartSeconds() const { return m_startSeconds; }

    // Seconds until a command returns and the window has painted.
    double Command(UINT id) const
    {
        const LARGE_INTEGER start = Now();
        SendMessageA(Frame(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
        Settle();
        return Seconds(start);
    }
    // Seconds until a click on a line, with the given keys held, is taken
    // and painted.
    double Click(int line, WPARAM keys) const
    {
        RECT rect = {};
        SendMessageA(List(), LB_GETITEMRECT, line, reinterpret_cast<LPARAM>(&rect));
        const LPARAM at = MAKELPARAM(rect.left + 5, (rect.top + rect.bottom) / 2);
        const LARGE_INTEGER start = Now();
        SendMessageA(List(), WM_LBUTTONDOWN, MK_LBUTTON | keys, at);
        SendMessageA(List(), WM_LBUTTONUP, keys, at);
        Settle();
        return Seconds(start);
    }
    int Lines() const { return static_cast<int>(SendMessageA(List(), LB_GETCOUNT, 0, 0)); }
    int Selected() const { return static_cast<int>(SendMessageA(List(), LB_GETSELCOUNT, 0, 0)); }

private:
    // Whatever waits is handled and every window painted.
    void Settle() const
    {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (m_app.m_pMainWnd)
            RedrawWindow(Frame(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    }

    mutable CDustrelApp m_app;
    bool m_started = false;
    double m_startSeconds = 0;
};

// The console program's listing of the same lines, its start included.
double ConsoleListing(const char* console)
{
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE nul = CreateFileA("NUL", GENERIC_WRITE, FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = nul;
    startup.hStdError = nul;
    PROCESS_INFORMATION process = {};
    std::string command = std::string("\"") + console + "\" /standard /preview";
    const LARGE_INTEGER start = Now();
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process))
        return -1;
    WaitForSingleObject(process.hProcess, INFINITE);
    const double seconds = Seconds(start);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    CloseHandle(nul);
    return seconds;
}

// "lines start-up F5 console pings longest-ms"
int TimeListing(const char* self, const char* console)
{
    Program program;
    if (!program.Start()) return 1;
    Pinger pinger;
    if (!pinger.Start(self, program.Frame())) return 1;
    const double refresh = program.Command(ID_VIEW_REFRESH);
    const std::string pings = pinger.Stop();
    const double listing = ConsoleListing(console);
    std::printf("%d %.3f %.3f %.3f %s\n", program.Lines(), program.StartSeconds(), refresh, listing, pings.c_str());
    return 0;
}

// "lines select-all unselect-all click ctrl-click shift-click selected pings longest-ms", times in ms
int Selection(const char* self)
{
    Program program;
    if (!program.Start()) return 1;
    Pinger pinger;
    if (!pinger.Start(self, program.Frame())) return 1;
    const double all = program.Command(ID_EDIT_SELECT_ALL);
    const bool allSelected = program.Selected() == program.Lines();
    const double none = program.Command(ID_EDIT_UNSELECT_ALL);
    const bool noneSelected = program.Selected() == 0;
    const double click = program.Click(2, 0);
    const double controlClick = program.Click(4, MK_CONTROL);
    const double shiftClick = program.Click(8, MK_SHIFT);
    const int selected = program.Selected();
    const std::string pings = pinger.Stop();
    if (!allSelected || !noneSelected) std::fprintf(stderr, "Select All or Unselect All missed lines\n");
    std::printf("%d %.1f %.1f %.1f %.1f %.1f %d %s\n", program.Lines(), all * 1000, none * 1000, click * 1000,
                controlClick * 1000, shiftClick * 1000, selected, pings.c_str());
    return 0;
}

ResultSet LogLines(const std::string& folder, LCID locale)
{
    ResultSet results(locale);
    AddMatches(results, folder, "*.log");
    return results;
}

// Notes when the list box is first told to take a line out: there the
// removal has ended and the list's own work begins.
WNDPROC g_listProcedure = nullptr;
LARGE_INTEGER g_firstLineOut = {};
LRESULT CALLBACK WatchLineOut(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == LB_DELETESTRING && g_firstLineOut.QuadPart == 0) g_firstLineOut = Now();
    return CallWindowProcA(g_listProcedure, window, message, wParam, lParam);
}

// "lines seconds list-work-seconds direct-seconds lines-left pings longest-ms"
int Delete(const char* self, const std::string& folder, const std::string& copy)
{
    Program program;
    if (!program.Start()) return 1;
    const LCID locale = program.View().m_Results.Locale();
    const ResultSet lines = LogLines(folder, locale);
    program.View().m_Results.Show(lines);
    program.Command(ID_EDIT_SELECT_ALL);
    g_listProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(program.List(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WatchLineOut)));
    Pinger pinger;
    if (!pinger.Start(self, program.Frame())) return 1;
    const double seconds = program.Command(ID_EDIT_DELETE);
    const double listWork = g_firstLineOut.QuadPart != 0 ? Seconds(g_firstLineOut) : 0;
    const std::string pings = pinger.Stop();
    SetWindowLongPtrA(program.List(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_listProcedure));

    // In the order the command takes them: from the last line to the first.
    const ResultSet copyLines = LogLines(copy, locale);
    const std::vector<Result> items(copyLines.Items().rbegin(), copyLines.Items().rend());
    const LARGE_INTEGER start = Now();
    RemoveResults(items, RemovalMode::Delete, Prompting::Allowed);
    const double direct = Seconds(start);
    std::printf("%zu %.3f %.3f %.3f %d %s\n", lines.Size(), seconds, listWork, direct, program.Lines(), pings.c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "ping") == 0)
        return Ping(reinterpret_cast<HWND>(static_cast<UINT_PTR>(std::strtoull(argv[2], nullptr, 10))));
    if (argc == 3 && std::strcmp(argv[1], "listing") == 0) return TimeListing(argv[0], argv[2]);
    if (argc == 2 && std::strcmp(argv[1], "selection") == 0) return Selection(argv[0]);
    if (argc == 4 && std::strcmp(argv[1], "delete") == 0) return Delete(argv[0], argv[2], argv[3]);
    std::fprintf(stderr, "usage: window_bench listing CONSOLE | selection | delete FOLDER COPY | ping WINDOW\n");
    return 2;
}
