#pragma once

#include "framework/ListBox.h"

// The result list's selection commands and the rules that enable the
// commands working on it.

struct ListCounts {
    int lines;
    int selected;
};

ListCounts CountLines(const CListBox& list);

// Selects or deselects every line, from the last to the first. The list sends
// no selection notice for this, so callers refresh the status line themselves.
void SetAllSelected(const CListBox& list, bool selected);

// Select All: something is left to select.
bool IsSelectAllEnabled(ListCounts counts);

// Unselect All, Delete and Move to Recycle Bin: something is selected.
bool IsSelectionCommandEnabled(ListCounts counts);

// The cookies killer is offered until one of its runs finds nothing; every
// standard scan offers it again.
extern bool g_bCookiesEnabled;
