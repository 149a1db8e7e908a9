#include "tests/res/ResourceReading.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The build's one version number, "3.0.9.0", as four numbers.
std::vector<WORD> BuildVersion()
{
    std::vector<WORD> numbers;
    std::istringstream text(DUSTREL_BUILD_VERSION);
    for (std::string part; std::getline(text, part, '.');) numbers.push_back(static_cast<WORD>(std::stoi(part)));
    return numbers;
}

std::wstring WithCommas(const std::vector<WORD>& numbers)
{
    std::wstring text;
    for (WORD number : numbers) text += (text.empty() ? L"" : L", ") + std::to_wstring(number);
    return text;
}

// The console program as the build made it, named from Windows.
std::string ConsoleProgram()
{
    const char* unixPath = std::getenv("DUSTREL_CMD");
    std::string path = std::string("\\\\?\\unix") + (unixPath ? unixPath : "");
    for (char& c : path) c = c == '/' ? '\\' : c;
    return path;
}

void ExpectRelease(const VersionBlock& block, const std::wstring& file)
{
    ASSERT_TRUE(block.Exists()) << file.c_str();
    const std::vector<WORD> release = BuildVersion();
    ASSERT_EQ(release.size(), 4u);
    EXPECT_EQ(block.Fixed(), release);
    EXPECT_EQ(block.Fixed(true), release);
    EXPECT_EQ(block.Translations(), (std::vector<WORD>{0x409, 1252}));
    EXPECT_EQ(block.String(L"FileVersion"), WithCommas(release));
    EXPECT_EQ(block.String(L"ProductVersion"), WithCommas(release));
    EXPECT_EQ(block.String(L"InternalName"), file);
    EXPECT_EQ(block.String(L"OriginalFilename"), file);
    EXPECT_EQ(block.String(L"ProductName"), L"Dustrel .NET Application");
    for (const wchar_t* name : {L"FileDescription", L"CompanyName", L"LegalCopyright", L"PrivateBuild"}) {
        const std::wstring value = block.String(name);
        EXPECT_FALSE(value.empty()) << name;
        EXPECT_NE(value, L"(missing)") << name;
        EXPECT_EQ(value.find(L'\n'), std::wstring::npos) << name << " is one line";
    }
}

TEST(VersionTest, BothProgramsAndTheManifestCarryTheBuildsOneVersion)
{
    ExpectRelease(VersionBlock(), L"Dustrel.exe");
    ExpectRelease(VersionBlock(ConsoleProgram()), L"DustrelCmd.exe");

    const std::vector<BYTE> manifest = ResourceBytes(RT_MANIFEST, MAKEINTRESOURCEA(1));
    const std::string text(manifest.begin(), manifest.end());
    EXPECT_NE(text.find("version=\"" DUSTREL_BUILD_VERSION "\""), std::string::npos) << text;
}

}  // namespace
