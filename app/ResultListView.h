#pragma once

#include "framework/ListBox.h"
#include "scan/ResultList.h"
#include "scan/Results.h"

#include <cstdint>
#include <vector>

// The listing that filled a list.
enum class Listing { None, Standard, Cookies, Temporary, Rules };

// The result list box as a view of results. Each line's text is the result's
// line, as before, and its item data points to the result, size and all.
// The selected lines' size is a running figure: the view follows its own
// changes of the selection, and the list's own (a click or the space bar
// toggles the line with the caret) when the status asks for it.
class ResultListView {
public:
    explicit ResultListView(const CListBox& list) : m_list(list) {}
    ResultListView(const ResultListView&) = delete;
    ResultListView& operator=(const ResultListView&) = delete;

    const CListBox& List() const { return m_list; }

    // The order the list sorts its lines in, for results bound for it.
    LCID Locale() const;

    // Replaces every line with the results, in their order.
    void Show(ResultSet results);
    void Clear();

    // The result a line shows; a line put there by other means (no item
    // data) stands for what its text says, its size unknown.
    Result ResultAt(int index) const;
    std::vector<Result> ResultsAt(const std::vector<int>& indices) const;

    // What a removal did to one selected line: a line whose item is gone
    // leaves the list; one whose item stayed keeps its line and selection
    // and stands for what is left.
    struct LineRemoval {
        int index;
        bool leaves;
        std::uint64_t bytes;  // freed or moved
        bool denied;          // stayed because the system refused it
    };
    // The lines from the last to the first.
    void Removed(const std::vector<LineRemoval>& lines);

    ListCounts Counts() const;
    // The selected lines, from the first to the last.
    std::vector<int> SelectedIndices() const;
    std::uint64_t SelectedBytes() const;

    // Selects or deselects every line in one change of the list; Select All
    // leaves the caret on the first line, scrolled into view. The list sends
    // no selection notice for this, so callers refresh the status line.
    void SetAllSelected(bool selected);

    // What filled the list; Show and Clear forget it.
    Listing ShownListing() const { return m_listing; }
    void SetShownListing(Listing listing) { m_listing = listing; }

    // The selected lines whose removal the system refused (Removed was told
    // so): an administrator may remove them. From the first to the last.
    std::vector<int> SelectedDenied() const;

private:
    struct Shown {
        Result result;
        bool selected;       // as the view last saw it
        bool denied = false;  // the system refused its removal
    };
    struct Selection {
        int lines = 0;
        std::uint64_t bytes = 0;
    };

    // The view's part of emptying the list.
    void Forget();
    Shown* ShownAt(int index) const;
    void FollowSelection() const;
    void Recount() const;

    const CListBox& m_list;
    // Filled once by Show, in room reserved for all: it stays put while its
    // lines point into it.
    mutable std::vector<Shown> m_shown;
    std::uint64_t m_shownBytes = 0;  // of the lines in the list
    mutable Selection m_selection;
    Listing m_listing = Listing::None;
    int m_deniedLines = 0;  // shown lines whose removal the system refused
};
