#include "tests/support/TestFolder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>

namespace {

// Tests start in C:\ as the program starts in its own folder: Wine starts a
// test in the Unix folder it was run from, outside every drive, and once left
// that folder cannot be made current again.
const bool g_startsOnC = SetCurrentDirectoryA("C:\\") != FALSE;

}  // namespace

std::string UniqueName(const std::string& stem)
{
    static std::atomic<unsigned> counter{0};
    char suffix[64];
    std::snprintf(suffix, sizeof suffix, "-%lu-%lu-%u", GetCurrentProcessId(), GetTickCount(),
                  counter++);
    return stem + suffix;
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string CurrentDirectory()
{
    char path[MAX_PATH * 2] = "";
    GetCurrentDirectoryA(sizeof path, path);
    return path;
}

void MakeFolders(const std::string& path)
{
    for (size_t slash = path.find('\\', 3); slash != std::string::npos; slash = path.find('\\', slash + 1))
        CreateDirectoryA(path.substr(0, slash).c_str(), nullptr);
    CreateDirectoryA(path.c_str(), nullptr);
    ASSERT_TRUE(Exists(path)) << "cannot create " << path;
}

void WriteFile(const std::string& path, DWORD attributes)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << "cannot create " << path;
    DWORD written = 0;
    ::WriteFile(file, "junk", 4, &written, nullptr);
    CloseHandle(file);
    if (attributes != 0) {
        ASSERT_TRUE(SetFileAttributesA(path.c_str(), attributes)) << path;
    }
}

void RemoveTestTree(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        DeleteFileA(path.c_str());
        return;
    }
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const std::string name = found.cFileName;
                if (name != "." && name != "..") RemoveTestTree(path + "\\" + name);
            } while (FindNextFileA(search, &found));
            FindClose(search);
        }
    }
    RemoveDirectoryA(path.c_str());
}

TestFolder::TestFolder(const std::string& parent)
{
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    m_path = parent + (parent.back() == '\\' ? "" : "\\") + UniqueName(test ? test->name() : "folder");
    MakeFolders(m_path);
}

TestFolder::~TestFolder() { RemoveTestTree(m_path); }

std::string TestFolder::MakeFolder(const std::string& relative) const
{
    const std::string path = *this / relative;
    MakeFolders(path);
    return path;
}

std::string TestFolder::MakeFile(const std::string& relative, DWORD attributes) const
{
    const std::string path = *this / relative;
    const size_t slash = path.rfind('\\');
    MakeFolders(path.substr(0, slash));
    WriteFile(path, attributes);
    return path;
}

ScopedFile::ScopedFile(std::string path, DWORD attributes) : m_path(std::move(path))
{
    if (Exists(m_path)) {
        ADD_FAILURE() << m_path << " is in the way";
        return;
    }
    WriteFile(m_path, attributes);
    m_created = true;
}

ScopedFile::~ScopedFile()
{
    if (m_created) RemoveTestTree(m_path);
}
