#pragma once

#include "scan/Results.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// A found name as the program's narrow text, or "" when it is "." or ".."
// or not one to list: a character the code page lacks comes out as "?",
// which names nothing, and a name the system's path parsing would change
// names another item.
std::string ListableName(const wchar_t* name);

// The hits of one search in a folder on their way into the results. Their
// lines, sort keys and sorting cost more than finding them, so a search with
// many hits has them made and sorted on a second thread while it goes on
// finding more.
class SearchHits {
public:
    SearchHits(LCID locale, std::string folder) : m_locale(locale), m_folder(std::move(folder)) {}
    ~SearchHits();
    SearchHits(const SearchHits&) = delete;
    SearchHits& operator=(const SearchHits&) = delete;

    // A hit by its name as found; one whose name is not listable is left out.
    void Add(const wchar_t* name, bool isFolder, std::uint64_t bytes);
    // Every hit, in its sorted place, once all are sorted.
    void AddTo(ResultSet& results);

private:
    // Hits as found; once sorted, as results with their keys.
    struct Run {
        std::vector<wchar_t> names;  // each ended by a null
        struct Found {
            size_t name;  // where its name starts in `names`
            bool folder;
            std::uint64_t bytes;
        };
        std::vector<Found> found;
        std::vector<Result> hits;
        std::vector<std::string> keys;
    };
    void Hand();
    void SortHanded();
    void MakeResults(Run& chunk) const;
    void Sort(Run chunk);
    void Stop();

    LCID m_locale;
    std::string m_folder;
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
