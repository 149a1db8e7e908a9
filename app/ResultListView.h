#pragma once

#include "framework/ListBox.h"
#include "scan/ResultList.h"
#include "scan/Results.h"

#include <cstdint>
#include <deque>
#include <unordered_set>
#include <vector>

// The listing that filled a list.
enum class Listing { None, Standard, Cookies, Temporary };

// The result list box as a view of results. Each line's text is the result's
// line, as before, and its item data points to the result, size and all.
class ResultListView {
public:
    explicit ResultListView(const CListBox& list) : m_list(list) {}
    ResultListView(const ResultListView&) = delete;
    ResultListView& operator=(const ResultListView&) = delete;

    const CListBox& List() const { return m_list; }

    // The order the list sorts its lines in, for results bound for it.
    LCID Locale() const;

    // Replaces every line with the results, in their order.
    void Show(const ResultSet& results);
    void Clear();

    // The result a line shows; a line put there by other means (no item
    // data) stands for what its text says, its size unknown.
    Result ResultAt(int index) const;

    // A line whose item stayed after some of it was removed stands for what is left.
    void Freed(int index, std::uint64_t bytes);

    ListCounts Counts() const;
    // The selected lines, from the first to the last.
    std::vector<int> SelectedIndices() const;
    std::uint64_t SelectedBytes() const;

    // Selects or deselects every line, from the last to the first. The list
    // sends no selection notice for this, so callers refresh the status line.
    void SetAllSelected(bool selected) const;

    // What filled the list; Show and Clear forget it.
    Listing ShownListing() const { return m_listing; }
    void SetShownListing(Listing listing) { m_listing = listing; }

    // Lines whose items the system refused to remove: an administrator may.
    void MarkDenied(int index, bool denied);
    // The selected ones among them, from the first to the last.
    std::vector<int> SelectedDenied() const;

private:
    Result* ShownAt(int index) const;

    const CListBox& m_list;
    std::deque<Result> m_shown;  // stays put while its lines point into it
    Listing m_listing = Listing::None;
    std::unordered_set<const Result*> m_denied;
};
