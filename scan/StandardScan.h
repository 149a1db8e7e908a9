#pragma once

#include "scan/Results.h"
#include "scan/StartupFolders.h"

// Adds everything the junk catalogue names, table by table. Only lists; the
// one change on disk is that hits lose their read-only bit.
void StandardScan(ResultSet& results, const StartupFolders& folders);
