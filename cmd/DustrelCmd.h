#pragma once

#include "cmd/CleanRun.h"

#include <ostream>
#include <string>
#include <vector>

// The console program from its arguments (without the program's name) to
// its exit status: the report goes to `out`, a bad command line's error and
// the usage to `err`. A bad command line touches nothing.
int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   const Engine& engine);

// The same over the start-up folders of this machine and user.
int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
