#include "scan/SearchHits.h"

#include "tests/scan/ScanTestSupport.h"

#include <gtest/gtest.h>

namespace {

// Thousands of hits are named, keyed and sorted on a second thread, chunk by
// chunk, and merged: they must land as the lines of one sort, equal lines in
// the order found (told apart by their sizes), none lost.
TEST(SearchHitsTest, ManyHitsLandWhereTheSortPutsThemNoneLost)
{
    std::vector<Result> found;
    std::vector<std::wstring> names;
    for (int index = 0; index < 9000; ++index) {
        const int number = index * 7919 % 4001;
        names.push_back(L"Hit " + std::to_wstring(number) + (number % 3 ? L".log" : L".dir"));
        found.push_back(ResultOfLine("C:\\junk\\Hit " + std::to_string(number) + (number % 3 ? ".log" : ".dir...")));
        found.back().bytes = static_cast<std::uint64_t>(index);
    }
    ResultSet expected;
    expected.Add(ResultOfLine("C:\\junk\\Hit 2000.log..."));
    ResultSet results;
    results.Add(ResultOfLine("C:\\junk\\Hit 2000.log..."));

    expected.Add(found);
    SearchHits hits(results.Locale(), "C:\\junk");
    for (size_t index = 0; index < found.size(); ++index)
        hits.Add(names[index].c_str(), found[index].folder, found[index].bytes);
    hits.AddTo(results);

    const auto described = [](const ResultSet& set) {
        std::vector<std::string> texts;
        for (const Result& result : set.Items())
            texts.push_back(result.line + "|" + result.path + "|" + std::to_string(result.bytes));
        return texts;
    };
    EXPECT_EQ(described(results), described(expected));
}

}  // namespace
