#pragma once

#include <windows.h>

#include <string>

// Whether a name in a folder is the item it seems to be. A link reaches
// another item; where the platform cannot open a link as itself (Wine reports
// a link to a file as a plain file), only the place the file system resolves
// an item to tells the two apart, and removing or writing through such a name
// would reach the target.

// Opens an item only to look at it: no data access, so no other program's
// sharing stands in the way, and a link is opened as itself where the
// platform can.
HANDLE OpenToLookAt(const std::string& path);

// Where the file system says an item really is, links resolved; empty when it
// cannot say.
std::string ResolvedPath(HANDLE item);
std::string ResolvedPath(const std::string& path);

// Whether the item `name` of the folder that resolves to `resolvedFolder` is
// there itself, and not something elsewhere reached through a link.
bool LiesWhereNamed(HANDLE item, const std::string& resolvedFolder, const char* name);
bool LiesWhereNamed(const std::string& path, const std::string& resolvedFolder, const char* name);

// Opens an item itself (a link as the link) for `access`, and only when it
// lies where its name says; the caller then works on exactly the item that
// was checked. INVALID_HANDLE_VALUE otherwise, the last error
// ERROR_CANT_ACCESS_FILE when it lies elsewhere.
HANDLE OpenInPlace(const std::string& path, DWORD access, const std::string& resolvedFolder, const char* name);

// Clears the read-only bit through a handle opened with
// ReadOnlyClearingAccess(attributes); nothing when the bit is clear.
void ClearReadOnly(HANDLE item, DWORD attributes);

// Removes an item that holds no entries of its own (a file, or a link as
// itself) through a handle to it: the check and the removal concern the same
// item. The system's error when it stays: ERROR_CANT_ACCESS_FILE when it does
// not lie where its name says.
DWORD RemoveInPlace(const std::string& path, const std::string& resolvedFolder, const char* name, DWORD attributes);

// The right to write attributes, asked only where the read-only bit must be
// cleared: a user may hold the right to delete an item, or the children of
// its folder, without it.
inline DWORD ReadOnlyClearingAccess(DWORD attributes)
{
    return (attributes & FILE_ATTRIBUTE_READONLY) != 0 ? FILE_WRITE_ATTRIBUTES : 0;
}

// Attributes for a handle that clear the read-only bit and keep the others
// that can be set; zero would mean "leave as they are".
inline DWORD AttributesWithoutReadOnly(DWORD attributes)
{
    const DWORD settable = attributes & (FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                         FILE_ATTRIBUTE_NOT_CONTENT_INDEXED | FILE_ATTRIBUTE_OFFLINE |
                                         FILE_ATTRIBUTE_TEMPORARY);
    return settable != 0 ? settable : FILE_ATTRIBUTE_NORMAL;
}
