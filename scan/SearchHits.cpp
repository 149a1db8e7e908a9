#include "scan/SearchHits.h"

#include "scan/PathText.h"
#include "scan/WideText.h"

#include <cwchar>
#include <system_error>

namespace {

// Hits below this many are sorted where they were found: a thread would
// cost more than it saves.
constexpr size_t ChunkSize = 2048;

}  // namespace

std::string ListableName(const wchar_t* name)
{
    bool exact = false;
    std::string narrow = NarrowWithoutLookAlikes(name, static_cast<int>(std::wcslen(name)), exact);
    if (IsDotName(narrow.c_str()) || !IsAddressableName(narrow.c_str())) return {};
    return narrow;
}

SearchHits::~SearchHits() { Stop(); }

// The searching thread only keeps the name: no allocation of its own for most hits.
void SearchHits::Add(const wchar_t* name, bool isFolder, std::uint64_t bytes)
{
    if (m_filling.found.empty()) {
        m_filling.found.reserve(ChunkSize);
        m_filling.names.reserve(ChunkSize * 32);
    }
    m_filling.found.push_back({m_filling.names.size(), isFolder, bytes});
    m_filling.names.insert(m_filling.names.end(), name, name + std::wcslen(name) + 1);
    if (m_filling.found.size() == ChunkSize) Hand();
}

void SearchHits::Hand()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_waiting.push_back(std::move(m_filling));
    }
    m_filling = Run();
    m_handed.notify_one();
    if (m_sorter.joinable()) return;
    try {
        m_sorter = std::thread([this] { SortHanded(); });
    } catch (const std::system_error&) {
        // Without a second thread the hits are sorted at the end.
    }
}

void SearchHits::MakeResults(Run& chunk) const
{
    chunk.hits.reserve(chunk.found.size());
    for (const Run::Found& found : chunk.found) {
        const std::string name = ListableName(&chunk.names[found.name]);
        if (name.empty()) continue;
        std::string path = JoinPath(m_folder, name);
        std::string line = found.folder ? FolderEntryText(path) : path;
        chunk.hits.push_back({std::move(line), std::move(path), found.folder, found.bytes});
    }
    chunk.found = {};
    chunk.names = {};
}

// Only one thread at a time sorts: the second until Stop has joined it,
// then the searching one.
void SearchHits::Sort(Run chunk)
{
    MakeResults(chunk);
    chunk.keys.reserve(chunk.hits.size());
    for (const Result& hit : chunk.hits) chunk.keys.push_back(LineSortKey(m_locale, hit.line));
    SortByKeys(chunk.hits, chunk.keys);
    while (!m_sorted.empty() && m_sorted.back().hits.size() <= 2 * chunk.hits.size()) {
        Run& earlier = m_sorted.back();
        MergeByKeys(earlier.hits, earlier.keys, std::move(chunk.hits), std::move(chunk.keys));
        chunk = std::move(earlier);
        m_sorted.pop_back();
    }
    m_sorted.push_back(std::move(chunk));
}

void SearchHits::SortHanded()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_handed.wait(lock, [this] { return !m_waiting.empty() || m_finished; });
        if (m_waiting.empty()) return;
        Run chunk = std::move(m_waiting.front());
        m_waiting.pop_front();
        lock.unlock();
        Sort(std::move(chunk));
        lock.lock();
    }
}

void SearchHits::Stop()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_finished = true;
    }
    m_handed.notify_one();
    if (m_sorter.joinable()) m_sorter.join();
}

void SearchHits::AddTo(ResultSet& results)
{
    Stop();
    // What no second thread took is sorted here, in the order found.
    for (Run& chunk : m_waiting) Sort(std::move(chunk));
    m_waiting.clear();
    if (!m_filling.found.empty()) Sort(std::move(m_filling));
    m_filling = Run();
    while (m_sorted.size() > 1) {
        Run later = std::move(m_sorted.back());
        m_sorted.pop_back();
        MergeByKeys(m_sorted.back().hits, m_sorted.back().keys, std::move(later.hits), std::move(later.keys));
    }
    if (m_sorted.empty()) return;
    results.AddSorted(std::move(m_sorted.back().hits), std::move(m_sorted.back().keys));
    m_sorted.clear();
}
