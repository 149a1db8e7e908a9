#pragma once

#include "framework/ListBox.h"

#include <string>

// The only way lines enter the result list. None of them reports anything;
// a folder that does not exist, or whose path does not fit, adds nothing.

// Lists every file and folder in `folder` itself whose name matches `pattern`,
// after clearing its read-only attribute. Subfolders are not entered.
void AddMatches(const CListBox& list, const std::string& folder, const char* pattern);

// AddMatches in the folder `subfolder` (which may hold backslashes) under `base`.
void AddSubfolderMatches(const CListBox& list, const std::string& base, const char* subfolder,
                         const char* pattern);

// Lists the folder `name` under `base` as one folder entry, if it is a folder.
// Its contents are not looked at and nothing on disk changes.
void AddFolderEntry(const CListBox& list, const std::string& base, const char* name);
