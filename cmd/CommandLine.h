#pragma once

#include "traces/TraceKind.h"

#include <string>
#include <vector>

// What the console program was asked to do.
enum class Action { Preview, Delete, Recycle };

struct Options {
    bool help = false;
    bool standard = false;
    bool cookies = false;
    bool temporary = false;
    Action action = Action::Preview;
    bool json = false;
    bool traces = false;
    TraceSelection traceKinds;
    // /only:FILE: the run keeps only the listed items whose lines the file
    // holds; the lines themselves, once read, in `onlyLines`.
    std::string onlyFile;
    std::vector<std::string> onlyLines;
    // /report:FILE: the report goes into this file instead of standard output.
    std::string reportFile;
    // The cleaning rules: built-in and the user's file, or `rulesFile` alone.
    bool rules = false;
    std::string rulesFile;
    bool acceptWarnings = false;  // remove what entries with a warning found too
};

// The options, or what is wrong with the command line (one line, no usage).
struct ParsedCommandLine {
    Options options;
    std::string error;
};

// Windows-style switches after the program's name, letter case ignored.
// Without any listing and without /traces, the standard scan is listed.
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args);

// The help that /? prints, and a bad command line after its error.
const char* UsageText();
