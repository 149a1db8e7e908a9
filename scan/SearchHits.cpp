#include "scan/SearchHits.h"

#include <iterator>
#include <system_error>

namespace {

// Hits below this many are keyed where they were found: a thread would
// cost more than it saves.
constexpr size_t ChunkSize = 2048;

}  // namespace

SearchHits::~SearchHits() { Stop(); }

void SearchHits::Add(Result hit)
{
    if (m_filling.hits.empty()) m_filling.hits.reserve(ChunkSize);
    m_filling.hits.push_back(std::move(hit));
    if (m_filling.hits.size() == ChunkSize) Hand();
}

void SearchHits::Hand()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_waiting.push_back(std::move(m_filling));
    }
    m_filling = Chunk();
    m_handed.notify_one();
    if (m_keyMaker.joinable()) return;
    try {
        m_keyMaker = std::thread([this] { MakeKeys(); });
    } catch (const std::system_error&) {
        // Without a second thread the keys are made at the end.
    }
}

void SearchHits::MakeKeysOf(Chunk& chunk) const
{
    chunk.keys.reserve(chunk.hits.size());
    for (const Result& hit : chunk.hits) chunk.keys.push_back(LineSortKey(m_locale, hit.line));
}

void SearchHits::MakeKeys()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_handed.wait(lock, [this] { return !m_waiting.empty() || m_finished; });
        if (m_waiting.empty()) return;
        Chunk chunk = std::move(m_waiting.front());
        m_waiting.pop_front();
        lock.unlock();
        MakeKeysOf(chunk);
        lock.lock();
        m_keyed.push_back(std::move(chunk));
    }
}

void SearchHits::Stop()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_finished = true;
    }
    m_handed.notify_one();
    if (m_keyMaker.joinable()) m_keyMaker.join();
}

void SearchHits::AddTo(ResultSet& results)
{
    Stop();
    // What no second thread took is keyed here, in the order found.
    for (Chunk& chunk : m_waiting) {
        MakeKeysOf(chunk);
        m_keyed.push_back(std::move(chunk));
    }
    m_waiting.clear();
    MakeKeysOf(m_filling);
    m_keyed.push_back(std::move(m_filling));
    m_filling = Chunk();

    std::vector<Result> hits;
    std::vector<std::string> keys;
    for (Chunk& chunk : m_keyed) {
        std::move(chunk.hits.begin(), chunk.hits.end(), std::back_inserter(hits));
        std::move(chunk.keys.begin(), chunk.keys.end(), std::back_inserter(keys));
    }
    m_keyed.clear();
    results.Add(std::move(hits), std::move(keys));
}
