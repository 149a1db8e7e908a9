#include "traces/PurgeFolder.h"

#include "scan/EntryKinds.h"
#include "scan/ItemPlace.h"
#include "scan/PathText.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

namespace {

// A history index keeps its header; everything after it is zeroed.
constexpr LONGLONG WipeHeaderBytes = 64;
constexpr DWORD WipeChunkBytes = 10000;
const char WipeZeros[WipeChunkBytes] = {};

bool IsDotName(const char* name) { return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0; }

// Whole-name comparison with an ASCII name, letter case ignored. The names we
// look for are plain ASCII, and no byte of a multibyte character is, so a
// byte-wise comparison never matches half a character.
bool IsNamed(const char* name, const char* asciiName)
{
    for (; *name != '\0' && *asciiName != '\0'; ++name, ++asciiName) {
        const char a = (*name >= 'A' && *name <= 'Z') ? static_cast<char>(*name - 'A' + 'a') : *name;
        if (a != *asciiName) return false;
    }
    return *name == '\0' && *asciiName == '\0';
}

bool SameFile(const BY_HANDLE_FILE_INFORMATION& a, const BY_HANDLE_FILE_INFORMATION& b)
{
    return a.dwVolumeSerialNumber == b.dwVolumeSerialNumber && a.nFileIndexHigh == b.nFileIndexHigh &&
           a.nFileIndexLow == b.nFileIndexLow;
}

bool PurgeFolderAt(const std::string& folder, const std::string& resolvedFolder, bool includeDesktopIni,
                   bool wipeIndexDat);

void PurgeEntry(const std::string& folder, const std::string& resolvedFolder, const WIN32_FIND_DATAA& entry,
                bool includeDesktopIni, bool wipeIndexDat)
{
    const char* name = entry.cFileName;
    if (IsDotName(name)) return;
    if (!includeDesktopIni && IsNamed(name, "desktop.ini")) return;
    const std::string child = JoinPath(folder, name);
    if (!FitsPathLimit(child)) return;

    // Where the platform cannot open a link as itself (Wine), any removal
    // through it reaches its target, even an empty folder's: such an item is
    // left alone. Where it can, the link lies where it is named and goes.
    if (!LiesWhereNamed(child, resolvedFolder, name)) return;
    const bool directory = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    // Everything goes through a handle to the item that was checked, never
    // by its path again, which may name a link by then. A link or junction
    // goes as itself; what it points at is not ours. The handle also clears
    // the read-only bit, keeping hidden, system and archive as they are.
    if (IsLink(entry)) {
        RemoveInPlace(child, resolvedFolder, name, entry.dwFileAttributes);
        return;
    }
    // The bit goes first and on its own: a file in use, which another
    // program keeps from being deleted, still loses it.
    HANDLE item = OpenInPlace(child, ReadOnlyClearingAccess(entry.dwFileAttributes), resolvedFolder, name);
    if (item == INVALID_HANDLE_VALUE) return;
    ClearReadOnly(item, entry.dwFileAttributes);
    CloseHandle(item);
    const DWORD attributes = entry.dwFileAttributes & ~FILE_ATTRIBUTE_READONLY;
    if (directory) {
        // Checked against where it was found to lie, not where it resolves
        // later: a subfolder swapped for a link meanwhile has no child that passes.
        PurgeFolderAt(child, JoinPath(resolvedFolder, name), includeDesktopIni, wipeIndexDat);
    } else if (wipeIndexDat && IsNamed(name, "index.dat")) {
        WipeFile(name, folder);
    }
    RemoveInPlace(child, resolvedFolder, name, attributes);
}

bool PurgeFolderAt(const std::string& folder, const std::string& resolvedFolder, bool includeDesktopIni,
                   bool wipeIndexDat)
{
    const std::string pattern = JoinPath(folder, "*.*");
    if (resolvedFolder.empty() || !FitsPathLimit(pattern)) return false;
    WIN32_FIND_DATAA entry = {};
    HANDLE search = FindFirstFileA(pattern.c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return false;
    do {
        PurgeEntry(folder, resolvedFolder, entry, includeDesktopIni, wipeIndexDat);
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    return true;
}

void WriteZeros(HANDLE file, LONGLONG size)
{
    LARGE_INTEGER start;
    start.QuadPart = WipeHeaderBytes;
    if (!SetFilePointerEx(file, start, nullptr, FILE_BEGIN)) return;
    // A failed or short write is not retried: the total asked for never
    // reaches past the end the file had when it was opened.
    for (LONGLONG remaining = size - WipeHeaderBytes; remaining > 0;) {
        const DWORD chunk = static_cast<DWORD>(std::min<LONGLONG>(remaining, WipeChunkBytes));
        DWORD written = 0;
        WriteFile(file, WipeZeros, chunk, &written, nullptr);
        remaining -= chunk;
    }
}

}  // namespace

bool PurgeFolder(const std::string& folder, bool includeDesktopIni, bool wipeIndexDat)
{
    return PurgeFolderAt(folder, ResolvedPath(folder), includeDesktopIni, wipeIndexDat);
}

bool WipeFile(const std::string& name, const std::string& folder)
{
    const std::string path = JoinPath(folder, name);
    if (!FitsPathLimit(path)) return false;

    // Look first, and open for writing only a plain file with this one name:
    // zeroing through a link or a second name would destroy another file.
    HANDLE look = OpenToLookAt(path);
    if (look == INVALID_HANDLE_VALUE) return false;
    BY_HANDLE_FILE_INFORMATION seen;
    const bool plain = GetFileInformationByHandle(look, &seen) &&
                       (seen.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0 &&
                       seen.nNumberOfLinks == 1 && LiesWhereNamed(look, ResolvedPath(folder), name.c_str());
    if (!plain) {
        CloseHandle(look);
        return false;
    }
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        CloseHandle(look);
        return false;
    }
    // The name may have been given to something else in between.
    BY_HANDLE_FILE_INFORMATION opened;
    const bool same = GetFileInformationByHandle(file, &opened) && SameFile(seen, opened);
    CloseHandle(look);

    LARGE_INTEGER size;
    if (same && GetFileSizeEx(file, &size)) WriteZeros(file, size.QuadPart);
    CloseHandle(file);
    return same;
}
