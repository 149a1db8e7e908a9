#include "framework/Strings.h"

std::string LoadResourceString(UINT id)
{
    // The loader hands out the resource's own text; converting it ourselves
    // means no fixed buffer can cut it short.
    const wchar_t* text = nullptr;
    const int length = LoadStringW(GetModuleHandleA(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || text == nullptr) return {};
    const int size = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
    if (size <= 0) return {};
    std::string narrow(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, length, &narrow[0], size, nullptr, nullptr);
    return narrow;
}

std::string StringPrompt(UINT id)
{
    const std::string text = LoadResourceString(id);
    return text.substr(0, text.find('\n'));
}

std::string LoadStringTail(UINT id)
{
    const std::string text = LoadResourceString(id);
    const size_t newline = text.rfind('\n');
    return newline == std::string::npos ? text : text.substr(newline + 1);
}
