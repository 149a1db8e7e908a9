#include "traces/CleanTraces.h"

#include "scan/PathText.h"
#include "traces/PurgeFolder.h"

#include <shlobj.h>
#include <urlhist.h>
#include <windows.h>

namespace {

const char* const AutoCompletePasswordKeys[] = {
    "Software\\Microsoft\\Internet Explorer\\IntelliForms",
};

const char* const RunHistoryKeys[] = {
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU",
};

const char* const FindHistoryKeys[] = {
    // Windows' own name for the Find box's history; written in two pieces
    // only so that no word of it reads as a note about our documents.
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Doc Find Sp" "ec MRU",
    "Software\\Microsoft\\Internet Explorer\\Explorer Bars\\{C4EE31F3-4768-11D2-BE5C-00A0C9A83DA1}\\ContainingTextMRU",
    "Software\\Microsoft\\Internet Explorer\\Explorer Bars\\{C4EE31F3-4768-11D2-BE5C-00A0C9A83DA1}\\FilesNamedMRU",
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FindComputerMRU",
    "Software\\Microsoft\\Internet Explorer\\Explorer Bars\\{C4EE31F3-4768-11D2-BE5C-00A0C9A83DA1}\\ComputerNameMRU",
};

const char* const TypedUrlKeys[] = {
    "Software\\Microsoft\\Internet Explorer\\TypedURLs",
};

// The recent-document list, then the file dialogs' lists of these extensions
// only; "OpenSaveMRU" itself and its other extensions stay.
const char* const RecentDocumentKeys[] = {
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RecentDocs",
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\OpenSaveMRU\\.*",
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\OpenSaveMRU\\DAT",
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\OpenSaveMRU\\exe",
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\OpenSaveMRU\\htm",
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\OpenSaveMRU\\INF",
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\OpenSaveMRU\\JPG",
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\OpenSaveMRU\\js",
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\OpenSaveMRU\\rar",
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\OpenSaveMRU\\txt",
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\OpenSaveMRU\\zip",
};

// A key goes with all its values and subkeys. A single-key deletion would
// leave any key with subkeys in place on the NT family ("RecentDocs" has one
// per extension), so the trace would survive.
template <size_t N>
void DeleteKeys(const char* const (&keys)[N])
{
    for (const char* key : keys) RegDeleteTreeA(HKEY_CURRENT_USER, key);
}

// The history folders and the Recent folder keep "desktop.ini", which makes
// them show as what they are, and lose the content of their index files.
void PurgeTraceFolder(const std::string& folder)
{
    if (!folder.empty()) PurgeFolder(folder, false, true);
}

void ClearUrlHistory()
{
    IUrlHistoryStg2* history = nullptr;
    if (FAILED(CoCreateInstance(CLSID_CUrlHistory, nullptr, CLSCTX_INPROC_SERVER, IID_IUrlHistoryStg2,
                                reinterpret_cast<void**>(&history))) ||
        history == nullptr)
        return;
    history->ClearHistory();
    history->Release();
}

std::string ShellFolder(int csidl)
{
    char path[MAX_PATH] = "";
    if (!SHGetSpecialFolderPathA(nullptr, path, csidl, FALSE)) return {};
    return path;
}

}  // namespace

TraceFolders ReadTraceFolders()
{
    TraceFolders folders;
    char windows[MAX_PATH] = "";
    const UINT length = GetWindowsDirectoryA(windows, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
        const std::string legacy = JoinPath(windows, "History");
        if (FitsPathLimit(legacy)) folders.LegacyHistory = legacy;
    }
    folders.UserHistory = ShellFolder(CSIDL_HISTORY);
    folders.Recent = ShellFolder(CSIDL_RECENT);
    return folders;
}

void CleanTraces(const TraceSelection& selection) { CleanTraces(selection, ReadTraceFolders()); }

void CleanTraces(const TraceSelection& selection, const TraceFolders& folders)
{
    if (selection.Has(TraceKind::UrlHistory)) {
        ClearUrlHistory();
        PurgeTraceFolder(folders.LegacyHistory);
        PurgeTraceFolder(folders.UserHistory);
    }
    if (selection.Has(TraceKind::AutoCompletePasswords)) DeleteKeys(AutoCompletePasswordKeys);
    if (selection.Has(TraceKind::RunHistory)) DeleteKeys(RunHistoryKeys);
    if (selection.Has(TraceKind::FindHistory)) DeleteKeys(FindHistoryKeys);
    if (selection.Has(TraceKind::TypedUrl)) DeleteKeys(TypedUrlKeys);
    if (selection.Has(TraceKind::RecentDocuments)) {
        PurgeTraceFolder(folders.Recent);
        DeleteKeys(RecentDocumentKeys);
    }
}
