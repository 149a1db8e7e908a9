#include "cmd/JsonReport.h"

#include "cmd/TraceNames.h"
#include "cmd/Utf8Text.h"

#include <nlohmann/json.hpp>

// Keys stay in the order written: a person reading a log sees the line first.
using Json = nlohmann::ordered_json;

namespace {

Json ItemJson(const ReportItem& item)
{
    Json entry = {{"line", Utf8FromNarrow(item.result.line)},
                  {"path", Utf8FromNarrow(item.result.path)},
                  {"folder", item.result.folder},
                  {"bytes", item.result.bytes},
                  {"outcome", OutcomeName(item.removal.outcome)}};
    entry["kind"] = ResultKind(item.result);
    if (!item.result.rule.empty()) entry["rule"] = Utf8FromNarrow(item.result.rule);
    if (item.removal.outcome == Outcome::Kept) entry["reason"] = KeptReasonName(item.removal.reason);
    return entry;
}

}  // namespace

std::string ReportJson(const Report& report)
{
    Json results = Json::array();
    for (const ReportItem& item : report.items) results.push_back(ItemJson(item));
    Json document = {{"results", results},
                     {"listed_bytes", report.ListedBytes()},
                     {"freed_bytes", report.FreedBytes()}};
    if (report.onlyAsked) {
        Json refused = Json::array();
        for (const std::string& line : report.refused) refused.push_back(Utf8FromNarrow(line));
        document["refused"] = refused;
    }
    if (!report.notes.empty()) {
        Json notes = Json::array();
        for (const std::string& note : report.notes) notes.push_back(Utf8FromNarrow(note));
        document["notes"] = notes;
    }
    if (report.tracesAsked) {
        Json traces = Json::object();
        for (const TraceOutcome& trace : report.traces)
            traces[TraceKindName(trace.kind)] = trace.failed ? "failed" : "cleaned";
        document["traces"] = traces;
    }
    // A name the system could not give as UTF-8 must not cost the whole document.
    return document.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}
