#include "app/ResultListView.h"

#include "menus/MenuWindows.h"

#include <algorithm>

namespace {

// Other windows hear back from this thread at least this often while it
// works through many lines.
constexpr DWORD AnswerMs = 20;

// Work through many lines: the menu hook paused (no menu opens meanwhile)
// and messages sent from other threads and programs answered as it goes.
class LongListWork {
public:
    LongListWork() = default;
    LongListWork(const LongListWork&) = delete;
    LongListWork& operator=(const LongListWork&) = delete;

    // Called after each line.
    void Step()
    {
        if (++m_steps % 256 != 0 || GetTickCount() - m_answered < AnswerMs) return;
        MSG message;
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        m_answered = GetTickCount();
    }

private:
    MenuWindowHookPause m_pause;
    unsigned m_steps = 0;
    DWORD m_answered = GetTickCount();
};

// Many lines changed at once, drawn when all are done.
class BulkChange : public LongListWork {
public:
    explicit BulkChange(HWND list) : m_list(list) { SendMessageA(m_list, WM_SETREDRAW, FALSE, 0); }
    ~BulkChange()
    {
        SendMessageA(m_list, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(m_list, nullptr, TRUE);
    }

private:
    HWND m_list;
};

// Empties the list from the last line to the first, which moves no other line.
void DeleteAllLines(HWND list, LongListWork& change)
{
    for (LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0); count > 0; --count) {
        SendMessageA(list, LB_DELETESTRING, count - 1, 0);
        change.Step();
    }
}

}  // namespace

LCID ResultListView::Locale() const
{
    return static_cast<LCID>(SendMessageA(m_list.m_hWnd, LB_GETLOCALE, 0, 0));
}

void ResultListView::Clear()
{
    {
        BulkChange change(m_list.m_hWnd);
        DeleteAllLines(m_list.m_hWnd, change);
    }
    Forget();
}

void ResultListView::Forget()
{
    m_shown = std::vector<Shown>();
    m_shownBytes = 0;
    m_selection = {};
    m_listing = Listing::None;
    m_deniedLines = 0;
}

// The lines go in already sorted, each at the end.
void ResultListView::Show(ResultSet results)
{
    HWND list = m_list.m_hWnd;
    BulkChange change(list);
    DeleteAllLines(list, change);
    Forget();
    SendMessageA(list, LB_INITSTORAGE, results.Size(), 0);
    m_shown.reserve(results.Size());
    for (Result& result : results.TakeItems()) {
        m_shown.push_back({std::move(result), false});
        m_shownBytes += m_shown.back().result.bytes;
        const LRESULT index = SendMessageA(list, LB_INSERTSTRING, static_cast<WPARAM>(-1),
                                           reinterpret_cast<LPARAM>(m_shown.back().result.line.c_str()));
        if (index >= 0) SendMessageA(list, LB_SETITEMDATA, index, reinterpret_cast<LPARAM>(&m_shown.back()));
        change.Step();
    }
}

ResultListView::Shown* ResultListView::ShownAt(int index) const
{
    const LRESULT data = SendMessageA(m_list.m_hWnd, LB_GETITEMDATA, index, 0);
    return data == 0 || data == LB_ERR ? nullptr : reinterpret_cast<Shown*>(data);
}

void ResultListView::Removed(const std::vector<LineRemoval>& lines)
{
    FollowSelection();
    HWND list = m_list.m_hWnd;
    BulkChange change(list);
    for (const LineRemoval& line : lines) {
        Shown* shown = ShownAt(line.index);
        if (line.leaves) {
            if (shown != nullptr) {
                if (shown->denied) --m_deniedLines;
                m_shownBytes -= std::min(m_shownBytes, shown->result.bytes);
                if (shown->selected) {
                    --m_selection.lines;
                    m_selection.bytes -= std::min(m_selection.bytes, shown->result.bytes);
                }
            } else if (m_list.GetSel(line.index)) {
                --m_selection.lines;
            }
            SendMessageA(list, LB_DELETESTRING, line.index, 0);
        } else if (shown != nullptr) {
            const std::uint64_t freed = std::min(shown->result.bytes, line.bytes);
            shown->result.bytes -= freed;
            m_shownBytes -= std::min(m_shownBytes, freed);
            if (shown->selected) m_selection.bytes -= std::min(m_selection.bytes, freed);
            if (shown->denied != line.denied) m_deniedLines += line.denied ? 1 : -1;
            shown->denied = line.denied;
        }
        change.Step();
    }
}

Result ResultListView::ResultAt(int index) const
{
    const Shown* shown = ShownAt(index);
    return shown ? shown->result : ResultOfLine(m_list.GetText(index));
}

std::vector<Result> ResultListView::ResultsAt(const std::vector<int>& indices) const
{
    LongListWork work;
    std::vector<Result> results;
    results.reserve(indices.size());
    for (int index : indices) {
        results.push_back(ResultAt(index));
        work.Step();
    }
    return results;
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
    FollowSelection();
    return m_selection.bytes;
}

// Brings the running figures up to what the list shows. The list's own
// change of selection is one line, the one with the caret; anything else
// is counted afresh.
void ResultListView::FollowSelection() const
{
    const int selected = m_list.GetSelCount();
    if (selected == m_selection.lines) return;
    const int caret = static_cast<int>(SendMessageA(m_list.m_hWnd, LB_GETCARETINDEX, 0, 0));
    Shown* shown = caret >= 0 ? ShownAt(caret) : nullptr;
    const int change = selected - m_selection.lines;
    if (shown != nullptr && (change == 1 || change == -1) && shown->selected == (change < 0) &&
        m_list.GetSel(caret) == (change > 0)) {
        shown->selected = change > 0;
        m_selection.lines = selected;
        if (change > 0) m_selection.bytes += shown->result.bytes;
        else m_selection.bytes -= std::min(m_selection.bytes, shown->result.bytes);
        return;
    }
    Recount();
}

void ResultListView::Recount() const
{
    LongListWork work;
    for (Shown& shown : m_shown) shown.selected = false;
    m_selection = {};
    for (int index : SelectedIndices()) {
        ++m_selection.lines;
        if (Shown* shown = ShownAt(index)) {
            shown->selected = true;
            m_selection.bytes += shown->result.bytes;
        }
        work.Step();
    }
}

void ResultListView::SetAllSelected(bool selected)
{
    {
        BulkChange change(m_list.m_hWnd);
        SendMessageA(m_list.m_hWnd, LB_SETSEL, selected, -1);
        // As selecting each line from the last to the first left it.
        if (selected && m_list.GetCount() > 0) SendMessageA(m_list.m_hWnd, LB_SETCARETINDEX, 0, FALSE);
    }
    for (Shown& shown : m_shown) shown.selected = selected;
    m_selection = selected ? Selection{m_list.GetCount(), m_shownBytes} : Selection{};
}

std::vector<int> ResultListView::SelectedDenied() const
{
    std::vector<int> denied;
    if (m_deniedLines == 0) return denied;
    for (int index : SelectedIndices()) {
        const Shown* shown = ShownAt(index);
        if (shown != nullptr && shown->denied) denied.push_back(index);
    }
    return denied;
}
