#pragma once

#include "traces/TraceKind.h"

#include <string>
#include <vector>

// The registry keys under HKEY_CURRENT_USER that each kind of trace is made
// of, as the cleaner must erase them.
std::vector<std::string> KeysOf(TraceKind kind);
std::vector<std::string> AllTraceKeys();

// The cleaner's keys, made in the test prefix with values and a branch of
// subkeys under each, and keys beside them that must stay: "OpenSaveMRU"
// itself with two other extensions, and the Find keys' parent. Everything
// made here is removed again at the end, and nothing else.
class TraceKeys {
public:
    TraceKeys();
    ~TraceKeys();
    TraceKeys(const TraceKeys&) = delete;
    TraceKeys& operator=(const TraceKeys&) = delete;

    // Makes every key again (after a cleaning run).
    void Create();

    static bool Exists(const std::string& key);
    static std::vector<std::string> Bystanders();
    // A subkey deep in the branch made under a cleaner key.
    static std::string BranchOf(const std::string& key);
    // Every key made here, in a fixed order: which of them exist now.
    std::vector<std::string> Present() const;

private:
    // Keys above ours that this object made, deepest first.
    std::vector<std::string> m_madeAbove;
};
