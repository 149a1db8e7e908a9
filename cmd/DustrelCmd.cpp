#include "cmd/DustrelCmd.h"

#include "cmd/JsonReport.h"
#include "cmd/RequestedLines.h"
#include "cmd/TextReport.h"
#include "scan/StartupFolders.h"

#include <fstream>

namespace {

const int BadCommandLine = 2;

// Whether the command line is good; when it is not, says what is wrong and how to call.
bool Parse(const std::vector<std::string>& args, std::ostream& err, Options& options)
{
    const ParsedCommandLine parsed = ParseCommandLine(args);
    if (!parsed.error.empty()) {
        err << "DustrelCmd: " << parsed.error << "\n\n" << UsageText();
        return false;
    }
    options = parsed.options;
    if (!options.onlyFile.empty() && !ReadRequestedLines(options.onlyFile, options.onlyLines)) {
        err << "DustrelCmd: cannot read " << options.onlyFile << "\n";
        return false;
    }
    return true;
}

}  // namespace

int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   const Engine& engine)
{
    Options options;
    if (!Parse(args, err, options)) return BadCommandLine;
    if (options.help) {
        out << UsageText();
        return 0;
    }
    const Report report = RunOptions(options, engine);
    const std::string text = options.json ? ReportJson(report) : ReportText(report);
    if (options.reportFile.empty()) {
        out << text;
    } else {
        // A program started elevated has no output its starter can read: the report goes where it was asked to.
        std::ofstream file(options.reportFile, std::ios::binary | std::ios::trunc);
        file << text;
        if (!file.flush()) {
            err << "DustrelCmd: cannot write " << options.reportFile << "\n";
            return 1;
        }
    }
    return ExitStatus(report);
}

int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    ReadStartupFolders(g_StartupFolders);
    return RunCommandLine(args, out, err, RealEngine(g_StartupFolders));
}
