#pragma once

#include <string>
#include <vector>

// Cleaning rules as their users keep them: the community's Winapp2.ini
// format, read into plain entries. Nothing here looks at the system; what a
// key means on this machine is worked out when the entry is applied.

// Files whose names match a mask in a folder (the folder may hold wildcards).
struct FileKey {
    enum class Reach { FolderAlone, Subfolders, SubfoldersAndEmptied };
    int line = 0;
    std::wstring folder;              // as written: variables, wildcards
    std::vector<std::wstring> masks;  // never empty
    Reach reach = Reach::FolderAlone;
};

// What an entry keeps of what its file or registry keys would remove.
struct ExcludeKey {
    enum class Kind { File, Path, Registry };
    int line = 0;
    Kind kind = Kind::File;
    std::wstring folder;  // File and Path; a registry key for Registry
    std::wstring mask;    // File: the file's name; Path: a mask, "*" when none was given
};

// A registry key with everything under it, or one of its values.
struct RegKey {
    int line = 0;
    std::wstring key;    // with its hive: "HKCU\Software\X"
    std::wstring value;  // empty: the whole key
    bool isValue = false;
};

struct RuleEntry {
    std::string source;  // the file it comes from, as notes name it
    int line = 0;        // of its [Name]
    std::wstring name;
    std::wstring section;  // Section=, or the group LangSecRef= names
    std::vector<std::wstring> detectKeys;
    std::vector<std::wstring> detectFiles;
    std::wstring detectOs;       // "min|max", as written
    std::wstring specialDetect;  // DET_CHROME and the like
    std::wstring warning;
    std::vector<FileKey> fileKeys;
    std::vector<ExcludeKey> excludes;
    std::vector<RegKey> regKeys;
    // Something in the entry could not be read with certainty (an exclude
    // of an unknown kind, say): it removes nothing.
    bool unusable = false;
};

// Something left out, for the user to see: "Winapp2.ini, line 12: ...".
struct RuleNote {
    std::string source;
    int line = 0;
    std::string text;
};

struct RuleFile {
    std::vector<RuleEntry> entries;
    std::vector<RuleNote> notes;
    // Set when the file could not be read at all: then there are no entries.
    std::string error;
};

// Reads rules from a file's bytes: UTF-8 (with or without its mark), UTF-16
// with its mark, or else the ANSI code page. `source` names the file in notes.
RuleFile ParseRules(const std::string& bytes, const std::string& source);

// Reads a rule file from disk; a file that cannot be opened is an error.
RuleFile ReadRuleFile(const std::string& path);

// The text of a note or error, as shown to the user.
std::string NoteText(const RuleNote& note);
