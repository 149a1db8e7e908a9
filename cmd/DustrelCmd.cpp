#include "cmd/DustrelCmd.h"

#include "cmd/JsonReport.h"
#include "cmd/TextReport.h"
#include "scan/StartupFolders.h"

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
    out << (options.json ? ReportJson(report) : ReportText(report));
    return ExitStatus(report);
}

int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    ReadStartupFolders(g_StartupFolders);
    return RunCommandLine(args, out, err, RealEngine(g_StartupFolders));
}
