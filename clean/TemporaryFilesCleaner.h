#pragma once

#include "scan/Results.h"
#include "scan/StartupFolders.h"

// The temporary, cache and download folders and files: the temporary folders
// of every fixed drive and of the Windows folder as whole-folder entries, the
// content of the Windows, user and internet temporary folders as single
// entries. Deletes nothing.
void ListTemporaryFiles(ResultSet& results, const StartupFolders& folders);
