#pragma once

#include "scan/Results.h"

#include <string>

// The only way results are found. None of them reports anything; a folder
// that does not exist, or whose path does not fit, adds nothing.

// Adds every file and folder in `folder` itself whose long name matches
// `pattern` (see NameMask). Subfolders are not entered; a folder hit stands
// for its whole tree. A listing changes nothing on disk.
void AddMatches(ResultSet& results, const std::string& folder, const char* pattern);

// AddMatches in the folder `subfolder` (which may hold backslashes) under `base`.
void AddSubfolderMatches(ResultSet& results, const std::string& base, const char* subfolder, const char* pattern);

// Adds the folder `name` under `base` as one folder entry, if it is a folder.
// Nothing on disk changes.
void AddFolderEntry(ResultSet& results, const std::string& base, const char* name);
