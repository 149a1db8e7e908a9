// Lists one folder with the scan's walker into a real sorted list box and
// prints the time in seconds. tools/bench compares it with find and sort.
#include "scan/Walkers.h"

#include <windows.h>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: listing_bench FOLDER PATTERN\n");
        return 2;
    }
    // A shown list in a shown window, as in the program.
    HWND frame = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 500, 400, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
    HWND window = CreateWindowExA(0, "LISTBOX", "",
                                  WS_CHILD | WS_VISIBLE | LBS_SORT | LBS_MULTIPLESEL | LBS_NOTIFY | WS_VSCROLL, 0, 0,
                                  400, 300, frame, nullptr, GetModuleHandleA(nullptr), nullptr);
    CListBox list;
    list.Attach(window);

    LARGE_INTEGER frequency, start, stop;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    AddMatches(list, argv[1], argv[2]);
    QueryPerformanceCounter(&stop);

    std::printf("%d %.3f\n", list.GetCount(),
                static_cast<double>(stop.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart));
    DestroyWindow(frame);
    return 0;
}
