#pragma once

#include "framework/ListBox.h"
#include "scan/Results.h"

#include <algorithm>
#include <string>
#include <vector>

// Every line of a list, in its order.
inline std::vector<std::string> Lines(const CListBox& list)
{
    std::vector<std::string> lines;
    for (int index = 0; index < list.GetCount(); ++index) lines.push_back(list.GetText(index));
    return lines;
}

// Every line of a listing's results, in their order.
inline std::vector<std::string> Lines(const ResultSet& results)
{
    std::vector<std::string> lines;
    for (const Result& result : results.Items()) lines.push_back(result.line);
    return lines;
}

// How often a line stands in a list.
template <typename List>
long Occurrences(const List& list, const std::string& line)
{
    const std::vector<std::string> lines = Lines(list);
    return static_cast<long>(std::count(lines.begin(), lines.end(), line));
}

// The lines of a list that begin with a prefix, in the list's order.
template <typename List>
std::vector<std::string> LinesUnder(const List& list, const std::string& prefix)
{
    std::vector<std::string> under;
    for (const std::string& line : Lines(list))
        if (line.compare(0, prefix.size(), prefix) == 0) under.push_back(line);
    return under;
}
