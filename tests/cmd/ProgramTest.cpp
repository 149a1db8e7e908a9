#include "tests/support/TestFolder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <windows.h>

#include <cstdlib>
#include <string>

namespace {

// DustrelCmd.exe as the build made it, named from Windows.
std::string ProgramPath()
{
    const char* unixPath = std::getenv("DUSTREL_CMD");
    if (unixPath == nullptr) return {};
    std::string path = std::string("\\\\?\\unix") + unixPath;
    for (char& c : path) c = c == '/' ? '\\' : c;
    return path;
}

struct Finished {
    DWORD status = 0;
    std::string out;
    std::string err;
};

std::string ReadAll(HANDLE pipe)
{
    std::string text;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(pipe, buffer, sizeof buffer, &read, nullptr) && read > 0) text.append(buffer, read);
    CloseHandle(pipe);
    return text;
}

// Runs the program with its output into pipes, as a scheduled task's would
// go into a file, and waits for it.
Finished RunProgram(const std::string& arguments)
{
    Finished finished;
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE outRead, outWrite, errRead, errWrite;
    if (!CreatePipe(&outRead, &outWrite, &inherit, 1 << 16) || !CreatePipe(&errRead, &errWrite, &inherit, 1 << 16)) {
        ADD_FAILURE() << "no pipes";
        return finished;
    }
    SetHandleInformation(outRead, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(errRead, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = outWrite;
    startup.hStdError = errWrite;
    PROCESS_INFORMATION process = {};
    std::string commandLine = "DustrelCmd.exe " + arguments;
    const std::string program = ProgramPath();
    const bool started = CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                                        nullptr, nullptr, &startup, &process);
    CloseHandle(outWrite);
    CloseHandle(errWrite);
    if (!started) {
        ADD_FAILURE() << "cannot start " << program << ": error " << GetLastError();
        CloseHandle(outRead);
        CloseHandle(errRead);
        return finished;
    }
    finished.out = ReadAll(outRead);
    finished.err = ReadAll(errRead);
    WaitForSingleObject(process.hProcess, INFINITE);
    GetExitCodeProcess(process.hProcess, &finished.status);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return finished;
}

TEST(ProgramTest, TheProgramAnswersThroughItsOutputAndExitStatus)
{
    const Finished help = RunProgram("/?");
    EXPECT_EQ(help.status, 0u);
    EXPECT_EQ(help.out.rfind("Usage: DustrelCmd", 0), 0u) << help.out;
    EXPECT_EQ(help.err, "");

    const Finished bad = RunProgram("/standard /everything");
    EXPECT_EQ(bad.status, 2u);
    EXPECT_EQ(bad.out, "");
    EXPECT_EQ(bad.err.rfind("DustrelCmd: unknown switch: /everything", 0), 0u) << bad.err;

    // A name outside every legacy code page reaches the output exactly.
    ScopedFile junk("C:\\" + UniqueName("dustrel") + "-日志.tmp");
    const Finished listed = RunProgram("/Preview /JSON");
    EXPECT_EQ(listed.status, 0u) << listed.err;
    const nlohmann::json document = nlohmann::json::parse(listed.out);
    bool found = false;
    for (const nlohmann::json& item : document["results"]) found = found || item["line"] == junk.Path();
    EXPECT_TRUE(found) << listed.out;
}

}  // namespace
