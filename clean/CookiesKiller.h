#pragma once

#include "scan/Results.h"
#include "scan/StartupFolders.h"

// The browser's cookie files: the user's cookies folder and the old
// browser's cookie file on every fixed drive. Deletes nothing.
void ListCookies(ResultSet& results, const StartupFolders& folders);
