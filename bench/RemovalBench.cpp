// Removes one folder tree and prints the time in seconds: with the program's
// RemoveFolderTree, or with the bare loop of enumeration and removal that is
// the platform's floor, run by one worker or by two that share the tree's
// folders. tools/bench compares them with rm -rf.
#include "clean/DeletionEngine.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

// Calls `act` with the path and attributes of every entry of a folder.
template <typename Act>
void ForEachEntry(const std::string& folder, Act act)
{
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((folder + "\\*.*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        if (std::strcmp(entry.cFileName, ".") == 0 || std::strcmp(entry.cFileName, "..") == 0) continue;
        act(folder + "\\" + entry.cFileName, entry.dwFileAttributes);
    } while (FindNextFileA(search, &entry));
    FindClose(search);
}

void RemoveBare(const std::string& folder)
{
    ForEachEntry(folder, [](const std::string& child, DWORD attributes) {
        if (attributes & FILE_ATTRIBUTE_DIRECTORY) RemoveBare(child);
        else DeleteFileA(child.c_str());
    });
    RemoveDirectoryA(folder.c_str());
}

// The top folder's folders, half to each of two workers.
void RemoveBareByTwo(const std::string& folder)
{
    std::vector<std::string> folders;
    ForEachEntry(folder, [&folders](const std::string& child, DWORD attributes) {
        if (attributes & FILE_ATTRIBUTE_DIRECTORY) folders.push_back(child);
        else DeleteFileA(child.c_str());
    });
    std::thread other([&] {
        for (size_t at = 1; at < folders.size(); at += 2) RemoveBare(folders[at]);
    });
    for (size_t at = 0; at < folders.size(); at += 2) RemoveBare(folders[at]);
    other.join();
    RemoveDirectoryA(folder.c_str());
}

}  // namespace

int main(int argc, char** argv)
{
    const bool known = argc == 3 && (std::strcmp(argv[1], "tree") == 0 || std::strcmp(argv[1], "bare") == 0 ||
                                     std::strcmp(argv[1], "bare2") == 0);
    if (!known) {
        std::fprintf(stderr, "usage: removal_bench tree|bare|bare2 FOLDER\n");
        return 2;
    }
    LARGE_INTEGER frequency, start, stop;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    if (std::strcmp(argv[1], "tree") == 0) RemoveFolderTree(argv[2]);
    else if (std::strcmp(argv[1], "bare") == 0) RemoveBare(argv[2]);
    else RemoveBareByTwo(argv[2]);
    QueryPerformanceCounter(&stop);
    const bool gone = GetFileAttributesA(argv[2]) == INVALID_FILE_ATTRIBUTES;
    std::printf("%s %.3f\n", gone ? "removed" : "left", static_cast<double>(stop.QuadPart - start.QuadPart) /
                                                            static_cast<double>(frequency.QuadPart));
    return gone ? 0 : 1;
}
