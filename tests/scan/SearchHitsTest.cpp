#include "scan/SearchHits.h"

#include "tests/scan/ScanTestSupport.h"

#include <gtest/gtest.h>

namespace {

// Thousands of hits are keyed and sorted on a second thread, chunk by chunk,
// and merged: they must land where one sort puts them, equal lines in the
// order found (told apart by their sizes), none lost.
TEST(SearchHitsTest, ManyHitsLandWhereTheSortPutsThemNoneLost)
{
    std::vector<Result> found;
    for (int index = 0; index < 9000; ++index) {
        found.push_back(ResultOfLine("C:\\junk\\Hit " + std::to_string(index * 7919 % 4001) + ".log"));
        found.back().bytes = static_cast<std::uint64_t>(index);
    }
    ResultSet expected;
    expected.Add(ResultOfLine("C:\\junk\\Hit 2000.log..."));
    ResultSet results;
    results.Add(ResultOfLine("C:\\junk\\Hit 2000.log..."));

    expected.Add(found);
    SearchHits hits(results.Locale());
    for (const Result& hit : found) hits.Add(hit);
    hits.AddTo(results);

    EXPECT_EQ(Lines(results), Lines(expected));
    std::vector<std::uint64_t> sizes, expectedSizes;
    for (const Result& result : results.Items()) sizes.push_back(result.bytes);
    for (const Result& result : expected.Items()) expectedSizes.push_back(result.bytes);
    EXPECT_EQ(sizes, expectedSizes);
}

}  // namespace
