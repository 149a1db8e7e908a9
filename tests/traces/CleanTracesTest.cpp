#include "traces/CleanTraces.h"

#include "tests/support/TestFolder.h"
#include "tests/traces/TraceKeys.h"
#include "tests/traces/TraceTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <shlobj.h>
#include <urlhist.h>

#include <algorithm>
#include <string>
#include <vector>

using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

namespace {

// The three folders the cleaner empties, made by the test with the usual
// content, and a canary beside them.
struct TraceFolderSet {
    TestFolder root;
    TraceFolders folders = {root.MakeFolder("WINDOWS\\History"), root.MakeFolder("History"),
                            root.MakeFolder("Recent")};
    const std::string canary = root.MakeFile("canary.txt");

    TraceFolderSet()
    {
        for (const std::string* folder : {&folders.LegacyHistory, &folders.UserHistory, &folders.Recent}) {
            WriteFile(*folder + "\\desktop.ini");
            WriteFile(*folder + "\\index.dat");
            MakeFolders(*folder + "\\History.IE5\\MSHist01");
            WriteFile(*folder + "\\History.IE5\\MSHist01\\index.dat");
            WriteFile(*folder + "\\letter.doc.lnk");
        }
    }
    ~TraceFolderSet() { EXPECT_TRUE(Exists(canary)); }

    // Whether a folder was emptied, its "desktop.ini" kept.
    static bool Purged(const std::string& folder)
    {
        return Exists(folder + "\\desktop.ini") && !Exists(folder + "\\index.dat") &&
               !Exists(folder + "\\History.IE5") && !Exists(folder + "\\letter.doc.lnk");
    }
    static bool Untouched(const std::string& folder)
    {
        return Exists(folder + "\\index.dat") && Exists(folder + "\\History.IE5\\MSHist01\\index.dat") &&
               Exists(folder + "\\letter.doc.lnk");
    }
};

std::vector<std::string> Without(std::vector<std::string> keys, const std::vector<std::string>& gone)
{
    keys.erase(std::remove_if(keys.begin(), keys.end(),
                              [&](const std::string& key) {
                                  for (const std::string& g : gone)
                                      if (key == g || key.rfind(g + "\\", 0) == 0) return true;
                                  return false;
                              }),
               keys.end());
    return keys;
}

// Each kind on its own: exactly its keys go, each with everything under it,
// and exactly its folders are emptied.
TEST(CleanTracesTest, EachKindAloneErasesExactlyItsOwnTraces)
{
    ComScope com;
    for (size_t index = 0; index < TraceKindCount; ++index) {
        const TraceKind kind = static_cast<TraceKind>(index);
        SCOPED_TRACE("kind " + std::to_string(index));
        TraceKeys keys;
        TraceFolderSet set;
        const std::vector<std::string> before = keys.Present();

        CleanTraces(TraceSelection::Only(kind), set.folders);

        EXPECT_THAT(keys.Present(), ElementsAreArray(Without(before, KeysOf(kind))));
        const bool history = kind == TraceKind::UrlHistory;
        const bool recent = kind == TraceKind::RecentDocuments;
        EXPECT_TRUE(history ? TraceFolderSet::Purged(set.folders.LegacyHistory)
                            : TraceFolderSet::Untouched(set.folders.LegacyHistory));
        EXPECT_TRUE(history ? TraceFolderSet::Purged(set.folders.UserHistory)
                            : TraceFolderSet::Untouched(set.folders.UserHistory));
        EXPECT_TRUE(recent ? TraceFolderSet::Purged(set.folders.Recent)
                           : TraceFolderSet::Untouched(set.folders.Recent));
    }
}

TEST(CleanTracesTest, AllKindsEraseEveryTraceAndKeepWhatIsBesideThem)
{
    TraceKeys keys;
    TraceFolderSet set;
    ComScope com;

    CleanTraces(TraceSelection::All(), set.folders);

    // "OpenSaveMRU" with its other extensions, and the Find keys' parent.
    EXPECT_THAT(keys.Present(), ElementsAreArray(TraceKeys::Bystanders()));
    EXPECT_TRUE(TraceFolderSet::Purged(set.folders.LegacyHistory));
    EXPECT_TRUE(TraceFolderSet::Purged(set.folders.UserHistory));
    EXPECT_TRUE(TraceFolderSet::Purged(set.folders.Recent));
    EXPECT_TRUE(TraceKeys::Exists("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer"));
    EXPECT_TRUE(TraceKeys::Exists("Software\\Microsoft\\Internet Explorer"));

    // A second run finds nothing to do and changes nothing.
    CleanTraces(TraceSelection::All(), set.folders);
    EXPECT_THAT(keys.Present(), ElementsAreArray(TraceKeys::Bystanders()));
    EXPECT_TRUE(TraceFolderSet::Purged(set.folders.Recent));
}

TEST(CleanTracesTest, AKeyWithSubkeysGoesWhole)
{
    TraceKeys keys;
    const std::string recentDocs = KeysOf(TraceKind::RecentDocuments).front();
    for (const char* extension : {".txt", ".doc", "Folder"}) {
        HKEY handle = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, (recentDocs + "\\" + extension).c_str(), 0, nullptr, 0,
                                  KEY_ALL_ACCESS, nullptr, &handle, nullptr),
                  ERROR_SUCCESS);
        RegCloseKey(handle);
    }

    CleanTraces(TraceSelection::Only(TraceKind::RecentDocuments), TraceFolders{});

    EXPECT_FALSE(TraceKeys::Exists(recentDocs));
    EXPECT_FALSE(TraceKeys::Exists(TraceKeys::BranchOf(KeysOf(TraceKind::RecentDocuments).back())));
}

TEST(CleanTracesTest, MissingKeysAndFoldersArePassedOver)
{
    TraceKeys keys;
    const std::vector<std::string> find = KeysOf(TraceKind::FindHistory);
    // The first, third and last are missing; the others must still go.
    for (size_t index : {0u, 2u, 4u}) ASSERT_EQ(RegDeleteTreeA(HKEY_CURRENT_USER, find[index].c_str()), ERROR_SUCCESS);
    ASSERT_EQ(RegDeleteTreeA(HKEY_CURRENT_USER, KeysOf(TraceKind::RecentDocuments).front().c_str()), ERROR_SUCCESS);
    TestFolder root;
    const TraceFolders missing = {root / "no History", root / "no user History", root / "no Recent"};

    CleanTraces(TraceSelection::All(), missing);

    EXPECT_THAT(keys.Present(), ElementsAreArray(TraceKeys::Bystanders()));
}

TEST(CleanTracesTest, TheHistoryFoldersAreEmptiedAlsoWithoutTheHistoryObject)
{
    // No COM on this thread: the history object cannot be made.
    IUrlHistoryStg2* history = nullptr;
    ASSERT_TRUE(FAILED(CoCreateInstance(CLSID_CUrlHistory, nullptr, CLSCTX_INPROC_SERVER, IID_IUrlHistoryStg2,
                                        reinterpret_cast<void**>(&history))));
    TraceFolderSet set;

    CleanTraces(TraceSelection::Only(TraceKind::UrlHistory), set.folders);

    EXPECT_TRUE(TraceFolderSet::Purged(set.folders.LegacyHistory));
    EXPECT_TRUE(TraceFolderSet::Purged(set.folders.UserHistory));
}

TEST(CleanTracesTest, TheHistoryObjectIsThereOnceComIsInitialised)
{
    ComScope com;
    ASSERT_TRUE(com.Ready());
    IUrlHistoryStg2* history = nullptr;
    ASSERT_EQ(CoCreateInstance(CLSID_CUrlHistory, nullptr, CLSCTX_INPROC_SERVER, IID_IUrlHistoryStg2,
                               reinterpret_cast<void**>(&history)),
              S_OK);
    history->Release();
}

TEST(CleanTracesTest, TheFoldersAreTheWindowsHistoryAndTheShellsHistoryAndRecent)
{
    char windows[MAX_PATH] = "";
    ASSERT_GT(GetWindowsDirectoryA(windows, MAX_PATH), 0u);
    char history[MAX_PATH] = "";
    char recent[MAX_PATH] = "";
    ASSERT_TRUE(SHGetSpecialFolderPathA(nullptr, history, CSIDL_HISTORY, FALSE));
    ASSERT_TRUE(SHGetSpecialFolderPathA(nullptr, recent, CSIDL_RECENT, FALSE));

    const TraceFolders folders = ReadTraceFolders();

    EXPECT_EQ(folders.LegacyHistory, std::string(windows) + "\\History");
    EXPECT_EQ(folders.UserHistory, history);
    EXPECT_EQ(folders.Recent, recent);
}

TEST(CleanTracesTest, AnEmptySelectionChangesNothing)
{
    TraceKeys keys;
    TraceFolderSet set;
    const std::vector<std::string> before = keys.Present();

    CleanTraces(TraceSelection(), set.folders);

    EXPECT_EQ(keys.Present(), before);
    EXPECT_TRUE(TraceFolderSet::Untouched(set.folders.LegacyHistory));
    EXPECT_TRUE(TraceFolderSet::Untouched(set.folders.Recent));
}

}  // namespace
