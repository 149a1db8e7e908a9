#include "scan/Results.h"

#include "scan/PathText.h"
#include "scan/WideText.h"

#include <algorithm>
#include <numeric>

std::string LineSortKey(LCID locale, const std::string& line)
{
    // Most lines and their keys fit in room on the stack: one conversion and
    // one call each, and no allocation but the key's own.
    wchar_t wideRoom[512];
    std::wstring longer;
    const wchar_t* wide = wideRoom;
    int length = MultiByteToWideChar(CP_ACP, 0, line.data(), static_cast<int>(line.size()), wideRoom, 512);
    if (length == 0 && !line.empty()) {
        longer = WideFromNarrow(line);
        wide = longer.c_str();
        length = static_cast<int>(longer.size());
    }
    const DWORD flags = LCMAP_SORTKEY | NORM_IGNORECASE;
    char keyRoom[2048];
    int size = LCMapStringW(locale, flags, wide, length, reinterpret_cast<LPWSTR>(keyRoom), sizeof keyRoom);
    if (size > 0) return std::string(keyRoom, static_cast<size_t>(size));
    size = LCMapStringW(locale, flags, wide, length, nullptr, 0);
    if (size <= 0) return {};
    std::string key(static_cast<size_t>(size), '\0');
    LCMapStringW(locale, flags, wide, length, reinterpret_cast<LPWSTR>(&key[0]), size);
    return key;
}

Result ResultOfLine(const std::string& line)
{
    const bool folder = IsFolderEntry(line);
    return {line, folder ? FolderPathOf(line) : line, folder, 0};
}

const char* ResultKind(const Result& result)
{
    if (result.sweep) return "files";
    if (result.recycleBin) return "recycle bin";
    if (result.registry) return result.registry->isValue ? "registry value" : "registry key";
    return result.folder ? "folder" : "file";
}

void ResultSet::Add(Result result)
{
    std::vector<Result> batch;
    batch.push_back(std::move(result));
    Add(std::move(batch));
}

// Sorting a search's hits by key and merging them in costs a fraction of
// placing each line on its own in a list of many thousand.
void ResultSet::Add(std::vector<Result> batch)
{
    std::vector<std::string> keys;
    keys.reserve(batch.size());
    for (const Result& result : batch) keys.push_back(LineSortKey(m_locale, result.line));
    Add(std::move(batch), std::move(keys));
}

void SortByKeys(std::vector<Result>& results, std::vector<std::string>& keys)
{
    std::vector<size_t> order(results.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(), [&keys](size_t a, size_t b) { return keys[a] < keys[b]; });
    std::vector<Result> sorted;
    std::vector<std::string> sortedKeys;
    sorted.reserve(order.size());
    sortedKeys.reserve(order.size());
    for (size_t index : order) {
        sorted.push_back(std::move(results[index]));
        sortedKeys.push_back(std::move(keys[index]));
    }
    results = std::move(sorted);
    keys = std::move(sortedKeys);
}

void MergeByKeys(std::vector<Result>& results, std::vector<std::string>& keys, std::vector<Result> later,
                 std::vector<std::string> laterKeys)
{
    if (results.empty()) {
        results = std::move(later);
        keys = std::move(laterKeys);
        return;
    }
    std::vector<Result> merged;
    std::vector<std::string> mergedKeys;
    merged.reserve(results.size() + later.size());
    mergedKeys.reserve(merged.capacity());
    size_t old = 0;
    for (size_t next = 0; next < later.size(); ++next) {
        while (old < results.size() && !(laterKeys[next] < keys[old])) {
            merged.push_back(std::move(results[old]));
            mergedKeys.push_back(std::move(keys[old]));
            ++old;
        }
        merged.push_back(std::move(later[next]));
        mergedKeys.push_back(std::move(laterKeys[next]));
    }
    for (; old < results.size(); ++old) {
        merged.push_back(std::move(results[old]));
        mergedKeys.push_back(std::move(keys[old]));
    }
    results = std::move(merged);
    keys = std::move(mergedKeys);
}

void ResultSet::Add(std::vector<Result> batch, std::vector<std::string> keys)
{
    SortByKeys(batch, keys);
    AddSorted(std::move(batch), std::move(keys));
}

void ResultSet::AddSorted(std::vector<Result> batch, std::vector<std::string> keys)
{
    MergeByKeys(m_items, m_keys, std::move(batch), std::move(keys));
}

std::vector<Result> ResultSet::TakeItems()
{
    std::vector<Result> items = std::move(m_items);
    Clear();
    return items;
}

void ResultSet::Clear()
{
    m_items.clear();
    m_keys.clear();
}

std::uint64_t ResultSet::TotalBytes() const
{
    return std::accumulate(m_items.begin(), m_items.end(), std::uint64_t{0},
                           [](std::uint64_t sum, const Result& result) { return sum + result.bytes; });
}
