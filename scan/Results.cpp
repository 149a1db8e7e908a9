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

void ResultSet::Add(std::vector<Result> batch, std::vector<std::string> batchKeys)
{
    if (batch.empty()) return;
    std::vector<std::pair<std::string, size_t>> keyed;
    keyed.reserve(batch.size());
    for (size_t index = 0; index < batch.size(); ++index) keyed.emplace_back(std::move(batchKeys[index]), index);
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });

    std::vector<Result> items;
    std::vector<std::string> keys;
    items.reserve(m_items.size() + batch.size());
    keys.reserve(items.capacity());
    size_t old = 0;
    for (auto& entry : keyed) {
        // A line equal to one already there goes after it.
        while (old < m_items.size() && !(entry.first < m_keys[old])) {
            items.push_back(std::move(m_items[old]));
            keys.push_back(std::move(m_keys[old]));
            ++old;
        }
        items.push_back(std::move(batch[entry.second]));
        keys.push_back(std::move(entry.first));
    }
    for (; old < m_items.size(); ++old) {
        items.push_back(std::move(m_items[old]));
        keys.push_back(std::move(m_keys[old]));
    }
    m_items = std::move(items);
    m_keys = std::move(keys);
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
