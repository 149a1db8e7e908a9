#pragma once

#include "cmd/Report.h"

#include <string>

// The report as one JSON document in UTF-8, for scripts:
// {"results": [{"line", "path", "folder", "bytes", "outcome", "reason"}],
//  "listed_bytes", "freed_bytes", "traces": {"url": "cleaned"}}
// "reason" only for a kept item, "traces" only when traces were asked for.
std::string ReportJson(const Report& report);
