#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <string>

namespace {

// The manifest of an executable the build made, named by an environment
// variable holding its Unix path; empty when there is none.
std::string ManifestOf(const char* variable)
{
    const char* unixPath = std::getenv(variable);
    if (unixPath == nullptr) return {};
    std::string path = std::string("\\\\?\\unix") + unixPath;
    for (char& c : path) c = c == '/' ? '\\' : c;
    HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (module == nullptr) return {};
    std::string text;
    if (HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24))) {
        const auto* data = static_cast<const char*>(LockResource(LoadResource(module, found)));
        text.assign(data, SizeofResource(module, found));
    }
    FreeLibrary(module);
    return text;
}

template <class Function>
Function Exported(HMODULE module, const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

bool Holds(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

const char CodePageLine[] =
    "      <activeCodePage xmlns=\"http://schemas.microsoft.com/SMI/2019/WindowsSettings\">UTF-8</activeCodePage>\n";

TEST(ManifestTest, BothProgramsDeclareWindowsVersionsScalingStylesAndNoElevation)
{
    const std::string program = ManifestOf("DUSTREL_EXE");
    ASSERT_FALSE(program.empty()) << "no manifest in Dustrel.exe";
    EXPECT_EQ(ManifestOf("DUSTREL_CMD"), program) << "DustrelCmd.exe carries another manifest";

    for (const char* windows : {"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",
                                "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"})
        EXPECT_TRUE(Holds(program, std::string("<supportedOS Id=\"") + windows + "\"/>")) << windows;
    EXPECT_TRUE(Holds(program, ">PerMonitorV2, PerMonitor</dpiAwareness>"));
    EXPECT_TRUE(Holds(program, ">true/pm</dpiAware>"));
    EXPECT_TRUE(Holds(program, "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""));
    EXPECT_TRUE(Holds(program, "<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>"));
    EXPECT_TRUE(Holds(program, CodePageLine));

    // The test build for the ANSI code page leaves out that one line.
    std::string ansi = program;
    ansi.erase(ansi.find(CodePageLine), sizeof CodePageLine - 1);
    EXPECT_EQ(ManifestOf("DUSTREL_ANSI_EXE"), ansi);
}

// This test program carries the same manifest: the system honours it.
TEST(ManifestTest, SystemGivesScalingPerMonitorAndCommonControls6)
{
    // Looked up as the program does, for systems older than Windows 10.
    HMODULE user = GetModuleHandleA("user32.dll");
    using ThreadContext = HANDLE(WINAPI*)();
    using Awareness = int(WINAPI*)(HANDLE);
    const auto threadContext = Exported<ThreadContext>(user, "GetThreadDpiAwarenessContext");
    const auto awareness = Exported<Awareness>(user, "GetAwarenessFromDpiAwarenessContext");
    ASSERT_TRUE(threadContext && awareness);
    const int perMonitor = 2;
    EXPECT_EQ(awareness(threadContext()), perMonitor);

    // The module this program's imports of the common controls reach.
    HMODULE controls = nullptr;
    const DWORD byAddress = GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT;
    ASSERT_TRUE(GetModuleHandleExA(byAddress, reinterpret_cast<LPCSTR>(reinterpret_cast<void*>(&TaskDialogIndirect)),
                                   &controls));
    // Version 6 comes from the side-by-side store the manifest names, not
    // from the system folder (Wine's copy there also reports version 5).
    char path[MAX_PATH] = "";
    GetModuleFileNameA(controls, path, sizeof path);
    CharLowerA(path);
    EXPECT_TRUE(Holds(path, "\\winsxs\\") && Holds(path, "microsoft.windows.common-controls_6595b64144ccf1df_6.0."))
        << path;
}

}  // namespace
