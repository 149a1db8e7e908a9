#pragma once

#include "rules/PlaceCache.h"
#include "rules/RuleVariables.h"
#include "scan/WorkStatus.h"

#include <string>
#include <vector>

// The items a rule path names on disk. A "*" or "?" may stand in any part,
// whole or partial ("...\Chrome*\User Data\*\Cache"); each match is checked
// against its long name, since the system's search also matches short
// names. No link or junction is followed on the way: on Windows 10
// "%LocalAppData%\Application Data" leads back to its own parent, which
// would list the same folder twice by two names, or forever.

// Every folder the path names (none that is itself a link), sorted.
std::vector<std::wstring> MatchingFolders(const RuleVariables::Expansion& path, const WorkStatus* status = nullptr);

// Whether the path names any file or folder, each folder on the way listed
// once for all the questions of a run.
bool AnyMatchingItem(const RuleVariables::Expansion& path, PlaceCache& cache);

// Whether a text holds "*" or "?".
bool HasWildcards(const std::wstring& text);
