#include "clean/DeletionEngine.h"

#include "clean/RecycleBin.h"
#include "clean/RegistryRemoval.h"
#include "clean/SweepRemoval.h"
#include "scan/FolderSize.h"
#include "scan/ItemPlace.h"
#include "scan/PathText.h"

#include <atomic>
#include <cstring>
#include <mutex>
#include <system_error>
#include <thread>

namespace {

// A last name the system's path parsing would change (a trailing dot or
// space) would address another item; so would a path with wildcards, which
// is what a name outside the code page comes back as ("??????.log").
bool IsAddressablePath(const std::string& path)
{
    return !path.empty() && path.back() != '.' && path.back() != ' ' && !EndsWithSeparator(path) &&
           path.find_first_of("*?") == std::string::npos;
}

struct Split {
    std::string parent;
    std::string name;
};

Split SplitPath(const std::string& path)
{
    const size_t slash = LastSeparator(path);
    if (slash == std::string::npos) return {};
    // The parent of "C:\x" is "C:\", not "C:".
    return {path.substr(0, slash == 2 ? 3 : slash), path.substr(slash + 1)};
}

// The item a path names, found as the entry of its folder: a link is seen as
// itself, and nothing is found for a path with wildcards.
bool FindEntry(const std::string& path, WIN32_FIND_DATAA& entry)
{
    if (path.find_first_of("*?") != std::string::npos) return false;
    HANDLE search = FindFirstFileA(path.c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return true;
}

bool Exists(const std::string& path)
{
    WIN32_FIND_DATAA entry = {};
    return FindEntry(path, entry);
}

// Where the item a path names really lies, when it lies there itself: its
// resolved path, or empty when it is missing or reached through a link. The
// name compared is the one on disk, so a name from the catalogue in another
// letter case or in its short form still matches.
std::string ResolvedInPlace(const std::string& path, const WIN32_FIND_DATAA& entry)
{
    const Split split = SplitPath(path);
    if (split.name.empty()) return {};
    const std::string resolvedParent = ResolvedPath(split.parent);
    if (resolvedParent.empty() || !LiesWhereNamed(path, resolvedParent, entry.cFileName)) return {};
    return JoinPath(resolvedParent, entry.cFileName);
}

KeptReason ReasonOf(DWORD error)
{
    switch (error) {
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE:
        return KeptReason::InUse;
    case ERROR_ACCESS_DENIED:
        return KeptReason::AccessDenied;
    case ERROR_CANT_ACCESS_FILE:
        return KeptReason::Link;
    case ERROR_DIR_NOT_EMPTY:
        return KeptReason::PartlyRemoved;
    default:
        return KeptReason::NotRemoved;
    }
}

// What a tree's removal achieved so far.
struct Tally {
    WorkStatus* status = nullptr;  // told of the bytes freed; asks to stop
    std::uint64_t bytes = 0;       // of the files deleted
    bool anyLeft = false;          // something in it stayed

    void Freed(std::uint64_t freed)
    {
        bytes += freed;
        if (status != nullptr) status->AddBytes(freed);
    }
    bool StopRequested() const { return status != nullptr && status->StopRequested(); }
};

bool RemoveTreeAt(const std::string& folder, const std::string& resolvedFolder, DWORD attributes, Tally& tally);

// One entry of a folder being removed. Every check compares with where the
// folder was found to lie before, never with where it resolves now: a folder
// swapped for a link meanwhile has no child that passes.
void RemoveChild(const std::string& folder, const std::string& resolvedFolder, const WIN32_FIND_DATAA& entry,
                 Tally& tally)
{
    const char* name = entry.cFileName;
    if (IsDotName(name)) return;
    const std::string child = JoinPath(folder, name);
    if (!FitsPathLimit(child) || !IsAddressablePath(child)) {
        tally.anyLeft = true;
        return;
    }
    if (IsCloudPlaceholder(entry)) {
        tally.anyLeft = true;
        return;
    }
    const bool directory = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    const bool link = IsLink(entry);
    if (!directory || link) {
        // A link goes as itself, its own read-only bit cleared on the way;
        // what it points at is not ours, and counts nothing.
        const std::uint64_t bytes = link ? 0 : FreedBytes(child, entry);
        if (RemoveInPlace(child, resolvedFolder, name, entry.dwFileAttributes) != ERROR_SUCCESS) tally.anyLeft = true;
        else tally.Freed(bytes);
        return;
    }
    // Entering needs only what the place check needs, and the attribute
    // right where the read-only bit must go before the folder can.
    HANDLE item = OpenInPlace(child, ReadOnlyClearingAccess(entry.dwFileAttributes), resolvedFolder, name);
    if (item == INVALID_HANDLE_VALUE) {
        tally.anyLeft = true;
        return;
    }
    ClearReadOnly(item, entry.dwFileAttributes);
    CloseHandle(item);
    if (!RemoveTreeAt(child, JoinPath(resolvedFolder, name), entry.dwFileAttributes & ~FILE_ATTRIBUTE_READONLY, tally))
        tally.anyLeft = true;
}

// The entries of one folder's listing, handed to whichever worker asks next.
class Listing {
public:
    Listing(HANDLE search, const WIN32_FIND_DATAA& first) : m_search(search), m_first(first) {}

    bool Next(WIN32_FIND_DATAA& entry)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_firstTaken) return FindNextFileA(m_search, &entry) != FALSE;
        entry = m_first;
        m_firstTaken = true;
        return true;
    }

private:
    std::mutex m_mutex;
    HANDLE m_search;
    WIN32_FIND_DATAA m_first;
    bool m_firstTaken = false;
};

// Removing an item mostly waits on the file system, so a second worker on
// other items of the same tree nearly halves the time. One helper at a time,
// for as many workers as two cores keep busy: a folder that finds it free
// takes it, and it is free again as soon as it runs out of entries, for a
// folder deeper down that the other worker is still emptying.
std::atomic<bool> helperBusy{false};

// Takes entries until the listing runs out or the work is asked to stop;
// what a stop leaves stays listed, and the folder with it.
bool NextEntry(Listing& listing, WIN32_FIND_DATAA& entry, Tally& tally)
{
    if (tally.StopRequested()) {
        tally.anyLeft = true;
        return false;
    }
    return listing.Next(entry);
}

void RemoveEntriesOf(const std::string& folder, const std::string& resolvedFolder, Listing& listing, Tally& tally)
{
    WIN32_FIND_DATAA entry = {};
    while (NextEntry(listing, entry, tally)) RemoveChild(folder, resolvedFolder, entry, tally);
}

// A helper's thread, joined however its folder's removal ends.
struct Helper {
    std::thread thread;
    ~Helper()
    {
        if (thread.joinable()) thread.join();
    }
};

// A helper pays for its thread only in a folder with more than a few entries
// ("." and ".." among them): the first ones go before one is asked for.
constexpr int EntriesBeforeHelper = 4;

void RemoveListed(const std::string& folder, const std::string& resolvedFolder, Listing& listing, Tally& tally)
{
    WIN32_FIND_DATAA entry = {};
    for (int taken = 0; taken < EntriesBeforeHelper; ++taken) {
        if (!NextEntry(listing, entry, tally)) return;
        RemoveChild(folder, resolvedFolder, entry, tally);
    }
    Tally helped;
    helped.status = tally.status;  // safe to tell from two threads
    Helper helper;
    if (!helperBusy.exchange(true)) {
        try {
            helper.thread = std::thread([&] {
                try {
                    RemoveEntriesOf(folder, resolvedFolder, listing, helped);
                } catch (...) {
                    helped.anyLeft = true;  // the other worker takes the entries still listed
                }
                helperBusy = false;
            });
        } catch (const std::system_error&) {
            helperBusy = false;
        }
    }
    RemoveEntriesOf(folder, resolvedFolder, listing, tally);
    if (helper.thread.joinable()) helper.thread.join();
    tally.bytes += helped.bytes;
    tally.anyLeft = tally.anyLeft || helped.anyLeft;
}

// Empties a folder and removes it; whether it is gone.
bool RemoveTreeAt(const std::string& folder, const std::string& resolvedFolder, DWORD attributes, Tally& tally)
{
    const std::string pattern = JoinPath(folder, "*.*");
    if (!FitsPathLimit(pattern)) return false;
    WIN32_FIND_DATAA first = {};
    HANDLE search = FindFirstFileA(pattern.c_str(), &first);
    if (search == INVALID_HANDLE_VALUE) return false;
    if (tally.status != nullptr) tally.status->SetCurrent(folder);
    Listing listing(search, first);
    RemoveListed(folder, resolvedFolder, listing, tally);
    FindClose(search);

    // Through a handle to the folder that was checked, not by its path: the
    // path may name a link by now.
    const Split resolved = SplitPath(resolvedFolder);
    const DWORD error = RemoveInPlace(folder, resolved.parent, resolved.name.c_str(), attributes);
    SetLastError(error);
    return error == ERROR_SUCCESS;
}

Removal Kept(KeptReason reason, std::uint64_t bytes = 0) { return {Outcome::Kept, reason, bytes}; }

Removal RemoveTree(const std::string& folder, const std::string& resolved, DWORD attributes, WorkStatus* status)
{
    Tally tally;
    tally.status = status;
    if (RemoveTreeAt(folder, resolved, attributes, tally)) return {Outcome::Removed, KeptReason::None, tally.bytes};
    const DWORD error = GetLastError();
    if (tally.anyLeft || tally.bytes > 0) return Kept(KeptReason::PartlyRemoved, tally.bytes);
    return Kept(ReasonOf(error));
}

// The shell is given the path exactly as the item was checked: one the
// system would read as another (relative, with a stray part) is not given.
Removal Recycle(const Result& result, Prompting prompting, HWND owner)
{
    const DWORD length = GetFullPathNameA(result.path.c_str(), 0, nullptr, nullptr);
    std::string full(length, '\0');
    if (length == 0 || GetFullPathNameA(result.path.c_str(), length, &full[0], nullptr) != length - 1)
        return Kept(KeptReason::Unaddressable);
    full.resize(length - 1);
    if (full != result.path) return Kept(KeptReason::Unaddressable);
    const Recycling recycling = MoveToRecycleBin(result.path, prompting, owner);
    if (recycling.recycled) return {Outcome::Recycled, KeptReason::None, result.bytes};
    if (recycling.refused) return Kept(KeptReason::NoRecycleBin);
    return Kept(recycling.error == 0 ? KeptReason::NotRemoved : ReasonOf(recycling.error));
}

// What every item passes before anything is done to it: its entry and the
// place it really lies, or why it is kept. An item that is itself a link,
// or reached through one, is kept whole; so is a cloud file whose content
// is not here.
struct CheckedItem {
    WIN32_FIND_DATAA entry = {};
    std::string resolved;
    KeptReason reason = KeptReason::None;
};

CheckedItem CheckItem(const std::string& path)
{
    CheckedItem item;
    if (!FitsPathLimit(path)) item.reason = KeptReason::PathTooLong;
    else if (!IsAddressablePath(path)) item.reason = KeptReason::Unaddressable;
    else if (!FindEntry(path, item.entry)) item.reason = KeptReason::GoneBefore;
    else if (IsLink(item.entry)) item.reason = KeptReason::Link;
    else if (IsCloudPlaceholder(item.entry)) item.reason = KeptReason::NotRemoved;
    else if ((item.resolved = ResolvedInPlace(path, item.entry)).empty())
        item.reason = Exists(path) ? KeptReason::Link : KeptReason::GoneBefore;
    return item;
}

// A rule line's files under its root, once the root is found to be a folder
// that lies where its name says.
Removal RemoveSweep(const FileSweep& sweep, RemovalMode mode, Prompting prompting, WorkStatus* status, HWND owner)
{
    const CheckedItem root = CheckItem(sweep.root);
    if (root.reason != KeptReason::None) return Kept(root.reason);
    if ((root.entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) return Kept(KeptReason::NotRemoved);
    const std::string& resolved = root.resolved;

    SweepFileRemover remove;
    if (mode == RemovalMode::Delete)
        remove = [](const std::string& path, const std::string& resolvedFolder, const char* name, DWORD attributes) {
            return RemoveInPlace(path, resolvedFolder, name, attributes) == ERROR_SUCCESS;
        };
    else
        remove = [prompting, owner](const std::string& path, const std::string& resolvedFolder, const char* name,
                                    DWORD) {
            return LiesWhereNamed(path, resolvedFolder, name) && MoveToRecycleBin(path, prompting, owner).recycled;
        };
    const SweepTally tally = RemoveSweptFiles(sweep, resolved, remove, status);
    if (tally.anyLeft) return Kept(KeptReason::PartlyRemoved, tally.bytes);
    return {mode == RemovalMode::Delete ? Outcome::Removed : Outcome::Recycled, KeptReason::None, tally.bytes};
}

}  // namespace

const char* KeptReasonName(KeptReason reason)
{
    switch (reason) {
    case KeptReason::None: return "";
    case KeptReason::GoneBefore: return "gone before";
    case KeptReason::PathTooLong: return "path too long";
    case KeptReason::Unaddressable: return "cannot be addressed";
    case KeptReason::Link: return "link";
    case KeptReason::InUse: return "in use";
    case KeptReason::AccessDenied: return "access denied";
    case KeptReason::PartlyRemoved: return "partly removed";
    case KeptReason::NoRecycleBin: return "no recycle bin";
    case KeptReason::RegistryNotRecycled: return "registry, not for the recycle bin";
    case KeptReason::WarningNotAccepted: return "its rule warns";
    case KeptReason::NotRemoved: return "not removed";
    }
    return "";
}

// An item that is itself a link or junction is kept whole: removing it would
// free nothing of what the line stands for, and following it would reach
// what is not ours. Only items that lie where their names say are touched.
Removal RemoveResult(const Result& result, RemovalMode mode, Prompting prompting, WorkStatus* status, HWND owner)
{
    if (result.registry)
        return mode == RemovalMode::Recycle ? Kept(KeptReason::RegistryNotRecycled) : RemoveRegistryItem(*result.registry);
    if (result.sweep) return RemoveSweep(*result.sweep, mode, prompting, status, owner);
    if (result.recycleBin) return mode == RemovalMode::Recycle ? Kept(KeptReason::NotRemoved) : EmptyRecycleBin();
    const std::string& path = result.path;
    const CheckedItem item = CheckItem(path);
    if (item.reason != KeptReason::None) return Kept(item.reason);
    const WIN32_FIND_DATAA& entry = item.entry;
    const std::string& resolved = item.resolved;

    if (mode == RemovalMode::Recycle) {
        const Removal removal = Recycle(result, prompting, owner);
        if (status != nullptr) status->AddBytes(removal.bytes);
        return removal;
    }
    const bool directory = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (directory != result.folder) return Kept(KeptReason::NotRemoved);
    if (directory) return RemoveTree(path, resolved, entry.dwFileAttributes, status);

    const Split split = SplitPath(resolved);
    const std::uint64_t bytes = FreedBytes(path, entry);
    const DWORD error = RemoveInPlace(path, split.parent, entry.cFileName, entry.dwFileAttributes);
    if (error != ERROR_SUCCESS) return Kept(ReasonOf(error));
    if (status != nullptr) status->AddBytes(bytes);
    return {Outcome::Removed, KeptReason::None, bytes};
}

std::vector<Removal> RemoveResults(const std::vector<Result>& results, RemovalMode mode, Prompting prompting,
                                   WorkStatus* status, HWND owner)
{
    std::vector<Removal> removals(results.size());
    for (size_t index = 0; index < results.size(); ++index) {
        if (status != nullptr) {
            if (status->StopRequested()) break;
            status->SetCurrent(results[index].path);
        }
        removals[index] = RemoveResult(results[index], mode, prompting, status, owner);
        if (status != nullptr) status->ItemDone();
    }
    return removals;
}

Removal RemoveFolderTree(const std::string& folder)
{
    return RemoveResult(ResultOfLine(FolderEntryText(folder)), RemovalMode::Delete);
}
