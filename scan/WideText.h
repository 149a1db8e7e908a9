#pragma once

#include <string>

// Narrow text is in the process's code page (UTF-8 where the manifest is
// honoured). Wide functions take it without guessing from a locale or a
// font, which the narrow ones do.
std::wstring WideFromNarrow(const std::string& text);
// Into the process's code page, or another one (CP_UTF8).
std::string NarrowFromWide(const std::wstring& text, unsigned codePage = 0);

// Into the process's code page with no look-alike for a character it lacks
// ("c" for "ċ" would name another item): a replacement character ("?")
// stands there instead, and `exact` says whether any did.
std::string NarrowWithoutLookAlikes(const wchar_t* text, int length, bool& exact);
