#pragma once

#include "cmd/Report.h"

#include <string>

// The report for people, in UTF-8: one line per item, its size in the
// shell's short format, a tab and the list's line (and, for an item that
// stayed, a tab and why); then one summary line.
std::string ReportText(const Report& report);
