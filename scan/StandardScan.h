#pragma once

#include "framework/ListBox.h"
#include "scan/StartupFolders.h"

#include <windows.h>

// Adds everything the junk catalogue names to the list, table by table.
// Only lists; the one change on disk is that hits lose their read-only bit.
void StandardScan(const CListBox& list, const StartupFolders& folders);

// The Refresh command: the frame's title, the cookies killer offered again,
// an emptied list in the wait state, the scan, and the count in the status line.
void RunStandardScan(const CListBox& list, HWND frame, const StartupFolders& folders);
