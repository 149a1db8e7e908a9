// The program where the system keeps its ANSI code page for narrow names
// (older Windows, or this build without the UTF-8 declaration under Wine).

#include "app/ResultCommands.h"
#include "clean/DeletionEngine.h"
#include "scan/Walkers.h"
#include "traces/PurgeFolder.h"

#include "tests/scan/ScanTestSupport.h"
#include "tests/support/TestFolder.h"
#include "tests/support/TestFrame.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::IsEmpty;
using ::testing::UnorderedElementsAre;

namespace {

struct AnsiCodePageTest : ::testing::Test {
    TestFrame frame;
    const CListBox& list = frame.List();
    ResultListView view{list};
    ResultSet found;
    TestFolder folder;

    void SelectAll() const
    {
        for (int index = 0; index < list.GetCount(); ++index) list.SetSel(index, true);
    }
};

// Code page 1252: a Cyrillic name comes back as "??????".
struct WesternCodePageTest : AnsiCodePageTest {
    void SetUp() override { ASSERT_EQ(GetACP(), 1252u) << "the test program runs in the wrong code page"; }

    std::wstring Wide(const std::string& relative) const
    {
        const std::string path = folder / relative;
        return std::wstring(path.begin(), path.end());
    }
    bool ExistsWide(const std::wstring& path) const
    {
        return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    }
};

TEST_F(WesternCodePageTest, ALineWhoseItemCannotBeAddressedStaysSelected)
{
    const std::wstring file = Wide("") + L"\x041F\x0440\x0438\x0432\x0435\x0442.log";
    const std::wstring tree = Wide("") + L"\x0416\x0443\x0440";
    // Not "c.log", a look-alike that would name another item.
    const std::wstring dotted = Wide("") + L"\x010B.log";
    for (const std::wstring& name : {file, dotted}) {
        HANDLE created = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
        ASSERT_NE(created, INVALID_HANDLE_VALUE);
        CloseHandle(created);
    }
    ASSERT_TRUE(CreateDirectoryW(tree.c_str(), nullptr));
    const std::string plain = folder.MakeFile("plain.log");
    AddMatches(found, folder.Path(), "*.*");
    view.Show(found);
    ASSERT_THAT(Lines(list), UnorderedElementsAre(folder / "???...", folder / "??????.log", folder / "?.log", plain));
    SelectAll();

    DeleteSelected(view, frame.Frame());
    EXPECT_THAT(Lines(list), UnorderedElementsAre(folder / "???...", folder / "??????.log", folder / "?.log"));
    EXPECT_EQ(frame.StatusText(), "3 / 3 selected");
    RecycleSelected(view, frame.Frame());

    EXPECT_THAT(Lines(list), UnorderedElementsAre(folder / "???...", folder / "??????.log", folder / "?.log"));
    EXPECT_EQ(frame.StatusText(), "3 / 3 selected");
    EXPECT_TRUE(ExistsWide(file));
    EXPECT_TRUE(ExistsWide(dotted));
    EXPECT_TRUE(ExistsWide(tree));
    EXPECT_FALSE(Exists(plain));
}

// Code page 950: the second byte of "功" (A5 5C) and of "許" (B3 5C) is the
// byte of a backslash.
const std::string Gong = "\xA5\x5C";
const std::string Xu = "\xB3\x5C";

struct DoubleByteCodePageTest : AnsiCodePageTest {
    void SetUp() override { ASSERT_EQ(GetACP(), 950u) << "the test program runs in the wrong code page"; }

    // Made with whole paths: the test's own helpers split paths byte-wise.
    std::string Folder(const std::string& relative) const
    {
        const std::string path = folder / relative;
        EXPECT_TRUE(CreateDirectoryA(path.c_str(), nullptr)) << relative;
        return path;
    }
    std::string File(const std::string& relative) const
    {
        const std::string path = folder / relative;
        WriteFile(path);
        return path;
    }
};

TEST_F(DoubleByteCodePageTest, AFolderNameEndingInSuchACharacterGetsItsBackslash)
{
    const std::string profile = Folder(Xu);
    Folder(Xu + "\\Temp");
    const std::string inTemp = File(Xu + "\\Temp\\a.tmp");
    const std::string inProfile = File(Xu + "\\b.log");

    AddSubfolderMatches(found, profile, "Temp", "*.*");
    AddMatches(found, profile, "*.log");

    EXPECT_THAT(Lines(found), UnorderedElementsAre(inTemp, inProfile));
}

TEST_F(DoubleByteCodePageTest, DeletionReadsPathsByCharacter)
{
    const std::string tree = Folder("tree");
    Folder("tree\\" + Gong);
    File("tree\\" + Gong + "\\inside.tmp");
    const std::string temp = Folder("Temp");
    Folder("Temp\\" + Gong);
    File("Temp\\" + Gong + "\\inside.tmp");
    const std::string endsInXu = File("a" + Xu);
    const std::string startsWithXu = File(Xu + ".log");
    for (const std::string& line : {tree + "...", temp + "\\" + Gong + "...", endsInXu, startsWithXu})
        list.AddString(line.c_str());
    SelectAll();

    DeleteSelected(view, frame.Frame());

    EXPECT_THAT(Lines(list), IsEmpty());
    EXPECT_FALSE(Exists(tree));
    EXPECT_FALSE(Exists(temp + "\\" + Gong));
    EXPECT_TRUE(Exists(temp));
    EXPECT_FALSE(Exists(endsInXu));
    EXPECT_FALSE(Exists(startsWithXu));
}

TEST_F(DoubleByteCodePageTest, ThePurgeEmptiesSuchAFolder)
{
    const std::string history = Folder(Xu);
    Folder(Xu + "\\" + Gong);
    File(Xu + "\\" + Gong + "\\index.dat");
    File(Xu + "\\a" + Xu);
    File(Xu + "\\desktop.ini");

    EXPECT_TRUE(PurgeFolder(history, false, true));

    EXPECT_FALSE(Exists(history + "\\" + Gong));
    EXPECT_FALSE(Exists(history + "\\a" + Xu));
    EXPECT_TRUE(Exists(history + "\\desktop.ini"));
}

}  // namespace
