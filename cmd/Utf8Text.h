#pragma once

#include <string>

// The console program writes UTF-8 whatever the system's code page: narrow
// text (the process's code page) and wide text converted to it.
std::string Utf8FromNarrow(const std::string& text);
std::string Utf8FromWide(const std::wstring& text);
