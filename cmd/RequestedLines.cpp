#include "cmd/RequestedLines.h"

#include <fstream>
#include <iterator>
#include <unordered_set>

bool ReadRequestedLines(const std::string& file, std::vector<std::string>& lines)
{
    std::ifstream in(file, std::ios::binary);
    if (!in) return false;
    lines.clear();
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) lines.push_back(line);
    }
    return !in.bad();
}

void KeepRequested(Report& report, const std::vector<std::string>& lines)
{
    report.onlyAsked = true;
    const std::unordered_set<std::string> asked(lines.begin(), lines.end());
    std::unordered_set<std::string> listed;
    std::vector<ReportItem> kept;
    for (ReportItem& item : report.items) {
        if (asked.count(item.result.line) == 0) continue;
        listed.insert(item.result.line);
        kept.push_back(std::move(item));
    }
    report.items = std::move(kept);
    std::unordered_set<std::string> refused;
    for (const std::string& line : lines)
        if (listed.count(line) == 0 && refused.insert(line).second) report.refused.push_back(line);
}
