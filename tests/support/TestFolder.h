#pragma once

#include <windows.h>

#include <string>
#include <vector>

// A folder that one test creates for itself, with a name no other test uses,
// and removes again with everything the test put in it.
class TestFolder {
public:
    // Creates a new folder under `parent` (created too, if missing).
    explicit TestFolder(const std::string& parent = "C:\\dustrel-tests");
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::string& Path() const { return m_path; }
    std::string operator/(const std::string& relative) const { return m_path + "\\" + relative; }

    // Creates a folder (and the folders above it) below this one; returns its path.
    std::string MakeFolder(const std::string& relative) const;
    // Creates a file below this one, with the folders above it; returns its path.
    std::string MakeFile(const std::string& relative, DWORD attributes = 0) const;

private:
    std::string m_path;
};

// A file at an exact place outside any test folder (a drive's root, say),
// removed when the test ends. The place must be free when the test starts.
class ScopedFile {
public:
    explicit ScopedFile(std::string path, DWORD attributes = 0);
    ~ScopedFile();
    ScopedFile(const ScopedFile&) = delete;
    ScopedFile& operator=(const ScopedFile&) = delete;
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
    bool m_created = false;
};

// Creates every missing folder of a path.
void MakeFolders(const std::string& path);

// Writes an empty file, failing the calling test when it cannot.
void WriteFile(const std::string& path, DWORD attributes = 0);

// Removes a tree that a test made: plain files and folders only; a link is
// removed as a link and never entered.
void RemoveTestTree(const std::string& path);

bool Exists(const std::string& path);

std::string CurrentDirectory();

// A name that no earlier run of any test has used.
std::string UniqueName(const std::string& stem);
