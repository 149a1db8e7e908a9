#pragma once

#include "app/ResultListView.h"
#include "clean/DeletionEngine.h"
#include "scan/StartupFolders.h"

#include <windows.h>

// The commands that fill the result list or remove what it shows. Each
// titles or tells through the main window `frame` and its status bar.

// Refresh: the frame's title, the cookies killer offered again, an emptied
// list in the wait state, the standard scan, and the count in the status line.
void RunStandardScan(ResultListView& view, HWND frame, const StartupFolders& folders);

// Cookies: the browser's cookie files in place of whatever the list held;
// the command stops offering itself when it finds none, until the next scan.
void RunCookiesKiller(ResultListView& view, HWND frame, const StartupFolders& folders);

// IE Temp & History: empties the list, titles the frame, lists the temporary
// files and opens the Advance dialog over the list's view until the user
// closes it. The status line stays as it was.
void RunTemporaryFilesCleaner(ResultListView& view, HWND frame, const StartupFolders& folders);

// Applications: what the cleaning rules find (the built-in ones, and the
// user's Winapp2.ini over them) and the Recycle Bin, in place of whatever the
// list held, one line per rule root with the entry's name beside it.
void RunApplications(ResultListView& view, HWND frame);

// Shift+Del and Del: every selected line, from the last to the first. A line
// leaves the list only when its item is gone afterwards; an item that stayed
// keeps its line and its selection, so the count tells the user that
// something is left. The size pane then tells what was freed or moved.
// Before the first removal of a rule's lines in a session whose entry has a
// warning, its text is shown and the user asked; declined lines stay selected.
void DeleteSelected(ResultListView& view, HWND frame);
void RecycleSelected(ResultListView& view, HWND frame);

// What removals did to the list's `lines` (indices, each with its removal,
// from the last line to the first): a line whose item is gone leaves, one
// that stayed shows what is left and, after a deletion, is marked when the
// system denied it;
// the status line then tells what was freed or moved.
void ShowRemovals(ResultListView& view, HWND frame, const std::vector<int>& lines,
                  const std::vector<Removal>& removals, RemovalMode mode);
