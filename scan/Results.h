#pragma once

#include "scan/FileSweep.h"
#include "scan/RegistryItem.h"
#include "scan/WorkStatus.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// One found item: what its line says, what it names and how big it is.
struct Result {
    Result() = default;
    Result(std::string text, std::string item, bool isFolder, std::uint64_t size)
        : line(std::move(text)), path(std::move(item)), folder(isFolder), bytes(size)
    {
    }

    std::string line;         // the list's text: the path, and "..." after it for a whole folder
    std::string path;         // the item itself (a folder line's path without its dots)
    bool folder = false;      // the line stands for a folder and everything in it
    std::uint64_t bytes = 0;  // the file's size, or the sum of the files in the folder's tree

    // A line of a cleaning rule: the entry's name, the text to show before
    // its first removal, and what it removes (files by their names under a
    // root folder, or a registry key or value) in place of the item alone.
    std::string rule;
    std::string warning;
    std::shared_ptr<const FileSweep> sweep;
    std::shared_ptr<const RegistryItem> registry;
    bool recycleBin = false;  // the Recycle Bin of every drive, emptied as a whole
};

// What a result stands for, as reports name it: "file", "folder", "files"
// (a rule's files under a root), "registry key", "registry value".
const char* ResultKind(const Result& result);

// The result a line stands for, its size unknown (0).
Result ResultOfLine(const std::string& line);

// Lines are compared as the list box compares them, in UTF-16, whatever
// code page the locale has of its own. Comparing these keys byte by byte
// gives what comparing the texts would.
std::string LineSortKey(LCID locale, const std::string& line);

// Puts results in the order of their sort keys; equal keys keep their order.
void SortByKeys(std::vector<Result>& results, std::vector<std::string>& keys);
// Merges `later`, sorted by its keys, into `results`, sorted the same way:
// a line equal to one already there goes after it.
void MergeByKeys(std::vector<Result>& results, std::vector<std::string>& keys, std::vector<Result> later,
                 std::vector<std::string> laterKeys);

// The results of a listing in the list's own order: by their lines, letter
// case ignored, as the locale sorts them. Equal lines stay in the order found.
class ResultSet {
public:
    explicit ResultSet(LCID locale = LOCALE_USER_DEFAULT) : m_locale(locale) {}

    // Adds the results of one search, each at its sorted place.
    void Add(std::vector<Result> batch);
    // The same, with the sort key of each made already (LineSortKey).
    void Add(std::vector<Result> batch, std::vector<std::string> keys);
    // The same, the batch in the order of its keys already.
    void AddSorted(std::vector<Result> batch, std::vector<std::string> keys);
    void Add(Result result);
    void Clear();

    // The listing reports its progress to `status` and stops when asked there.
    void ReportTo(WorkStatus* status) { m_status = status; }
    WorkStatus* Status() const { return m_status; }
    bool StopRequested() const { return m_status != nullptr && m_status->StopRequested(); }

    LCID Locale() const { return m_locale; }
    const std::vector<Result>& Items() const { return m_items; }
    // The results, in order, leaving the set empty.
    std::vector<Result> TakeItems();
    std::size_t Size() const { return m_items.size(); }
    std::uint64_t TotalBytes() const;

private:
    LCID m_locale;
    WorkStatus* m_status = nullptr;
    std::vector<Result> m_items;
    std::vector<std::string> m_keys;  // the sort key of each item, in the same order
};
