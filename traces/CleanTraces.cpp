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
// False when a key that is there stays.
template <size_t N>
bool DeleteKeys(const char* const (&keys)[N])
{
    bool all = true;
    for (const char* key : keys) {
        const LSTATUS status = RegDeleteTreeA(HKEY_CURRENT_USER, key);
        if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) all = false;
    }
    return all;
}

// Whether a purged folder holds nothing but what it keeps on purpose.
bool HoldsOnlyDesktopIni(const std::string& folder)
{
    WIN32_FIND_DATAA entry = {};
    HANDLE search = FindFirstFileA(JoinPath(folder, "*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return true;
    bool empty = true;
    do {
        if (!IsDotName(entry.cFileName) && lstrcmpiA(entry.cFileName, "desktop.ini") != 0) empty = false;
    } while (empty && FindNextFileA(search, &entry));
    FindClose(search);
    return empty;
}

// The history folders and the Recent folder keep "desktop.ini", which makes
// them show as what they are, and lose the content of their index files.
// A folder that is not there holds no traces.
bool PurgeTraceFolder(const std::string& folder)
{
    if (folder.empty() || GetFileAttributesA(folder.c_str()) == INVALID_FILE_ATTRIBUTES) return true;
    return PurgeFolder(folder, false, true) && HoldsOnlyDesktopIni(folder);
}

// A history object that cannot clear itself (Wine's) keeps no history of
// its own beyond the folders purged next.
bool ClearUrlHistory()
{
    IUrlHistoryStg2* history = nullptr;
    if (FAILED(CoCreateInstance(CLSID_CUrlHistory, nullptr, CLSCTX_INPROC_SERVER, IID_IUrlHistoryStg2,
                                reinterpret_cast<void**>(&history))) ||
        history == nullptr)
        return false;
    const HRESULT cleared = history->ClearHistory();
    history->Release();
    return SUCCEEDED(cleared) || cleared == E_NOTIMPL;
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

TraceReport CleanTraces(const TraceSelection& selection) { return CleanTraces(selection, ReadTraceFolders()); }

TraceReport CleanTraces(const TraceSelection& selection, const TraceFolders& folders)
{
    TraceReport report;
    const auto note = [&report](TraceKind kind, bool done) {
        if (!done) report.SetFailed(kind);
    };
    if (selection.Has(TraceKind::UrlHistory)) {
        const bool cleared = ClearUrlHistory();
        const bool legacy = PurgeTraceFolder(folders.LegacyHistory);
        note(TraceKind::UrlHistory, cleared & legacy & PurgeTraceFolder(folders.UserHistory));
    }
    if (selection.Has(TraceKind::AutoCompletePasswords))
        note(TraceKind::AutoCompletePasswords, DeleteKeys(AutoCompletePasswordKeys));
    if (selection.Has(TraceKind::RunHistory)) note(TraceKind::RunHistory, DeleteKeys(RunHistoryKeys));
    if (selection.Has(TraceKind::FindHistory)) note(TraceKind::FindHistory, DeleteKeys(FindHistoryKeys));
    if (selection.Has(TraceKind::TypedUrl)) note(TraceKind::TypedUrl, DeleteKeys(TypedUrlKeys));
    if (selection.Has(TraceKind::RecentDocuments)) {
        const bool purged = PurgeTraceFolder(folders.Recent);
        note(TraceKind::RecentDocuments, purged & DeleteKeys(RecentDocumentKeys));
    }
    return report;
}
