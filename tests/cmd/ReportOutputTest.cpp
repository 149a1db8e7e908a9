#include "cmd/JsonReport.h"
#include "cmd/TextReport.h"
#include "scan/ByteSize.h"
#include "tests/support/Utf8.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace {

using Json = nlohmann::json;

// A deleted file with a Chinese name, a folder that stayed, and two traces.
Report DeleteReport()
{
    Report report;
    report.action = Action::Delete;
    report.items = {
        {{"C:\\Temp\\\"日志\".log", "C:\\Temp\\\"日志\".log", false, 2048}, {Outcome::Removed, KeptReason::None, 2048}},
        {{"C:\\Temp\\Cache...", "C:\\Temp\\Cache", true, 5000}, {Outcome::Kept, KeptReason::InUse, 0}},
    };
    report.tracesAsked = true;
    report.traces = {{TraceKind::RunHistory, false}, {TraceKind::RecentDocuments, true}};
    return report;
}

TEST(ReportOutputTest, JsonGivesEveryItemWithItsOutcomeAndReasonOnlyWhenKept)
{
    const Json document = Json::parse(ReportJson(DeleteReport()));

    const Json expected = {
        {"results",
         {{{"line", "C:\\Temp\\\"日志\".log"},
           {"path", "C:\\Temp\\\"日志\".log"},
           {"folder", false},
           {"bytes", 2048},
           {"outcome", "removed"},
           {"kind", "file"}},
          {{"line", "C:\\Temp\\Cache..."},
           {"path", "C:\\Temp\\Cache"},
           {"folder", true},
           {"bytes", 5000},
           {"outcome", "kept"},
           {"kind", "folder"},
           {"reason", "in use"}}}},
        {"listed_bytes", 7048},
        {"freed_bytes", 2048},
        {"traces", {{"run", "cleaned"}, {"recent", "failed"}}},
    };
    EXPECT_EQ(document, expected) << document.dump(2);
}

TEST(ReportOutputTest, WithoutRemovalOrTracesItemsAreListedAndNothingIsFreed)
{
    Report report = DeleteReport();
    report.action = Action::Recycle;
    report.items[0].removal = {Outcome::Recycled, KeptReason::None, 2048};
    report.tracesAsked = false;
    report.traces.clear();
    Json document = Json::parse(ReportJson(report));
    EXPECT_EQ(document["results"][0]["outcome"], "recycled");
    EXPECT_EQ(document["freed_bytes"], 0) << "the Recycle Bin frees nothing until it is emptied";
    EXPECT_FALSE(document.contains("traces"));

    report.action = Action::Preview;
    for (ReportItem& item : report.items) item.removal = {};
    document = Json::parse(ReportJson(report));
    for (const Json& item : document["results"]) {
        EXPECT_EQ(item["outcome"], "listed");
        EXPECT_FALSE(item.contains("reason"));
    }
}

TEST(ReportOutputTest, TextGivesSizeTabLineAndOneSummaryLine)
{
    const auto size = [](std::uint64_t bytes) { return Utf8(ByteSizeText(bytes)); };
    EXPECT_EQ(ReportText(DeleteReport()),
              size(2048) + "\tC:\\Temp\\\"日志\".log\n" + size(5000) + "\tC:\\Temp\\Cache...\tkept: in use\n" +
                  "2 items, " + size(7048) + "; 1 deleted, " + size(2048) +
                  " freed; 1 kept; traces: run cleaned recent failed\n");

    Report preview;
    preview.items = {DeleteReport().items[0]};
    preview.items[0].removal = {};
    EXPECT_EQ(ReportText(preview), size(2048) + "\tC:\\Temp\\\"日志\".log\n1 item, " + size(2048) + "\n");
}

}  // namespace
