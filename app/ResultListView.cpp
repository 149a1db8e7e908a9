#include "app/ResultListView.h"

#include <algorithm>

LCID ResultListView::Locale() const
{
    return static_cast<LCID>(SendMessageA(m_list.m_hWnd, LB_GETLOCALE, 0, 0));
}

void ResultListView::Clear()
{
    m_list.ResetContent();
    m_shown.clear();
    m_denied.clear();
    m_listing = Listing::None;
}

// The lines go in already sorted, each at the end, with drawing held: a
// shown list would otherwise update its scroll bar for every line.
void ResultListView::Show(const ResultSet& results)
{
    HWND list = m_list.m_hWnd;
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    Clear();
    SendMessageA(list, LB_INITSTORAGE, results.Size(), 0);
    for (const Result& result : results.Items()) {
        m_shown.push_back(result);
        const LRESULT index = SendMessageA(list, LB_INSERTSTRING, static_cast<WPARAM>(-1),
                                           reinterpret_cast<LPARAM>(result.line.c_str()));
        if (index >= 0) SendMessageA(list, LB_SETITEMDATA, index, reinterpret_cast<LPARAM>(&m_shown.back()));
    }
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

Result* ResultListView::ShownAt(int index) const
{
    const LRESULT data = SendMessageA(m_list.m_hWnd, LB_GETITEMDATA, index, 0);
    return data == 0 || data == LB_ERR ? nullptr : reinterpret_cast<Result*>(data);
}

void ResultListView::Freed(int index, std::uint64_t bytes)
{
    Result* shown = ShownAt(index);
    if (shown == nullptr) return;
    shown->bytes -= std::min(shown->bytes, bytes);
    RECT line = {};
    if (SendMessageA(m_list.m_hWnd, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&line)) != LB_ERR)
        InvalidateRect(m_list.m_hWnd, &line, TRUE);
}

Result ResultListView::ResultAt(int index) const
{
    const Result* shown = ShownAt(index);
    return shown ? *shown : ResultOfLine(m_list.GetText(index));
}

ListCounts ResultListView::Counts() const { return {m_list.GetCount(), m_list.GetSelCount()}; }

std::vector<int> ResultListView::SelectedIndices() const
{
    std::vector<int> indices(static_cast<size_t>(std::max(m_list.GetSelCount(), 0)));
    if (indices.empty()) return indices;
    const LRESULT count = SendMessageA(m_list.m_hWnd, LB_GETSELITEMS, indices.size(),
                                       reinterpret_cast<LPARAM>(indices.data()));
    indices.resize(count == LB_ERR ? 0 : static_cast<size_t>(count));
    return indices;
}

std::uint64_t ResultListView::SelectedBytes() const
{
    std::uint64_t bytes = 0;
    for (int index : SelectedIndices())
        if (const Result* shown = ShownAt(index)) bytes += shown->bytes;
    return bytes;
}

void ResultListView::SetAllSelected(bool selected) const
{
    for (int index = m_list.GetCount() - 1; index >= 0; --index) m_list.SetSel(index, selected);
}

void ResultListView::MarkDenied(int index, bool denied)
{
    const Result* shown = ShownAt(index);
    if (shown == nullptr) return;
    if (denied) m_denied.insert(shown);
    else m_denied.erase(shown);
}

std::vector<int> ResultListView::SelectedDenied() const
{
    std::vector<int> denied;
    if (m_denied.empty()) return denied;
    for (int index : SelectedIndices())
        if (m_denied.count(ShownAt(index)) != 0) denied.push_back(index);
    return denied;
}
