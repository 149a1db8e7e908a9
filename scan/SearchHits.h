#pragma once

#include "scan/Results.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// The hits of one search on their way into the results. Their sort keys
// cost more than finding them, so a search with many hits has the keys made
// on a second thread while it goes on finding more.
class SearchHits {
public:
    explicit SearchHits(LCID locale) : m_locale(locale) {}
    ~SearchHits();
    SearchHits(const SearchHits&) = delete;
    SearchHits& operator=(const SearchHits&) = delete;

    void Add(Result hit);
    // Every hit, in its sorted place, once all keys are made.
    void AddTo(ResultSet& results);

private:
    struct Chunk {
        std::vector<Result> hits;
        std::vector<std::string> keys;
    };
    void Hand();
    void MakeKeys();
    void MakeKeysOf(Chunk& chunk) const;
    void Stop();

    LCID m_locale;
    Chunk m_filling;
    std::mutex m_mutex;
    std::condition_variable m_handed;
    std::deque<Chunk> m_waiting;  // handed, keys not made yet
    std::vector<Chunk> m_keyed;   // in the order handed
    bool m_finished = false;
    std::thread m_keyMaker;
};
