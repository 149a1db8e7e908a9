#include "rules/RecycleBinLine.h"

#include <shellapi.h>

#include <string>

void AddRecycleBinLine(ResultSet& results)
{
    SHQUERYRBINFO info = {};
    info.cbSize = sizeof info;
    if (FAILED(SHQueryRecycleBinW(nullptr, &info)) || info.i64NumItems <= 0) return;
    Result result;
    result.line = "Recycle Bin (" + std::to_string(info.i64NumItems) + (info.i64NumItems == 1 ? " item)" : " items)");
    result.path = "Recycle Bin";
    result.rule = "Recycle Bin";
    result.bytes = static_cast<std::uint64_t>(info.i64Size);
    result.recycleBin = true;
    results.Add(std::move(result));
}
