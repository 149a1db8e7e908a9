#pragma once

#include "scan/Results.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// The hits of one search on their way into the results. Their sort keys
// and their sorting cost more than finding them, so a search with many hits
// has them keyed and sorted on a second thread while it goes on finding more.
class SearchHits {
public:
    explicit SearchHits(LCID locale) : m_locale(locale) {}
    ~SearchHits();
    SearchHits(const SearchHits&) = delete;
    SearchHits& operator=(const SearchHits&) = delete;

    void Add(Result hit);
    // Every hit, in its sorted place, once all are sorted.
    void AddTo(ResultSet& results);

private:
    // Hits, and once sorted their keys.
    struct Run {
        std::vector<Result> hits;
        std::vector<std::string> keys;
    };

    void Hand();
    void SortHanded();
    void Sort(Run chunk);
    void Stop();

    LCID m_locale;
    Run m_filling;
    std::mutex m_mutex;
    std::condition_variable m_handed;
    std::deque<Run> m_waiting;  // handed, not sorted yet
    // Sorted runs in the order found, each more than twice as long as the
    // next, so that every hit is merged a few times only.
    std::vector<Run> m_sorted;
    bool m_finished = false;
    std::thread m_sorter;
};
