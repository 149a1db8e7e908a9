#include "cmd/Report.h"

namespace {

std::uint64_t SumOfRemovals(const Report& report)
{
    std::uint64_t bytes = 0;
    for (const ReportItem& item : report.items) bytes += item.removal.bytes;
    return bytes;
}

}  // namespace

std::uint64_t Report::ListedBytes() const
{
    std::uint64_t bytes = 0;
    for (const ReportItem& item : items) bytes += item.result.bytes;
    return bytes;
}

// A folder that was only partly removed still freed what went.
std::uint64_t Report::FreedBytes() const { return action == Action::Delete ? SumOfRemovals(*this) : 0; }

std::uint64_t Report::RecycledBytes() const { return action == Action::Recycle ? SumOfRemovals(*this) : 0; }

int ExitStatus(const Report& report)
{
    if (!report.refused.empty()) return 1;
    for (const ReportItem& item : report.items)
        if (item.removal.outcome == Outcome::Kept && item.removal.reason != KeptReason::GoneBefore) return 1;
    for (const TraceOutcome& trace : report.traces)
        if (trace.failed) return 1;
    return report.rulesFailed ? 1 : 0;
}

const char* OutcomeName(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Listed: return "listed";
    case Outcome::Removed: return "removed";
    case Outcome::Recycled: return "recycled";
    case Outcome::Kept: return "kept";
    }
    return "";
}
