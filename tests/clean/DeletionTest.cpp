#include "clean/DeletionEngine.h"

#include "app/ResultCommands.h"
#include "scan/PathText.h"

#include "tests/scan/ScanTestSupport.h"
#include "tests/support/Links.h"
#include "tests/support/TestFolder.h"
#include "tests/support/TestFrame.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

namespace {

// Deletion inside a folder of the test's own, with a canary beside it that
// must survive every test.
struct DeletionTest : ::testing::Test {
    TestFrame frame;
    const CListBox& list = frame.List();
    ResultListView view{list};
    TestFolder outside;
    TestFolder folder;
    std::string canary;

    void SetUp() override { canary = outside.MakeFile("canary.txt"); }
    void TearDown() override { EXPECT_TRUE(Exists(canary)) << "the canary outside was touched"; }

    int Add(const std::string& line) { return list.AddString(line.c_str()); }
    void Select(const std::string& line)
    {
        const LRESULT index = SendMessageA(list.m_hWnd, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                           reinterpret_cast<LPARAM>(line.c_str()));
        ASSERT_NE(index, LB_ERR) << line;
        list.SetSel(static_cast<int>(index), true);
    }
};

TEST_F(DeletionTest, TheSelectedLinesGoAndTheOthersKeepTheirOrder)
{
    std::vector<std::string> lines;
    for (int item = 0; item < 10; ++item) {
        const std::string name = "item" + std::to_string(item);
        lines.push_back(item % 3 == 0 ? folder.MakeFolder(name) + "..." : folder.MakeFile(name + ".log"));
        folder.MakeFile(name + (item % 3 == 0 ? "\\inner.tmp" : ".keep"));
        Add(lines.back());
    }
    for (int index : {2, 5, 7}) list.SetSel(index, true);

    DeleteSelected(view, frame.Frame());

    std::vector<std::string> kept = lines;
    for (int index : {7, 5, 2}) kept.erase(kept.begin() + index);
    EXPECT_THAT(Lines(list), ElementsAreArray(kept));
    EXPECT_EQ(frame.StatusText(), "0 / 7 selected");
    for (int index : {2, 5, 7}) EXPECT_FALSE(Exists(FolderPathOf(lines[static_cast<size_t>(index)])));
    for (const std::string& line : kept) EXPECT_TRUE(Exists(IsFolderEntry(line) ? FolderPathOf(line) : line));
}

TEST_F(DeletionTest, AFolderEntryTakesTheWholeTreeWithHiddenSystemAndReadOnlyItems)
{
    const std::string tree = folder.MakeFolder("Temp\\x");
    folder.MakeFile("Temp\\x\\hidden.tmp", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    folder.MakeFile("Temp\\x\\readonly.tmp", FILE_ATTRIBUTE_READONLY);
    folder.MakeFile("Temp\\x\\locked\\a.tmp", FILE_ATTRIBUTE_READONLY);
    folder.MakeFile("Temp\\x\\locked\\deeper\\b.tmp", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    ASSERT_TRUE(SetFileAttributesA((tree + "\\locked").c_str(), FILE_ATTRIBUTE_READONLY));
    Add(tree + "....");  // more dots than three still name the folder
    list.SetSel(0, true);

    DeleteSelected(view, frame.Frame());

    EXPECT_FALSE(Exists(tree));
    EXPECT_TRUE(Exists(folder / "Temp"));
    EXPECT_THAT(Lines(list), IsEmpty());
    EXPECT_EQ(frame.StatusText(), "Cleanup completed, continue or exit?");
}

TEST_F(DeletionTest, AnItemThatStaysKeepsItsLineAndItsSelection)
{
    const std::string held = folder.MakeFile("held.log");
    const std::string gone = folder / "gone.log";
    const std::string heldInside = folder.MakeFile("tree\\held.tmp");
    folder.MakeFile("tree\\free.tmp");
    HANDLE holder = CreateFileA(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    HANDLE insideHolder = CreateFileA(heldInside.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    ASSERT_NE(insideHolder, INVALID_HANDLE_VALUE);
    for (const std::string& line : {held, gone, folder / "tree..."}) Add(line);
    for (int index = 0; index < 3; ++index) list.SetSel(index, true);

    DeleteSelected(view, frame.Frame());
    CloseHandle(holder);
    CloseHandle(insideHolder);

    EXPECT_THAT(Lines(list), ElementsAre(held, folder / "tree..."));
    EXPECT_EQ(list.GetSelCount(), 2);
    EXPECT_EQ(frame.StatusText(), "2 / 2 selected");
    EXPECT_TRUE(Exists(held));
    EXPECT_TRUE(Exists(heldInside));
    EXPECT_FALSE(Exists(folder / "tree\\free.tmp")) << "the rest of the tree goes";
}

TEST_F(DeletionTest, EachRemovalTellsWhatBecameOfItsItemAndWhatItFreed)
{
    const std::string file = folder.MakeFile("a.log");  // four bytes, as every test file
    const std::string held = folder.MakeFile("held.log");
    // What stays in one folder of a tree keeps no other folder from going.
    const std::string heldInside = folder.MakeFile("tree\\a\\held.tmp");
    folder.MakeFile("tree\\b\\two.tmp", FILE_ATTRIBUTE_READONLY);
    folder.MakeFile("tree\\one.tmp");
    const std::string linkedFile = outside.MakeFile("linked\\keep.txt");
    ScopedLink link(folder / "link", outside / "linked", true);
    ASSERT_TRUE(link.Made());
    HANDLE holder = CreateFileA(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    HANDLE insideHolder = CreateFileA(heldInside.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    ASSERT_NE(insideHolder, INVALID_HANDLE_VALUE);
    struct Case {
        std::string line;
        Outcome outcome;
        KeptReason reason;
        std::uint64_t bytes;
    };
    const Case cases[] = {
        {file, Outcome::Removed, KeptReason::None, 4},
        {held, Outcome::Kept, KeptReason::InUse, 0},
        {folder / "tree...", Outcome::Kept, KeptReason::PartlyRemoved, 8},
        {folder / "link...", Outcome::Kept, KeptReason::Link, 0},
        {folder / "gone.log", Outcome::Kept, KeptReason::GoneBefore, 0},
        // What a name outside the code page comes back as.
        {folder / "??????.log", Outcome::Kept, KeptReason::Unaddressable, 0},
        {folder / std::string(MAX_PATH, 'x'), Outcome::Kept, KeptReason::PathTooLong, 0},
    };

    for (const Case& expected : cases) {
        const Removal removal = RemoveResult(ResultOfLine(expected.line), RemovalMode::Delete);
        EXPECT_EQ(removal.outcome, expected.outcome) << expected.line;
        EXPECT_STREQ(KeptReasonName(removal.reason), KeptReasonName(expected.reason)) << expected.line;
        EXPECT_EQ(removal.bytes, expected.bytes) << expected.line;
    }
    CloseHandle(holder);
    CloseHandle(insideHolder);
    EXPECT_TRUE(Exists(linkedFile));
    EXPECT_TRUE(Exists(folder / "link")) << "a line that is itself a link stays whole";
    EXPECT_FALSE(Exists(folder / "tree\\b"));
}

TEST_F(DeletionTest, LinksAreNeverFollowed)
{
    const std::string linkedFolder = outside.MakeFolder("linked");
    const std::string linkedFile = outside.MakeFile("linked\\keep.txt");
    const std::string emptyFolder = outside.MakeFolder("empty");
    const std::string tree = folder.MakeFolder("tree");
    folder.MakeFile("tree\\junk.tmp");
    ScopedLink toFolder(tree + "\\to folder", linkedFolder, true);
    ScopedLink toEmpty(tree + "\\to empty", emptyFolder, true);
    ScopedLink toFile(tree + "\\to canary.txt", canary, false);
    ScopedLink lineToFile(folder / "line link.log", canary, false);
    ScopedLink cycle(tree + "\\back to the tree", tree, true);
    ASSERT_TRUE(toFolder.Made() && toEmpty.Made() && toFile.Made() && lineToFile.Made() && cycle.Made());
    Add(tree + "...");
    Add(folder / "line link.log");
    list.SetSel(0, true);
    list.SetSel(1, true);

    DeleteSelected(view, frame.Frame());

    EXPECT_TRUE(Exists(linkedFile));
    EXPECT_TRUE(Exists(emptyFolder));
    EXPECT_FALSE(Exists(tree + "\\junk.tmp"));
    EXPECT_EQ(Exists(tree), Occurrences(list, tree + "...") == 1) << "a line stays exactly while its item does";
}

// Enough entries that both workers take a share of every folder's listing.
TEST_F(DeletionTest, AWideTreeGoesWithEveryByteCountedAndNoLinkFollowed)
{
    const std::string linkedFile = outside.MakeFile("linked\\keep.txt");
    std::vector<std::string> files;
    std::vector<std::unique_ptr<ScopedLink>> links;
    for (const char* sub : {"a", "b", "c", "d"}) {
        const std::string inside = std::string("tree\\") + sub + "\\";
        for (int n = 0; n < 50; ++n) files.push_back(folder.MakeFile(inside + std::to_string(n) + ".tmp"));
        links.push_back(std::make_unique<ScopedLink>(folder / inside + "to canary.tmp", canary, false));
        links.push_back(std::make_unique<ScopedLink>(folder / inside + "to linked", outside / "linked", true));
        ASSERT_TRUE(links[links.size() - 2]->Made() && links.back()->Made());
    }

    const Removal removal = RemoveResult(ResultOfLine(folder / "tree..."), RemovalMode::Delete);

    EXPECT_EQ(removal.bytes, 4u * files.size());
    for (const std::string& file : files) EXPECT_FALSE(Exists(file)) << file;
    EXPECT_TRUE(Exists(linkedFile));
    EXPECT_EQ(removal.outcome == Outcome::Removed, !Exists(folder / "tree"));
}

TEST_F(DeletionTest, ALineWhoseItemIsItselfALinkStaysSelectedForBothCommands)
{
    // As the system's compatibility junctions ("Local Settings" and the like).
    const std::string target = outside.MakeFolder("target");
    const std::string targetFile = outside.MakeFile("target\\keep.txt");
    ScopedLink folderLink(folder / "Local Settings", target, true);
    ScopedLink fileLink(folder / "linked.log", canary, false);
    ASSERT_TRUE(folderLink.Made() && fileLink.Made());
    const std::vector<std::string> lines = {folder / "linked.log", folder / "Local Settings..."};
    for (const std::string& line : lines) Add(line);
    for (const std::string& line : lines) Select(line);

    DeleteSelected(view, frame.Frame());
    EXPECT_THAT(Lines(list), ElementsAreArray(lines));
    EXPECT_EQ(list.GetSelCount(), 2);
    RecycleSelected(view, frame.Frame());

    EXPECT_THAT(Lines(list), ElementsAreArray(lines));
    EXPECT_EQ(list.GetSelCount(), 2);
    EXPECT_TRUE(Exists(folder / "Local Settings"));
    EXPECT_TRUE(Exists(folder / "linked.log"));
    EXPECT_TRUE(Exists(targetFile));
}

TEST_F(DeletionTest, AFolderReplacedByALinkAfterListingIsNotEntered)
{
    const std::string target = outside.MakeFolder("target");
    const std::string targetFile = outside.MakeFile("target\\keep.txt");
    const std::string listed = folder.MakeFolder("Prefetch");
    Add(listed + "...");
    list.SetSel(0, true);
    ASSERT_TRUE(RemoveDirectoryA(listed.c_str()));
    ScopedLink replaced(listed, target, true);
    ASSERT_TRUE(replaced.Made());

    DeleteSelected(view, frame.Frame());

    EXPECT_TRUE(Exists(targetFile));
    EXPECT_TRUE(Exists(target));
}

TEST_F(DeletionTest, AFolderNamedInAnotherCaseOrItsShortFormIsRemoved)
{
    // Catalogue names are written as the catalogue has them, not as the disk does.
    const std::string onDisk = folder.MakeFolder("FOUND.000");
    folder.MakeFile("FOUND.000\\file0000.chk");
    Add(folder / "found.000...");
    list.SetSel(0, true);

    DeleteSelected(view, frame.Frame());

    EXPECT_FALSE(Exists(onDisk));
    EXPECT_THAT(Lines(list), IsEmpty());
}

TEST_F(DeletionTest, WhatCannotBeAddressedExactlyIsSkipped)
{
    const std::string tree = folder.MakeFolder("tree");
    const std::wstring wideTree = L"\\\\?\\" + std::wstring(tree.begin(), tree.end());
    HANDLE dotted = CreateFileW((wideTree + L"\\junk.log.").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(dotted, INVALID_HANDLE_VALUE);
    CloseHandle(dotted);
    const std::string plain = folder.MakeFile("tree\\junk.log");
    const std::string tooLong = folder / std::string(MAX_PATH, 'x');
    Add(tree + "...");
    Add(tooLong);
    for (int index = 0; index < 2; ++index) list.SetSel(index, true);

    DeleteSelected(view, frame.Frame());

    EXPECT_FALSE(Exists(plain));
    EXPECT_TRUE(Exists(tree)) << "the name that ends in a dot stays, so its folder does";
    EXPECT_THAT(Lines(list), ElementsAre(tree + "...", tooLong));
}

TEST_F(DeletionTest, ItemsNamedInAnyScriptAreRemovedExactly)
{
    const std::string dotted = folder.MakeFile("ċ.log");
    const std::string plain = folder.MakeFile("c.log");
    const std::string chinese = folder.MakeFolder("王");
    folder.MakeFile("王\\Привет.tmp");
    const std::string cyrillic = folder.MakeFile("журнал.log");
    const std::string sibling = folder.MakeFile("журнал.log.keep");
    for (const std::string& line : {dotted, plain, chinese + "...", cyrillic}) Add(line);
    Select(dotted);
    Select(chinese + "...");
    DeleteSelected(view, frame.Frame());
    Select(cyrillic);
    RecycleSelected(view, frame.Frame());

    EXPECT_FALSE(Exists(dotted));
    EXPECT_FALSE(Exists(chinese));
    EXPECT_FALSE(Exists(cyrillic));
    EXPECT_TRUE(Exists(plain));
    EXPECT_TRUE(Exists(sibling));
    EXPECT_THAT(Lines(list), ElementsAre(plain));
}

// The Trash that the Recycle Bin of the test prefix fills, seen from Windows.
std::string TrashFiles()
{
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data == nullptr) return {};
    std::string path = std::string("\\\\?\\unix") + data + "/Trash/files";
    for (char& c : path) c = c == '/' ? '\\' : c;
    return path;
}

TEST_F(DeletionTest, TheRecycleBinTakesFilesAndWholeFolders)
{
    const std::string trash = TrashFiles();
    ASSERT_FALSE(trash.empty()) << "XDG_DATA_HOME is not set";
    const std::string fileName = UniqueName("recycled") + ".log";
    const std::string folderName = UniqueName("recycled-folder");
    const std::string file = folder.MakeFile(fileName);
    const std::string tree = folder.MakeFolder(folderName);
    folder.MakeFile(folderName + "\\inside.tmp");
    const std::string kept = folder.MakeFile("kept.log");
    Add(file);
    Add(tree + "...");
    Add(kept);
    Select(file);
    Select(tree + "...");

    RecycleSelected(view, frame.Frame());

    EXPECT_FALSE(Exists(file));
    EXPECT_FALSE(Exists(tree));
    EXPECT_THAT(Lines(list), ElementsAre(kept));
    EXPECT_EQ(frame.StatusText(), "0 / 1 selected");
    EXPECT_TRUE(Exists(trash + "\\" + fileName));
    EXPECT_TRUE(Exists(trash + "\\" + folderName + "\\inside.tmp")) << "the whole folder, not only its files";
}

bool InOwnProcess() { return GetEnvironmentVariableA("DUSTREL_OWN_PROCESS", nullptr, 0) > 0; }

// Runs one test of this program again in a process of its own; whether it
// passed within a minute.
bool PassesInOwnProcess(const std::string& test)
{
    const char* unixPath = std::getenv("DUSTREL_CLEAN_TESTS");
    if (unixPath == nullptr) return false;
    std::string program = std::string("\\\\?\\unix") + unixPath;
    for (char& c : program) c = c == '/' ? '\\' : c;
    std::string commandLine = "clean_tests --gtest_filter=" + test;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    SetEnvironmentVariableA("DUSTREL_OWN_PROCESS", "1");
    const bool started = CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                                        nullptr, &startup, &process);
    SetEnvironmentVariableA("DUSTREL_OWN_PROCESS", nullptr);
    if (!started) {
        ADD_FAILURE() << "cannot start " << program << ": error " << GetLastError();
        return false;
    }
    DWORD status = 1;
    if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0) GetExitCodeProcess(process.hProcess, &status);
    else TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return status == 0;
}

// Where no one may be asked (the console program), a Recycle Bin that
// refuses an item must not bring up the shell's question whether to delete
// it for good: the item stays. Wine's bin refuses everything when the folder
// of its Trash that holds the items is a file; it finds its Trash once per
// process, so the removal runs in a process of its own.
TEST_F(DeletionTest, ARecycleBinThatRefusesWhereNoOneMayBeAskedKeepsTheItem)
{
    if (!InOwnProcess()) {
        const std::string before = std::getenv("XDG_DATA_HOME");
        const std::string data = before + "/refusing-bin";
        std::string windowsData = "\\\\?\\unix" + data;
        for (char& c : windowsData) c = c == '/' ? '\\' : c;
        MakeFolders(windowsData + "\\Trash\\info");
        if (!Exists(windowsData + "\\Trash\\files")) WriteFile(windowsData + "\\Trash\\files");
        SetEnvironmentVariableA("XDG_DATA_HOME", data.c_str());
        EXPECT_TRUE(PassesInOwnProcess("DeletionTest.ARecycleBinThatRefusesWhereNoOneMayBeAskedKeepsTheItem"));
        SetEnvironmentVariableA("XDG_DATA_HOME", before.c_str());
        return;
    }
    const std::string file = folder.MakeFile("refused.tmp");

    const Removal removal = RemoveResult(ResultOfLine(file), RemovalMode::Recycle, Prompting::Never);

    EXPECT_EQ(removal.outcome, Outcome::Kept);
    EXPECT_EQ(removal.reason, KeptReason::NoRecycleBin);
    EXPECT_TRUE(Exists(file));
}

}  // namespace
