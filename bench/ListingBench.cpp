// Times the scan's walkers and prints the lines found and the seconds taken.
// tools/bench compares the figures with find, sort and du on the same folders.
//   listing_bench FOLDER PATTERN   the hits of one search, shown in a sorted list
//   listing_bench entry FOLDER     one folder line, its tree's size included
#include "app/ResultListView.h"
#include "scan/PathText.h"
#include "scan/Walkers.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: listing_bench FOLDER PATTERN | listing_bench entry FOLDER\n");
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

    LARGE_INTEGER frequency, start, stop;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    ResultSet results(view.Locale());
    if (std::strcmp(argv[1], "entry") == 0) {
        const std::string folder = argv[2];
        const size_t slash = folder.rfind('\\');
        AddFolderEntry(results, folder.substr(0, slash), folder.substr(slash + 1).c_str());
    } else {
        AddMatches(results, argv[1], argv[2]);
    }
    view.Show(results);
    QueryPerformanceCounter(&stop);

    std::printf("%d %.3f %llu\n", list.GetCount(),
                static_cast<double>(stop.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart),
                static_cast<unsigned long long>(results.TotalBytes()));
    DestroyWindow(frame);
    return 0;
}
