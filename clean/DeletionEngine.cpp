#include "clean/DeletionEngine.h"

#include "scan/ItemPlace.h"
#include "scan/PathText.h"
#include "scan/StatusLine.h"

#include <shellapi.h>

#include <cstring>

namespace {

bool IsDotName(const char* name) { return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0; }

// A last name the system's path parsing would change (a trailing dot or
// space) would address another item.
bool EndsAddressably(const std::string& path)
{
    return !path.empty() && path.back() != '.' && path.back() != ' ' && !EndsWithSeparator(path);
}

// A name outside the code page comes back from the system with "?" for the
// characters it cannot hold: such a path names no item, or as a pattern others.
bool HasWildcards(const std::string& path) { return path.find_first_of("*?") != std::string::npos; }

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
    if (HasWildcards(path)) return false;
    HANDLE search = FindFirstFileA(path.c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return true;
}

bool Exists(const std::string& path)
{
    WIN32_FIND_DATAA entry;
    return FindEntry(path, entry);
}

// Where the item a path names really lies, when it lies there itself: its
// resolved path, or empty when it is missing or reached through a link. The
// name compared is the one on disk, so a name from the catalogue in another
// letter case or in its short form still matches.
std::string ResolvedInPlace(const std::string& path, WIN32_FIND_DATAA& entry)
{
    const Split split = SplitPath(path);
    if (split.name.empty() || !FindEntry(path, entry)) return {};
    const std::string resolvedParent = ResolvedPath(split.parent);
    if (resolvedParent.empty() || !LiesWhereNamed(path, resolvedParent, entry.cFileName)) return {};
    return JoinPath(resolvedParent, entry.cFileName);
}

// Deletes a file, or a link as itself, through a handle to the entry itself:
// the check and the removal concern the same item, and a link that the
// platform reports as a plain file (Wine) is never deleted through to its
// target.
void DeleteFileInPlace(const std::string& path, const std::string& resolvedFolder, const char* name, DWORD attributes)
{
    RemoveInPlace(path, resolvedFolder, name, attributes);
}

int RemoveTreeAt(const std::string& folder, const std::string& resolvedFolder, DWORD attributes);

// One entry of a folder being removed. Every check compares with where the
// folder was found to lie before, never with where it resolves now: a folder
// swapped for a link meanwhile has no child that passes.
void RemoveChild(const std::string& folder, const std::string& resolvedFolder, const WIN32_FIND_DATAA& entry)
{
    const char* name = entry.cFileName;
    if (IsDotName(name)) return;
    const std::string child = JoinPath(folder, name);
    if (!FitsPathLimit(child) || !EndsAddressably(child)) return;
    const bool directory = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    const bool link = (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
    if (!directory || link) {
        // A link goes as itself, its own read-only bit cleared on the way.
        DeleteFileInPlace(child, resolvedFolder, name, entry.dwFileAttributes);
        return;
    }
    // Entering needs only what the place check needs, and the attribute
    // right where the read-only bit must go before the folder can.
    HANDLE item = OpenInPlace(child, ReadOnlyClearingAccess(entry.dwFileAttributes), resolvedFolder, name);
    if (item == INVALID_HANDLE_VALUE) return;
    ClearReadOnly(item, entry.dwFileAttributes);
    CloseHandle(item);
    RemoveTreeAt(child, JoinPath(resolvedFolder, name), entry.dwFileAttributes & ~FILE_ATTRIBUTE_READONLY);
}

int RemoveTreeAt(const std::string& folder, const std::string& resolvedFolder, DWORD attributes)
{
    const std::string pattern = JoinPath(folder, "*.*");
    if (!FitsPathLimit(pattern)) return -1;
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA(pattern.c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return -1;
    do {
        RemoveChild(folder, resolvedFolder, entry);
    } while (FindNextFileA(search, &entry));
    FindClose(search);

    if (attributes & FILE_ATTRIBUTE_READONLY) {
        const Split resolved = SplitPath(resolvedFolder);
        HANDLE self = OpenInPlace(folder, ReadOnlyClearingAccess(attributes), resolved.parent, resolved.name.c_str());
        if (self == INVALID_HANDLE_VALUE) return -1;
        ClearReadOnly(self, attributes);
        CloseHandle(self);
    }
    return RemoveDirectoryA(folder.c_str()) ? 0 : -1;
}

// Removes one selected line's item; the line's own path, for the check after.
std::string RemoveItem(const std::string& line, bool toRecycleBin)
{
    const bool folder = IsFolderEntry(line);
    const std::string path = folder ? FolderPathOf(line) : line;
    // Kept, unaddressable: a line the system cannot take exactly.
    if (!FitsPathLimit(path) || !EndsAddressably(path) || HasWildcards(path)) return {};
    // Kept, the item itself a link or junction: removing the link frees
    // nothing, and following it would reach what is not ours. A link inside
    // a folder being removed still goes as itself.
    WIN32_FIND_DATAA self;
    if (FindEntry(path, self) && (self.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) return {};
    if (toRecycleBin) {
        MoveToRecycleBin(path);
    } else if (folder) {
        RemoveFolderTree(path);
    } else {
        WIN32_FIND_DATAA entry;
        const Split resolved = SplitPath(ResolvedInPlace(path, entry));
        if (!resolved.name.empty()) DeleteFileInPlace(path, resolved.parent, entry.cFileName, entry.dwFileAttributes);
    }
    return path;
}

void RemoveSelected(const CListBox& list, HWND frame, bool toRecycleBin)
{
    BeginWait(frame);
    for (int index = list.GetCount() - 1; index >= 0; --index) {
        if (!list.GetSel(index)) continue;
        const std::string path = RemoveItem(list.GetText(index), toRecycleBin);
        if (!path.empty() && !Exists(path)) list.DeleteString(index);
    }
    UpdateStatus(list, frame);
}

}  // namespace

bool IsFolderEntry(const std::string& line) { return line.size() >= 3 && line.compare(line.size() - 3, 3, "...") == 0; }

std::string FolderPathOf(const std::string& line)
{
    std::string path = line;
    while (!path.empty() && path.back() == '.') path.pop_back();
    while (path.size() > 3 && EndsWithSeparator(path)) path.pop_back();
    return path;
}

int RemoveFolderTree(const std::string& folder)
{
    WIN32_FIND_DATAA self;
    const std::string resolved = ResolvedInPlace(folder, self);
    if (resolved.empty()) return -1;
    if (self.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) return -1;
    return RemoveTreeAt(folder, resolved, self.dwFileAttributes);
}

bool MoveToRecycleBin(const std::string& path)
{
    // Room for the full path and the second terminator that ends the shell's list.
    char from[MAX_PATH + 2] = {};
    char* namePart = nullptr;
    const DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, from, &namePart);
    if (length == 0 || length >= MAX_PATH || std::strcmp(from, path.c_str()) != 0) return false;
    // A link goes to the shell only where it can be moved as itself.
    WIN32_FIND_DATAA entry;
    if (ResolvedInPlace(path, entry).empty()) return false;

    SHFILEOPSTRUCTA operation = {};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from;
    // Should the Recycle Bin refuse the item, the shell would delete it for
    // good without a word, and its own deletion follows links: it must ask.
    operation.fFlags = FOF_NOCONFIRMATION | FOF_ALLOWUNDO | FOF_FILESONLY | FOF_WANTNUKEWARNING;
    SHFileOperationA(&operation);
    return true;
}

void DeleteSelected(const CListBox& list, HWND frame) { RemoveSelected(list, frame, false); }

void RecycleSelected(const CListBox& list, HWND frame) { RemoveSelected(list, frame, true); }
