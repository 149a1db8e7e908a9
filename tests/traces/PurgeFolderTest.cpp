#include "traces/PurgeFolder.h"

#include "tests/support/TestFolder.h"
#include "tests/traces/TraceTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// A folder to purge, and beside it a folder the purge must never reach,
// with a canary that every test checks at its end.
struct PurgeFolderTest : ::testing::Test {
    TestFolder root;
    const std::string purged = root.MakeFolder("purged");
    const std::string outside = root.MakeFolder("outside");
    const std::string canary = outside + "\\canary.dat";
    const std::string canaryBytes = Pattern(20064);

    void SetUp() override { WriteBytes(canary, canaryBytes); }
    void TearDown() override { EXPECT_EQ(FileBytes(canary), canaryBytes) << "the canary outside was touched"; }

    std::string In(const std::string& relative) const { return purged + "\\" + relative; }
};

// Keeps a file open the way another program would: reading and writing by
// others allowed, deletion not, so it survives a purge for a look at it.
class HeldOpen {
public:
    explicit HeldOpen(const std::string& path)
        : m_file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr))
    {
        EXPECT_NE(m_file, INVALID_HANDLE_VALUE) << path;
    }
    ~HeldOpen() { CloseHandle(m_file); }
    HeldOpen(const HeldOpen&) = delete;
    HeldOpen& operator=(const HeldOpen&) = delete;

private:
    HANDLE m_file;
};

// What a wipe leaves of these bytes: the first 64, then zeros to the end.
std::string Wiped(const std::string& bytes)
{
    if (bytes.size() <= 64) return bytes;
    return bytes.substr(0, 64) + std::string(bytes.size() - 64, '\0');
}

TEST_F(PurgeFolderTest, AFolderThatCannotBeListedGivesFalseAndIsLeftAlone)
{
    EXPECT_FALSE(PurgeFolder(In("missing"), false, true));
    const std::string file = root.MakeFile("purged\\plain.txt");
    EXPECT_FALSE(PurgeFolder(file, true, true)) << "a file is not a folder";
    EXPECT_TRUE(Exists(file));
}

TEST_F(PurgeFolderTest, EverythingGoesButDesktopIniAndTheFolderItself)
{
    root.MakeFile("purged\\desktop.ini");
    root.MakeFile("purged\\notes.txt");
    root.MakeFolder("purged\\empty");
    root.MakeFile("purged\\deep\\er\\est\\file.url");
    // A subfolder keeping its own desktop file cannot go, but is emptied.
    root.MakeFile("purged\\kept\\DESKTOP.INI");
    root.MakeFile("purged\\kept\\shortcut.lnk");
    root.MakeFile("purged\\kept\\inner\\x.htm");

    EXPECT_TRUE(PurgeFolder(purged, false, true));

    EXPECT_TRUE(Exists(purged));
    EXPECT_TRUE(Exists(In("desktop.ini")));
    EXPECT_FALSE(Exists(In("notes.txt")));
    EXPECT_FALSE(Exists(In("empty")));
    EXPECT_FALSE(Exists(In("deep")));
    EXPECT_TRUE(Exists(In("kept\\DESKTOP.INI")));
    EXPECT_FALSE(Exists(In("kept\\shortcut.lnk")));
    EXPECT_FALSE(Exists(In("kept\\inner")));

    EXPECT_TRUE(PurgeFolder(purged, true, true));
    EXPECT_TRUE(Exists(purged));
    EXPECT_FALSE(Exists(In("desktop.ini")));
    EXPECT_FALSE(Exists(In("kept")));
}

TEST_F(PurgeFolderTest, ReadOnlyHiddenAndSystemItemsGo)
{
    root.MakeFile("purged\\locked.txt", FILE_ATTRIBUTE_READONLY);
    root.MakeFile("purged\\hidden.txt", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    root.MakeFile("purged\\sealed\\inside.txt", FILE_ATTRIBUTE_READONLY);
    ASSERT_TRUE(SetFileAttributesA(In("sealed").c_str(), FILE_ATTRIBUTE_READONLY));

    EXPECT_TRUE(PurgeFolder(purged, false, true));

    EXPECT_FALSE(Exists(In("locked.txt")));
    EXPECT_FALSE(Exists(In("hidden.txt")));
    EXPECT_FALSE(Exists(In("sealed")));
}

TEST_F(PurgeFolderTest, OnlyTheReadOnlyBitIsClearedBeforeTheDeletion)
{
    const std::string file = root.MakeFile("purged\\in use.txt",
                                           FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    {
        HeldOpen inUse(file);
        EXPECT_TRUE(PurgeFolder(purged, false, true));
        ASSERT_TRUE(Exists(file)) << "a file in use stays";
        EXPECT_EQ(GetFileAttributesA(file.c_str()) &
                      (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM),
                  static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
    }
    EXPECT_TRUE(PurgeFolder(purged, false, true));
    EXPECT_FALSE(Exists(file));
}

TEST_F(PurgeFolderTest, IndexFilesAreWipedBeforeTheirDeletion)
{
    struct Case {
        const char* name;
        bool wiped;
    };
    const Case cases[] = {{"index.dat", true}, {"sub\\Index.DAT", true}, {"sub\\deeper\\INDEX.dat", true},
                          {"index.dat.bak", false}, {"old.index.dat", false}};
    const std::string bytes = Pattern(20064);
    root.MakeFolder("purged\\sub\\deeper");
    for (const Case& c : cases) WriteBytes(In(c.name), bytes);
    {
        // Held open, they stay after the purge and show what it wrote.
        std::vector<std::unique_ptr<HeldOpen>> held;
        for (const Case& c : cases) held.push_back(std::make_unique<HeldOpen>(In(c.name)));
        EXPECT_TRUE(PurgeFolder(purged, false, true));
        for (const Case& c : cases) EXPECT_EQ(FileBytes(In(c.name)), c.wiped ? Wiped(bytes) : bytes) << c.name;
    }
    EXPECT_TRUE(PurgeFolder(purged, false, true));
    for (const Case& c : cases) EXPECT_FALSE(Exists(In(c.name))) << c.name;
    EXPECT_FALSE(Exists(In("sub")));
}

TEST_F(PurgeFolderTest, WithoutTheWipeOptionIndexFilesKeepTheirBytes)
{
    const std::string bytes = Pattern(20064);
    WriteBytes(In("index.dat"), bytes);
    HeldOpen held(In("index.dat"));
    EXPECT_TRUE(PurgeFolder(purged, false, false));
    EXPECT_EQ(FileBytes(In("index.dat")), bytes);
}

TEST_F(PurgeFolderTest, TheWipeKeepsTheHeaderAndTheLengthAndWritesNothingPastTheEnd)
{
    // Lengths around the header and the 10000-byte chunks.
    for (size_t size : {0u, 10u, 63u, 64u, 65u, 10064u, 10065u, 20064u, 30001u}) {
        SCOPED_TRACE(size);
        const std::string name = "index" + std::to_string(size) + ".dat";
        const std::string bytes = Pattern(size);
        WriteBytes(In(name), bytes);
        EXPECT_TRUE(WipeFile(name, purged));
        EXPECT_EQ(FileBytes(In(name)), Wiped(bytes));
    }
}

TEST_F(PurgeFolderTest, WhatCannotBeOpenedForWritingIsNotWiped)
{
    EXPECT_FALSE(WipeFile("missing.dat", purged));
    root.MakeFolder("purged\\index.dat");
    EXPECT_FALSE(WipeFile("index.dat", purged)) << "a folder";

    const std::string bytes = Pattern(300);
    WriteBytes(In("busy.dat"), bytes);
    HANDLE exclusive = CreateFileA(In("busy.dat").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(exclusive, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(WipeFile("busy.dat", purged)) << "a file another program holds without sharing";
    CloseHandle(exclusive);
    EXPECT_EQ(FileBytes(In("busy.dat")), bytes);
}

TEST_F(PurgeFolderTest, ALinkToAFolderIsNeverEntered)
{
    const std::string target = root.MakeFolder("outside\\linked");
    const std::string targetFile = root.MakeFile("outside\\linked\\keep.txt");
    root.MakeFile("outside\\linked\\desktop.ini");
    root.MakeFile("purged\\history.txt");
    ScopedLink link(In("Links to elsewhere"), target, true);
    ASSERT_TRUE(link.Made());
    ASSERT_EQ(GetFileAttributesA(In("Links to elsewhere").c_str()) & FILE_ATTRIBUTE_REPARSE_POINT,
              static_cast<DWORD>(FILE_ATTRIBUTE_REPARSE_POINT));

    EXPECT_TRUE(PurgeFolder(purged, true, true));

    EXPECT_FALSE(Exists(In("history.txt")));
    EXPECT_TRUE(Exists(targetFile));
    EXPECT_TRUE(Exists(target + "\\desktop.ini"));
    // Windows removes the link itself here; Wine 8 cannot remove a link
    // without reaching its target, and it stays. Either way nothing behind it
    // is touched.
}

TEST_F(PurgeFolderTest, ALinkToAnEmptyFolderLeavesThatFolderInPlace)
{
    // Removing the link through Wine removes an empty target instead.
    const std::string target = root.MakeFolder("outside\\empty");
    ScopedLink link(In("Link to an empty folder"), target, true);
    ASSERT_TRUE(link.Made());

    EXPECT_TRUE(PurgeFolder(purged, true, true));

    EXPECT_TRUE(Exists(target));
}

TEST_F(PurgeFolderTest, AFileLinkNamedIndexDatNeitherZeroesNorLosesItsTarget)
{
    ScopedLink link(In("index.dat"), canary, false);
    ASSERT_TRUE(link.Made());

    EXPECT_FALSE(WipeFile("index.dat", purged));
    EXPECT_TRUE(PurgeFolder(purged, false, true));
    // The fixture checks that the canary keeps every byte.
}

TEST_F(PurgeFolderTest, ASecondNameOfAnotherFileIsRemovedButNotWiped)
{
    ASSERT_TRUE(CreateHardLinkA(In("index.dat").c_str(), canary.c_str(), nullptr));

    EXPECT_FALSE(WipeFile("index.dat", purged));
    EXPECT_TRUE(PurgeFolder(purged, false, true));
    EXPECT_FALSE(Exists(In("index.dat")));
}

}  // namespace
