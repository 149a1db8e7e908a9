#include "cmd/Utf8Text.h"

#include "scan/WideText.h"

#include <windows.h>

std::string Utf8FromWide(const std::wstring& text)
{
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(size > 0 ? size : 0), '\0');
    if (size > 0)
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &utf8[0], size, nullptr, nullptr);
    return utf8;
}

// Under the UTF-8 manifest the narrow text already is UTF-8.
std::string Utf8FromNarrow(const std::string& text)
{
    return GetACP() == CP_UTF8 ? text : Utf8FromWide(WideFromNarrow(text));
}
