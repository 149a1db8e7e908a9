#include "cmd/Utf8Text.h"

#include "scan/WideText.h"

#include <windows.h>

std::string Utf8FromWide(const std::wstring& text) { return NarrowFromWide(text, CP_UTF8); }

// Under the UTF-8 manifest the narrow text already is UTF-8.
std::string Utf8FromNarrow(const std::string& text)
{
    return GetACP() == CP_UTF8 ? text : Utf8FromWide(WideFromNarrow(text));
}
