#include "scan/StandardScan.h"

#include "scan/ResultList.h"
#include "tests/scan/ScanTestSupport.h"
#include "tests/support/ScopedVariable.h"
#include "tests/support/TestFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Not;

namespace {

// A scan over a Windows folder, application-data folder and all-users folder
// that the test makes, with the test prefix's drives.
struct StandardScanTest : ::testing::Test {
    ResultSet list;
    TestFolder folder;
    StartupFolders folders;

    void SetUp() override
    {
        folders.DriveList = ReadDriveList();
        folders.WindowsFolder = folder.MakeFolder("WINDOWS");
        folders.SystemDriveRoot = "C:\\";
        folders.AppDataFolder = folder.MakeFolder("AppData");
        folders.AllUsersFolder = folder.MakeFolder("All Users");
    }
};

TEST_F(StandardScanTest, CatalogueRowsOfTheWindowsFolderAreListed)
{
    folder.MakeFile("WINDOWS\\welcome.exe");
    folder.MakeFile("WINDOWS\\setup.log");
    folder.MakeFile("WINDOWS\\notes.doc");
    folder.MakeFile("WINDOWS\\System32\\Msdtc\\Trace\\dtc.log");
    folder.MakeFile("WINDOWS\\Pchealth\\Helpctr\\index.dat");
    folder.MakeFolder("WINDOWS\\Pchealth\\Helpctr\\Cache");
    folder.MakeFolder("WINDOWS\\Printhood");
    folder.MakeFolder("WINDOWS\\System32\\logfiles");
    // Parts of Windows, never junk however the catalogue once saw them.
    for (const char* part : {"System32\\wbem\\Repository", "Apppatch", "Csc", "Driver Cache"})
        folder.MakeFile(std::string("WINDOWS\\") + part + "\\keep.dat");

    StandardScan(list, folders);

    EXPECT_THAT(LinesUnder(list, folders.WindowsFolder),
                ElementsAre(folder / "WINDOWS\\Pchealth\\Helpctr\\Cache...",
                            folder / "WINDOWS\\Pchealth\\Helpctr\\index.dat", folder / "WINDOWS\\Printhood\\...",
                            folder / "WINDOWS\\setup.log", folder / "WINDOWS\\System32\\logfiles...",
                            folder / "WINDOWS\\System32\\Msdtc\\Trace\\dtc.log", folder / "WINDOWS\\welcome.exe"));
}

TEST_F(StandardScanTest, TheRootOfCIsSearchedTwiceWhenWindowsIsOnC)
{
    ScopedFile backup("C:\\" + UniqueName("dustrel") + ".bak");
    ScopedFile rootName("C:\\detlog.txt");

    StandardScan(list, folders);

    EXPECT_EQ(Occurrences(list, backup.Path()), 2);
    EXPECT_EQ(Occurrences(list, rootName.Path()), 1);
}

TEST_F(StandardScanTest, WindowsOnDSearchesTheRootOfCAndOfD)
{
    TestFolder windows("D:\\");
    folders.WindowsFolder = windows.Path();
    folders.SystemDriveRoot = "D:\\";
    ScopedFile onC("C:\\" + UniqueName("dustrel") + ".tmp");
    ScopedFile onD("D:\\" + UniqueName("dustrel") + ".tmp");
    ScopedFile nameOnD("D:\\netlog.txt");

    StandardScan(list, folders);

    EXPECT_EQ(Occurrences(list, onC.Path()), 1);
    EXPECT_EQ(Occurrences(list, onD.Path()), 1);
    EXPECT_EQ(Occurrences(list, nameOnD.Path()), 0) << "root file names are looked for on C: only";
}

TEST_F(StandardScanTest, EveryFixedDriveIsSearchedAndNoOther)
{
    // The test prefix has 25 drives: their strings take more than 100 characters.
    ASSERT_GE(folders.DriveList.size(), 25u);
    ASSERT_EQ(GetDriveTypeA("E:\\"), static_cast<UINT>(DRIVE_REMOVABLE));
    ScopedFile onD("D:\\FILE0000.CHK");
    ScopedFile onE("E:\\FILE0000.CHK");
    ScopedFile onShared("Y:\\FILE0000.CHK");  // the folder behind A:, B: and F: to Y:
    MakeFolders("D:\\Program Files\\Microsoft\\Office10\\Shortcut bar");
    MakeFolders("D:\\Found.000");
    ScopedFile shortcut("D:\\Program Files\\Microsoft\\Office10\\Shortcut bar\\" + UniqueName("x") + ".tmp");
    ScopedFile found("D:\\Found.000\\" + UniqueName("x") + ".chk");

    StandardScan(list, folders);

    std::vector<std::string> checkFiles;
    for (const std::string& line : Lines(list))
        if (line.size() == 15 && line.substr(1) == ":\\FILE0000.CHK") checkFiles.push_back(line);
    std::vector<std::string> expected = {"D:\\FILE0000.CHK"};
    for (char letter = 'F'; letter <= 'Y'; ++letter) expected.push_back(std::string(1, letter) + ":\\FILE0000.CHK");
    EXPECT_EQ(checkFiles, expected);
    EXPECT_EQ(Occurrences(list, shortcut.Path()), 1);
    EXPECT_EQ(Occurrences(list, "D:\\Found.000..."), 1);
}

TEST_F(StandardScanTest, ApplicationDataRowsFollowTheVariable)
{
    const std::string bak = folder.MakeFile("AppData\\Microsoft\\Internet Explorer\\x.bak");
    const std::string recent = folder.MakeFolder("AppData\\Microsoft\\Office\\Recent") + "...";
    const std::string windowsHit = folder.MakeFile("WINDOWS\\a.old");

    {
        ScopedVariable set("APPDATA", folders.AppDataFolder.c_str());
        StandardScan(list, folders);
        EXPECT_THAT(Lines(list), Contains(bak));
        EXPECT_THAT(Lines(list), Contains(recent));
    }
    list.Clear();
    {
        ScopedVariable unset("APPDATA", nullptr);
        StandardScan(list, folders);
        EXPECT_THAT(Lines(list), Not(Contains(bak)));
        EXPECT_THAT(Lines(list), Not(Contains(recent)));
        EXPECT_THAT(Lines(list), Contains(windowsHit));
    }
}

TEST_F(StandardScanTest, AllUsersRowsFollowTheVariable)
{
    const std::string watson = folder.MakeFolder("All Users\\Documents and Settings\\Dr Watson") + "...";
    const std::string appWatson = folder.MakeFolder("All Users\\Application Data\\Microsoft\\Dr Watson") + "...";

    {
        ScopedVariable set("ALLUSERSPROFILE", folders.AllUsersFolder.c_str());
        StandardScan(list, folders);
        EXPECT_THAT(LinesUnder(list, folders.AllUsersFolder), ElementsAre(appWatson, watson));
    }
    list.Clear();
    {
        ScopedVariable unset("ALLUSERSPROFILE", nullptr);
        StandardScan(list, folders);
        EXPECT_THAT(LinesUnder(list, folders.AllUsersFolder), IsEmpty());
    }
}

TEST(StartupFoldersTest, AnAllUsersProfileTooLongForAPathIsUnset)
{
    ScopedVariable tooLong("ALLUSERSPROFILE", ("C:\\" + std::string(MAX_PATH, 'a')).c_str());
    StartupFolders folders;
    ReadStartupFolders(folders);
    EXPECT_EQ(folders.AllUsersFolder, "");
    EXPECT_EQ(folders.SystemDriveRoot, folders.WindowsFolder.substr(0, 3));
    EXPECT_NE(folders.AppDataFolder, "");
}

}  // namespace
