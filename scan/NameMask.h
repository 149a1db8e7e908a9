#pragma once

#include <string>

// A file-name mask read as the platform reads one, against the long name
// only: "*" stands for any run of characters, "?" for exactly one, letter
// case is ignored, and a mask ending in ".*" also takes a name without that
// part ("*.*" takes every name, "winfile.*" takes "winfile"). The system's
// own search also matches 8.3 short names ("*.bak" finds "notes.bak2" through
// NOTES~1.BAK), so every hit it gives is checked here as well.
class NameMask {
public:
    explicit NameMask(const std::wstring& mask);
    // A mask in the program's narrow text.
    explicit NameMask(const std::string& mask);

    bool Matches(const wchar_t* name) const;

private:
    std::wstring m_mask;            // letter case folded
    std::wstring m_withoutDotStar;  // the mask without a trailing ".*", or empty
};
