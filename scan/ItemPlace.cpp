#include "scan/ItemPlace.h"

#include "scan/PathText.h"
#include "scan/WideText.h"

HANDLE OpenToLookAt(const std::string& path)
{
    return CreateFileA(path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                       nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

namespace {

// A resolved path as the program's narrow text, or empty where the code page
// lacks one of its characters.
std::string Narrow(const wchar_t* wide, int length)
{
    bool exact = false;
    std::string narrow = NarrowWithoutLookAlikes(wide, length, exact);
    if (exact) return narrow;
    SetLastError(ERROR_NO_UNICODE_TRANSLATION);
    return {};
}

// The wide function, asked directly: the narrow one may ask twice, and in
// older versions counts its terminator in the length it returns.
std::string FinalPath(HANDLE item, DWORD volumeName)
{
    wchar_t buffer[MAX_PATH * 2];
    DWORD length = GetFinalPathNameByHandleW(item, buffer, ARRAYSIZE(buffer), volumeName);
    if (length == 0) return {};
    if (length < ARRAYSIZE(buffer)) return Narrow(buffer, static_cast<int>(length));
    std::wstring longer(length, L'\0');
    length = GetFinalPathNameByHandleW(item, &longer[0], static_cast<DWORD>(longer.size()), volumeName);
    if (length == 0 || length >= longer.size()) return {};
    return Narrow(longer.data(), static_cast<int>(length));
}

}  // namespace

// A volume without a drive letter has no path with one: its volume GUID path
// names it instead. A folder and its items lie on one volume and so resolve
// the same way; an item reached through a link to another volume differs
// from its folder either way.
std::string ResolvedPath(HANDLE item)
{
    std::string path = FinalPath(item, VOLUME_NAME_DOS);
    if (path.empty() && GetLastError() == ERROR_PATH_NOT_FOUND) path = FinalPath(item, VOLUME_NAME_GUID);
    return path;
}

std::string ResolvedPath(const std::string& path)
{
    HANDLE item = OpenToLookAt(path);
    if (item == INVALID_HANDLE_VALUE) return {};
    std::string resolved = ResolvedPath(item);
    CloseHandle(item);
    return resolved;
}

bool LiesWhereNamed(HANDLE item, const std::string& resolvedFolder, const char* name)
{
    if (resolvedFolder.empty()) return false;
    const std::string resolved = ResolvedPath(item);
    return !resolved.empty() && resolved == JoinPath(resolvedFolder, name);
}

bool LiesWhereNamed(const std::string& path, const std::string& resolvedFolder, const char* name)
{
    HANDLE item = OpenToLookAt(path);
    if (item == INVALID_HANDLE_VALUE) return false;
    const bool inPlace = LiesWhereNamed(item, resolvedFolder, name);
    CloseHandle(item);
    return inPlace;
}

HANDLE OpenInPlace(const std::string& path, DWORD access, const std::string& resolvedFolder, const char* name)
{
    HANDLE item = CreateFileA(path.c_str(), access | FILE_READ_ATTRIBUTES,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                              FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (item == INVALID_HANDLE_VALUE) return item;
    if (LiesWhereNamed(item, resolvedFolder, name)) return item;
    CloseHandle(item);
    SetLastError(ERROR_CANT_ACCESS_FILE);
    return INVALID_HANDLE_VALUE;
}

void ClearReadOnly(HANDLE item, DWORD attributes)
{
    if ((attributes & FILE_ATTRIBUTE_READONLY) == 0) return;
    FILE_BASIC_INFO basic = {};  // zero times are left as they are
    basic.FileAttributes = AttributesWithoutReadOnly(attributes);
    SetFileInformationByHandle(item, FileBasicInfo, &basic, sizeof basic);
}

DWORD RemoveInPlace(const std::string& path, const std::string& resolvedFolder, const char* name, DWORD attributes)
{
    HANDLE item = OpenInPlace(path, DELETE | ReadOnlyClearingAccess(attributes), resolvedFolder, name);
    if (item == INVALID_HANDLE_VALUE) return GetLastError();
    ClearReadOnly(item, attributes);
    FILE_DISPOSITION_INFO disposition = {TRUE};
    const bool marked = SetFileInformationByHandle(item, FileDispositionInfo, &disposition, sizeof disposition);
    const DWORD error = marked ? ERROR_SUCCESS : GetLastError();
    CloseHandle(item);
    return error;
}
