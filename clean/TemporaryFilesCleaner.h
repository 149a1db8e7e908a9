#pragma once

#include "framework/ListBox.h"
#include "scan/StartupFolders.h"

#include <windows.h>

// Adds the temporary, cache and download folders and files found to the
// list: the temporary folders of every fixed drive and of the Windows folder
// as whole-folder entries, the content of the Windows, user and internet
// temporary folders as single entries. Deletes nothing.
void ListTemporaryFiles(const CListBox& list, const StartupFolders& folders);

// The command IE Temp & History: empties the list, titles the main window
// `frame`, lists the temporary files and opens the Advance dialog over the
// list's view until the user closes it. The status line stays as it was.
void RunTemporaryFilesCleaner(const CListBox& list, HWND frame, const StartupFolders& folders);
