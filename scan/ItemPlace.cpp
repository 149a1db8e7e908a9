#include "scan/ItemPlace.h"

#include "scan/PathText.h"

HANDLE OpenToLookAt(const std::string& path)
{
    return CreateFileA(path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                       nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

std::string ResolvedPath(HANDLE item)
{
    std::string path(MAX_PATH, '\0');
    DWORD length = GetFinalPathNameByHandleA(item, &path[0], static_cast<DWORD>(path.size()), VOLUME_NAME_DOS);
    if (length >= path.size()) {
        path.resize(length);
        length = GetFinalPathNameByHandleA(item, &path[0], static_cast<DWORD>(path.size()), VOLUME_NAME_DOS);
        if (length >= path.size()) return {};
    }
    path.resize(length);
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
