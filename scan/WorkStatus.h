#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

// What long work shares with whoever watches it from another thread: how
// far it is, the item it is on, and whether it has been asked to stop. The
// work checks StopRequested between items and stops after the current one.
class WorkStatus {
public:
    struct Snapshot {
        std::string current;
        std::uint64_t itemsDone = 0;
        std::uint64_t itemsTotal = 0;
        std::uint64_t bytesDone = 0;
        std::uint64_t bytesTotal = 0;
    };

    void RequestStop() { m_stop = true; }
    bool StopRequested() const { return m_stop; }

    void SetTotals(std::uint64_t items, std::uint64_t bytes)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_state.itemsTotal = items;
        m_state.bytesTotal = bytes;
    }
    void SetCurrent(const std::string& item)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_state.current = item;
    }
    void AddBytes(std::uint64_t bytes)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_state.bytesDone += bytes;
    }
    void ItemDone()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        ++m_state.itemsDone;
    }
    Snapshot Read() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_state;
    }

private:
    std::atomic<bool> m_stop{false};
    mutable std::mutex m_mutex;
    Snapshot m_state;
};
