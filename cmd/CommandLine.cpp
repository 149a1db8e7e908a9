#include "cmd/CommandLine.h"

#include "cmd/TraceNames.h"

namespace {

std::string Lowercase(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// Adds the kinds of "/traces:url,run"; what is wrong with them, or empty.
std::string AddTraceKinds(const std::string& list, TraceSelection& kinds)
{
    if (list.empty()) return "/traces needs at least one kind";
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = list.find(',', start);
        const std::string name = list.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        if (name == "all") {
            kinds = TraceSelection::All();
        } else {
            bool known = false;
            for (std::size_t index = 0; index < TraceKindCount; ++index) {
                if (name != TraceKindNames[index]) continue;
                kinds.Set(static_cast<TraceKind>(index), true);
                known = true;
            }
            if (!known) return "unknown trace kind: " + name;
        }
        if (comma == std::string::npos) return {};
        start = comma + 1;
    }
}

// Sets the one action; a second, different one is a contradiction.
std::string SetAction(Options& options, bool& actionGiven, Action action)
{
    if (actionGiven && options.action != action) return "/preview, /delete and /recycle exclude each other";
    options.action = action;
    actionGiven = true;
    return {};
}

}  // namespace

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args)
{
    ParsedCommandLine parsed;
    Options& options = parsed.options;
    bool actionGiven = false;
    for (const std::string& arg : args) {
        const std::string word = Lowercase(arg);
        std::string error;
        if (word == "/?") options.help = true;
        else if (word == "/standard") options.standard = true;
        else if (word == "/cookies") options.cookies = true;
        else if (word == "/temp") options.temporary = true;
        else if (word == "/json") options.json = true;
        else if (word == "/preview") error = SetAction(options, actionGiven, Action::Preview);
        else if (word == "/delete") error = SetAction(options, actionGiven, Action::Delete);
        else if (word == "/recycle") error = SetAction(options, actionGiven, Action::Recycle);
        else if (word == "/rules") options.rules = true;
        else if (word.compare(0, 7, "/rules:") == 0 && word.size() > 7) {
            options.rules = true;
            options.rulesFile = arg.substr(7);
        } else if (word == "/acceptwarnings") options.acceptWarnings = true;
        else if (word == "/traces" || word.compare(0, 8, "/traces:") == 0) {
            options.traces = true;
            error = AddTraceKinds(word.size() > 8 ? word.substr(8) : "", options.traceKinds);
        } else if (word.compare(0, 6, "/only:") == 0) {
            options.onlyFile = arg.substr(6);
            if (options.onlyFile.empty()) error = "/only needs a file";
        } else if (word.compare(0, 8, "/report:") == 0) {
            options.reportFile = arg.substr(8);
            if (options.reportFile.empty()) error = "/report needs a file";
        } else if (!word.empty() && word[0] == '/') error = "unknown switch: " + arg;
        else error = "unexpected argument: " + arg;
        if (!error.empty()) {
            parsed.error = error;
            return parsed;
        }
    }
    if (!options.standard && !options.cookies && !options.temporary && !options.traces && !options.rules)
        options.standard = true;
    return parsed;
}

const char* UsageText()
{
    return "Usage: DustrelCmd [/standard] [/cookies] [/temp] [/rules | /rules:FILE] [/acceptwarnings]\n"
           "                  [/preview | /delete | /recycle] [/traces:KIND[,KIND...]] [/json]\n"
           "                  [/only:FILE] [/report:FILE]\n"
           "       DustrelCmd /?\n"
           "\n"
           "Lists junk files and folders, removes them, and erases privacy traces.\n"
           "\n"
           "  /standard   the standard scan (the default without another listing or /traces)\n"
           "  /cookies    the browser's cookie files\n"
           "  /temp       the temporary, cache and download folders and files\n"
           "  /rules      what the cleaning rules find: the built-in ones, and those of\n"
           "              Winapp2.ini beside the program or in %AppData%\\Dustrel\n"
           "  /rules:FILE what the rules of FILE alone find\n"
           "  /acceptwarnings\n"
           "              also remove what rules with a warning found (kept otherwise)\n"
           "  /preview    only list (the default)\n"
           "  /delete     delete every listed item for good\n"
           "  /recycle    move every listed item to the Recycle Bin\n"
           "  /traces:KIND[,KIND...]\n"
           "              erase privacy traces: url, passwords, run, find, typed, recent, or all\n"
           "  /json       one JSON document instead of text\n"
           "  /only:FILE  keep only the listed items whose lines FILE holds, one a line;\n"
           "              a line of FILE that the listing does not find is refused\n"
           "  /report:FILE\n"
           "              write the report into FILE instead of standard output\n"
           "  /?          this help\n"
           "\n"
           "Exit status: 0 when everything asked was done, 1 when an item was kept or a\n"
           "trace could not be erased, 2 for a bad command line.\n";
}
