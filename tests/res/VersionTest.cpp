#include "tests/res/ResourceReading.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace {

TEST(VersionTest, NumbersAndNamesIdentifyRelease309)
{
    const VersionBlock block;
    ASSERT_TRUE(block.Exists());
    const std::vector<WORD> release = {3, 0, 9, 0};
    EXPECT_EQ(block.Fixed(), release);
    EXPECT_EQ(block.Fixed(true), release);
    EXPECT_EQ(block.Translations(), (std::vector<WORD>{0x409, 1252}));
    EXPECT_EQ(block.String(L"FileVersion"), L"3, 0, 9, 0");
    EXPECT_EQ(block.String(L"ProductVersion"), L"3, 0, 9, 0");
    EXPECT_EQ(block.String(L"InternalName"), L"Dustrel.exe");
    EXPECT_EQ(block.String(L"OriginalFilename"), L"Dustrel.exe");
    EXPECT_EQ(block.String(L"ProductName"), L"Dustrel .NET Application");
    for (const wchar_t* name : {L"FileDescription", L"CompanyName", L"LegalCopyright", L"PrivateBuild"}) {
        const std::wstring value = block.String(name);
        EXPECT_FALSE(value.empty()) << name;
        EXPECT_NE(value, L"(missing)") << name;
        EXPECT_EQ(value.find(L'\n'), std::wstring::npos) << name << " is one line";
    }
}

}  // namespace
