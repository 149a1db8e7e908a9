#include "scan/ResultList.h"

bool g_bCookiesEnabled = true;

bool IsSelectAllEnabled(ListCounts counts)
{
    return counts.lines > 0 && counts.selected != counts.lines;
}

bool IsSelectionCommandEnabled(ListCounts counts) { return counts.selected > 0; }
