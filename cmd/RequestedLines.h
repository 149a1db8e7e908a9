#pragma once

#include "cmd/Report.h"

#include <string>
#include <vector>

// The lines a run was asked to keep to (/only): what another program, such
// as the window asking for an administrator's removal, wants done. They are
// not taken on trust: only items the run lists itself are kept.

// Reads one line per row (LF or CR LF), empty rows skipped, in the code page
// of the programs' narrow text; false when the file cannot be read.
bool ReadRequestedLines(const std::string& file, std::vector<std::string>& lines);

// Keeps the report's items whose lines were asked for, in their order; every
// line asked for that no item has is refused.
void KeepRequested(Report& report, const std::vector<std::string>& lines);
