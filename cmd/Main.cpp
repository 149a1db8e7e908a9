#include "cmd/DustrelCmd.h"
#include "cmd/Utf8Console.h"

#include <windows.h>

#include <cstdio>
#include <exception>
#include <sstream>
#include <string>
#include <vector>

namespace {

void Write(std::FILE* stream, const std::string& text)
{
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fflush(stream);
}

}  // namespace

// Runs unattended: no window, no message box, no prompt. The system's own
// boxes for a drive without a disk or a crash stay away too.
int main(int argc, char** argv)
{
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    Utf8Console console;
    std::ostringstream out;
    std::ostringstream err;
    int status = 1;
    try {
        status = RunCommandLine(std::vector<std::string>(argv + 1, argv + argc), out, err);
    } catch (const std::exception& error) {
        err << "DustrelCmd: " << error.what() << "\n";
    }
    Write(stdout, out.str());
    Write(stderr, err.str());
    return status;
}
