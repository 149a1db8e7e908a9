#pragma once

#include "framework/ListBox.h"
#include "scan/StartupFolders.h"

#include <windows.h>

// The Cookies command: lists the browser's cookie files in place of whatever
// the list held, and stops offering itself when it finds none, until the
// next standard scan. It deletes nothing itself.
void RunCookiesKiller(const CListBox& list, HWND frame, const StartupFolders& folders);

// Only the search, for a list already emptied.
void ListCookies(const CListBox& list, const StartupFolders& folders);
