#include "scan/ResultList.h"

bool g_bCookiesEnabled = true;

ListCounts CountLines(const CListBox& list) { return {list.GetCount(), list.GetSelCount()}; }

void SetAllSelected(const CListBox& list, bool selected)
{
    for (int index = list.GetCount() - 1; index >= 0; --index) list.SetSel(index, selected);
}

bool IsSelectAllEnabled(ListCounts counts)
{
    return counts.lines > 0 && counts.selected != counts.lines;
}

bool IsSelectionCommandEnabled(ListCounts counts) { return counts.selected > 0; }
