#pragma once

#include <string>

// Empties a folder tree: every file and subfolder in `folder` goes, the folder
// itself stays. Read-only bits are cleared first. Files named "desktop.ini"
// stay unless `includeDesktopIni`; files named "index.dat" are wiped before
// their deletion when `wipeIndexDat`. A link (or any item that turns out to
// lie elsewhere than its name says) is never entered, wiped or followed.
// False when the folder cannot be listed; true otherwise, also when some
// items stay.
bool PurgeFolder(const std::string& folder, bool includeDesktopIni, bool wipeIndexDat);

// Overwrites a file's bytes from offset 64 to its end with zeros, keeping its
// first 64 bytes and its length. False when the file cannot be opened for
// writing, and for a link or a file with more than one name, which are left
// as they are.
bool WipeFile(const std::string& name, const std::string& folder);
