#pragma once

#include <string>
#include <vector>

// A rule file's bytes as text: UTF-16 or UTF-8 after their marks, UTF-8
// when the bytes are valid UTF-8, the ANSI code page otherwise (older files).
std::wstring DecodeRuleText(const std::string& bytes);

// Letter case folded as the file system folds names, for comparing keys,
// entry names and paths.
std::wstring FoldedCase(const std::wstring& text);

// Spaces and tabs taken off both ends.
std::wstring Trimmed(const std::wstring& text);

// The parts of a text between separators, as they are (empty ones too).
std::vector<std::wstring> SplitText(const std::wstring& text, wchar_t separator);
