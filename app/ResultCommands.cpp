#include "app/ResultCommands.h"

#include "app/IETDlg.h"
#include "app/StatusLine.h"
#include "clean/CookiesKiller.h"
#include "clean/DeletionEngine.h"
#include "clean/TemporaryFilesCleaner.h"
#include "framework/Strings.h"
#include "res/resource.h"
#include "scan/StandardScan.h"

namespace {

void SetTitle(HWND frame, const std::string& name)
{
    SetWindowTextA(frame, (name + " - " + LoadResourceString(AFX_IDS_APP_TITLE)).c_str());
}

void RemoveSelected(ResultListView& view, HWND frame, RemovalMode mode)
{
    BeginWait(frame);
    std::uint64_t bytes = 0;
    const std::vector<int> selected = view.SelectedIndices();
    for (auto index = selected.rbegin(); index != selected.rend(); ++index) {
        const Removal removal = RemoveResult(view.ResultAt(*index), mode);
        bytes += removal.bytes;
        if (LeavesList(removal)) view.List().DeleteString(*index);
    }
    UpdateStatus(view, frame);
    SetSizePane(frame, ByteCountText(mode == RemovalMode::Delete ? IDS_FREED_BYTES : IDS_RECYCLED_BYTES, bytes));
}

}  // namespace

void RunStandardScan(ResultListView& view, HWND frame, const StartupFolders& folders)
{
    SetWindowTextA(frame, LoadResourceString(IDR_MAINFRAME).c_str());
    g_bCookiesEnabled = true;
    view.Clear();
    BeginWait(frame);
    ResultSet results(view.Locale());
    StandardScan(results, folders);
    view.Show(results);
    UpdateStatus(view, frame);
}

void RunCookiesKiller(ResultListView& view, HWND frame, const StartupFolders& folders)
{
    SetTitle(frame, LoadResourceString(ID_OPTIONS_COOKIES));
    view.Clear();
    ResultSet results(view.Locale());
    ListCookies(results, folders);
    view.Show(results);
    if (results.Size() == 0) g_bCookiesEnabled = false;
    UpdateStatus(view, frame);
}

void RunTemporaryFilesCleaner(ResultListView& view, HWND frame, const StartupFolders& folders)
{
    view.Clear();
    SetTitle(frame, LoadStringTail(ID_OPTIONS_IETEMP));
    ResultSet results(view.Locale());
    ListTemporaryFiles(results, folders);
    view.Show(results);

    // The dialog belongs to the view that holds the list.
    CIETDlg dialog(GetParent(view.List().m_hWnd));
    dialog.DoModal();
}

void DeleteSelected(ResultListView& view, HWND frame) { RemoveSelected(view, frame, RemovalMode::Delete); }

void RecycleSelected(ResultListView& view, HWND frame) { RemoveSelected(view, frame, RemovalMode::Recycle); }
