#include "scan/SearchHits.h"

#include "tests/scan/ScanTestSupport.h"

#include <gtest/gtest.h>

namespace {

// Thousands of hits have their keys made on a second thread, chunk by
// chunk: they must land where keys made one by one put them, equal lines in
// the order found, none lost.
TEST(SearchHitsTest, ManyHitsLandWhereTheSortPutsThemNoneLost)
{
    std::vector<Result> found;
    for (int index = 0; index < 9000; ++index)
        found.push_back(ResultOfLine("C:\\junk\\Hit " + std::to_string(index * 7919 % 4001) + ".log"));
    ResultSet expected;
    expected.Add(ResultOfLine("C:\\junk\\Hit 2000.log..."));
    ResultSet results;
    results.Add(ResultOfLine("C:\\junk\\Hit 2000.log..."));

    expected.Add(found);
    SearchHits hits(results.Locale());
    for (const Result& hit : found) hits.Add(hit);
    hits.AddTo(results);

    EXPECT_EQ(Lines(results), Lines(expected));
}

}  // namespace
