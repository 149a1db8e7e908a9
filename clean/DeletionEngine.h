#pragma once

#include "framework/ListBox.h"

#include <windows.h>

#include <string>

// Removing what the user selected. A line leaves the list only when its item
// is gone afterwards; an item that stayed keeps its line and its selection,
// so the count tells the user that something is left.

// A line ending in "..." stands for a whole folder.
bool IsFolderEntry(const std::string& line);
// The folder of a folder entry: the line without its trailing dots (and the
// backslash a name such as "Printhood\" leaves).
std::string FolderPathOf(const std::string& line);

// Removes a folder with everything in it, depth first, clearing read-only
// bits on the way. A link inside is removed as itself and never entered;
// where the platform cannot remove a link without reaching its target, the
// link stays. A folder that is itself a link is left as it is. 0 when the
// folder itself is gone, -1 when it is not.
int RemoveFolderTree(const std::string& folder);

// Hands one item to the shell's Recycle Bin; false when its full path cannot
// be formed exactly.
bool MoveToRecycleBin(const std::string& path);

// Shift+Del and Del: every selected line, from the last to the first.
void DeleteSelected(const CListBox& list, HWND frame);
void RecycleSelected(const CListBox& list, HWND frame);
