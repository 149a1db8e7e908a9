#pragma once

#include <map>
#include <string>
#include <vector>

// The %Name% variables of rule paths and the folders they stand for, taken
// from the shell's known folders and the system rather than from the
// environment, which a caller can set to anything. Some stand for two
// folders (%ProgramFiles%: the 64-bit one and the "(x86)" one).
class RuleVariables {
public:
    // The folders of the user running the program.
    static RuleVariables OfSystem();

    // A variable by name, letter case ignored; an empty value is unknown.
    void Set(const std::wstring& name, std::vector<std::wstring> folders);

    // Every full path a rule path stands for, each a drive path without
    // "." or ".." parts; none when a variable is unknown or half-typed, or
    // the result is not a full path. `fixedLength` tells, for each, how
    // much of it the variables gave (links there are the system's).
    struct Expansion {
        std::wstring path;
        size_t fixedLength = 0;
    };
    std::vector<Expansion> Expand(const std::wstring& rulePath) const;

private:
    std::map<std::wstring, std::vector<std::wstring>> m_folders;  // by folded name
};

// A full path of a drive, "C:\..." (the root "C:\" itself included).
bool IsFullDrivePath(const std::wstring& path);
