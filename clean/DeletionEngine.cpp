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
    return !path.empty() && path.back() != '.' && path.back() != ' ' && path.back() != '\\';
}

struct Split {
    std::string parent;
    std::string name;
};

Split SplitPath(const std::string& path)
{
    const size_t slash = path.rfind('\\');
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
    WIN32_FIND_DATAA entry;
    return FindEntry(path, entry);
}

// Whether the item at `path` is itself there, not reached through a link.
bool IsItselfThere(const std::string& path)
{
    const Split split = SplitPath(path);
    return !split.name.empty() && LiesWhereNamed(path, ResolvedPath(split.parent), split.name.c_str());
}

void ClearReadOnly(const std::string& path, DWORD attributes)
{
    if (attributes & FILE_ATTRIBUTE_READONLY) SetFileAttributesA(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
}

// Deletes a file through a handle to the entry itself, and only when the
// entry lies where its name says: the check and the removal then concern the
// same item, and a link that the platform reports as a plain file (Wine) is
// never deleted through to its target.
void DeleteFileInPlace(const std::string& path, const std::string& resolvedFolder, const char* name, DWORD attributes)
{
    HANDLE file = CreateFileA(path.c_str(), DELETE | FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                              FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    if (LiesWhereNamed(file, resolvedFolder, name)) {
        if (attributes & FILE_ATTRIBUTE_READONLY) {
            // Zero times leave them as they are; zero attributes would too.
            FILE_BASIC_INFO basic = {};
            basic.FileAttributes = (attributes & ~FILE_ATTRIBUTE_READONLY) | FILE_ATTRIBUTE_NORMAL;
            SetFileInformationByHandle(file, FileBasicInfo, &basic, sizeof basic);
        }
        FILE_DISPOSITION_INFO disposition = {TRUE};
        SetFileInformationByHandle(file, FileDispositionInfo, &disposition, sizeof disposition);
    }
    CloseHandle(file);
}

// One entry of a folder being removed.
void RemoveChild(const std::string& folder, const std::string& resolvedFolder, const WIN32_FIND_DATAA& entry)
{
    const char* name = entry.cFileName;
    if (IsDotName(name)) return;
    const std::string child = JoinPath(folder, name);
    if (!FitsPathLimit(child) || !EndsAddressably(child)) return;
    const bool directory = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (!directory && (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
        DeleteFileInPlace(child, resolvedFolder, name, entry.dwFileAttributes);
        return;
    }
    if (!LiesWhereNamed(child, resolvedFolder, name)) return;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
        if (directory) RemoveDirectoryA(child.c_str());
        else DeleteFileA(child.c_str());
        return;
    }
    ClearReadOnly(child, entry.dwFileAttributes);
    RemoveFolderTree(child);
}

// Removes one selected line's item; the line's own path, for the check after.
std::string RemoveItem(const std::string& line, bool toRecycleBin)
{
    const bool folder = IsFolderEntry(line);
    const std::string path = folder ? FolderPathOf(line) : line;
    if (!FitsPathLimit(path) || !EndsAddressably(path)) return {};
    if (toRecycleBin) MoveToRecycleBin(path);
    else if (folder) RemoveFolderTree(path);
    else if (IsItselfThere(path)) DeleteFileA(path.c_str());
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
    while (path.size() > 3 && path.back() == '\\') path.pop_back();
    return path;
}

int RemoveFolderTree(const std::string& folder)
{
    WIN32_FIND_DATAA self;
    if (!FindEntry(folder, self) || !IsItselfThere(folder)) return -1;
    if (self.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) return RemoveDirectoryA(folder.c_str()) ? 0 : -1;

    const std::string pattern = JoinPath(folder, "*.*");
    if (!FitsPathLimit(pattern)) return -1;
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA(pattern.c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return -1;
    const std::string resolvedFolder = ResolvedPath(folder);
    do {
        RemoveChild(folder, resolvedFolder, entry);
    } while (FindNextFileA(search, &entry));
    FindClose(search);

    ClearReadOnly(folder, self.dwFileAttributes);
    return RemoveDirectoryA(folder.c_str()) ? 0 : -1;
}

bool MoveToRecycleBin(const std::string& path)
{
    // Room for the full path and the second terminator that ends the shell's list.
    char from[MAX_PATH + 2] = {};
    char* namePart = nullptr;
    const DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, from, &namePart);
    if (length == 0 || length >= MAX_PATH || std::strcmp(from, path.c_str()) != 0) return false;

    SHFILEOPSTRUCTA operation = {};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from;
    operation.fFlags = FOF_NOCONFIRMATION | FOF_ALLOWUNDO | FOF_FILESONLY;
    SHFileOperationA(&operation);
    return true;
}

void DeleteSelected(const CListBox& list, HWND frame) { RemoveSelected(list, frame, false); }

void RecycleSelected(const CListBox& list, HWND frame) { RemoveSelected(list, frame, true); }
