// Times the scan's walkers and prints the lines found and the seconds taken.
// tools/bench compares the figures with find, sort and du on the same folders.
//   listing_bench FOLDER PATTERN   the hits of one search, shown in a sorted list
//   listing_bench entry FOLDER     one folder line, its tree's size included
//   listing_bench bare FOLDER PATTERN   the platform's enumeration alone: names
//                                  only, as the walker asks for them
#include "app/ResultListView.h"
#include "scan/PathText.h"
#include "scan/Walkers.h"
#include "scan/WideText.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

// The floor the walker's listing is measured against.
int BareEnumeration(const std::string& folder, const std::string& pattern)
{
    const std::wstring search = WideFromNarrow(JoinPath(folder, pattern));
    WIN32_FIND_DATAW entry;
    HANDLE found = FindFirstFileExW(search.c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch, nullptr,
                                    FIND_FIRST_EX_LARGE_FETCH);
    if (found == INVALID_HANDLE_VALUE) return 0;
    int count = 0;
    do ++count;
    while (FindNextFileW(found, &entry));
    FindClose(found);
    return count;
}

double Seconds(const LARGE_INTEGER& start, const LARGE_INTEGER& stop)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(stop.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::strcmp(argv[1], "bare") == 0) {
        LARGE_INTEGER start, stop;
        QueryPerformanceCounter(&start);
        const int count = BareEnumeration(argv[2], argv[3]);
        QueryPerformanceCounter(&stop);
        std::printf("%d %.3f\n", count, Seconds(start, stop));
        return 0;
    }
    if (argc != 3) {
        std::fprintf(stderr, "usage: listing_bench FOLDER PATTERN | listing_bench entry FOLDER | listing_bench bare FOLDER PATTERN\n");
        return 2;
    }
    // A shown list in a shown window, as in the program.
    HWND frame = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 500, 400, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
    HWND window = CreateWindowExA(0, "LISTBOX", "",
                                  WS_CHILD | WS_VISIBLE | LBS_SORT | LBS_MULTIPLESEL | LBS_NOTIFY | WS_VSCROLL |
                                      LBS_OWNERDRAWFIXED | LBS_HASSTRINGS,
                                  0, 0, 400, 300, frame, nullptr, GetModuleHandleA(nullptr), nullptr);
    CListBox list;
    list.Attach(window);
    ResultListView view(list);

    LARGE_INTEGER start, stop;
    QueryPerformanceCounter(&start);
    ResultSet results(view.Locale());
    if (std::strcmp(argv[1], "entry") == 0) {
        const std::string folder = argv[2];
        const size_t slash = folder.rfind('\\');
        AddFolderEntry(results, folder.substr(0, slash), folder.substr(slash + 1).c_str());
    } else {
        AddMatches(results, argv[1], argv[2]);
    }
    const std::uint64_t bytes = results.TotalBytes();
    view.Show(std::move(results));
    QueryPerformanceCounter(&stop);

    std::printf("%d %.3f %llu\n", list.GetCount(), Seconds(start, stop), static_cast<unsigned long long>(bytes));
    DestroyWindow(frame);
    return 0;
}
