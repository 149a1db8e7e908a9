#pragma once

#include "rules/RuleFile.h"

#include <string>
#include <vector>

// Where rules come from: the set built into the program (a resource in the
// same format) and the community's Winapp2.ini when the user keeps one
// beside the program or in their application-data folder under "Dustrel".
// An entry of the user's file replaces the built-in one of the same name.

struct RuleSet {
    std::vector<RuleEntry> entries;
    std::vector<std::string> notes;   // what was left out, and why
    std::vector<std::string> errors;  // files that could not be read at all
};

// The built-in set, read from the program's resource.
RuleFile BuiltInRules();

// The user's rule file, the first of those places that holds one; empty
// when there is none.
std::string UserRuleFile();

// The built-in set with the user's file over it.
RuleSet DefaultRules();

// The rules of one file alone.
RuleSet RulesOfFile(const std::string& path);

// `over` laid on `base`: an entry of `over` replaces the one of `base` of
// the same name (letter case ignored), the others are added.
void LayRules(RuleSet& base, const RuleFile& over);
