#pragma once

// The rules that enable the commands working on the result list.

struct ListCounts {
    int lines;
    int selected;
};

// Select All: something is left to select.
bool IsSelectAllEnabled(ListCounts counts);

// Unselect All, Delete and Move to Recycle Bin: something is selected.
bool IsSelectionCommandEnabled(ListCounts counts);

// The cookies killer is offered until one of its runs finds nothing; every
// standard scan offers it again.
extern bool g_bCookiesEnabled;
