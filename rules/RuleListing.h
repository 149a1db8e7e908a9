#pragma once

#include "rules/Detection.h"
#include "rules/ProtectedPlaces.h"
#include "rules/RuleFile.h"
#include "rules/RuleVariables.h"
#include "scan/Results.h"

#include <string>
#include <vector>

// What the rules are applied with: the folders the variables stand for,
// the places no rule may empty, and the system's version.
struct RuleContext {
    RuleVariables variables;
    ProtectedPlaces protectedPlaces;
    KernelVersion version;

    static RuleContext OfSystem();
};

// Adds a line for each root folder of each file key of each entry that
// applies here, when something there would go, and a line for each registry
// key or value that exists. What is left out on the way (a key at a
// protected place, a folder that does not expand) is told in `notes`.
void AddRuleResults(ResultSet& results, const std::vector<RuleEntry>& entries, const RuleContext& context,
                    std::vector<std::string>& notes);

// A line's text: its root, its masks, and how far it reaches.
std::string SweepLine(const std::string& root, const FileKey& key);
