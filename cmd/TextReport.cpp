#include "cmd/TextReport.h"

#include "cmd/TraceNames.h"
#include "cmd/Utf8Text.h"
#include "scan/ByteSize.h"

namespace {

std::string Size(std::uint64_t bytes) { return Utf8FromWide(ByteSizeWide(bytes)); }

std::string Count(std::size_t count, const char* one, const char* many)
{
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string Summary(const Report& report)
{
    std::size_t removed = 0;
    std::size_t kept = 0;
    for (const ReportItem& item : report.items) {
        if (item.removal.outcome == Outcome::Removed || item.removal.outcome == Outcome::Recycled) ++removed;
        if (item.removal.outcome == Outcome::Kept) ++kept;
    }
    std::string summary = Count(report.items.size(), "item", "items") + ", " + Size(report.ListedBytes());
    if (report.action == Action::Delete)
        summary += "; " + std::to_string(removed) + " deleted, " + Size(report.FreedBytes()) + " freed";
    if (report.action == Action::Recycle)
        summary += "; " + std::to_string(removed) + " moved to the Recycle Bin, " + Size(report.RecycledBytes());
    if (report.action != Action::Preview) summary += "; " + std::to_string(kept) + " kept";
    if (report.onlyAsked) summary += "; " + std::to_string(report.refused.size()) + " refused";
    if (report.tracesAsked) {
        summary += "; traces:";
        for (const TraceOutcome& trace : report.traces)
            summary += std::string(" ") + TraceKindName(trace.kind) + (trace.failed ? " failed" : " cleaned");
    }
    return summary + "\n";
}

}  // namespace

std::string ReportText(const Report& report)
{
    std::string text;
    for (const ReportItem& item : report.items) {
        text += Size(item.result.bytes) + "\t" + Utf8FromNarrow(item.result.line);
        if (!item.result.rule.empty()) text += "\t" + Utf8FromNarrow(item.result.rule);
        if (item.removal.outcome == Outcome::Kept) text += std::string("\tkept: ") + KeptReasonName(item.removal.reason);
        text += "\n";
    }
    for (const std::string& line : report.refused) text += "\t" + Utf8FromNarrow(line) + "\trefused: not listed\n";
    for (const std::string& note : report.notes) text += "note: " + Utf8FromNarrow(note) + "\n";
    return text + Summary(report);
}
