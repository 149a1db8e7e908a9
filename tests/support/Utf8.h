#pragma once

#include <windows.h>

#include <string>

// The program's narrow text (the system code page) as UTF-8, to compare with
// the texts the tests expect.
inline std::string Utf8(const std::string& narrow)
{
    std::wstring wide(narrow.size(), L'\0');
    wide.resize(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, narrow.data(), static_cast<int>(narrow.size()),
                                                        &wide[0], static_cast<int>(wide.size()))));
    std::string utf8(wide.size() * 4, '\0');
    utf8.resize(static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                                        &utf8[0], static_cast<int>(utf8.size()), nullptr,
                                                        nullptr)));
    return utf8;
}
