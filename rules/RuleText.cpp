#include "rules/RuleText.h"

#include <windows.h>

namespace {

std::wstring Decoded(UINT codePage, DWORD flags, const char* bytes, int length)
{
    if (length == 0) return {};
    const int size = MultiByteToWideChar(codePage, flags, bytes, length, nullptr, 0);
    if (size <= 0) return {};
    std::wstring text(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(codePage, flags, bytes, length, &text[0], size);
    return text;
}

}  // namespace

std::wstring DecodeRuleText(const std::string& bytes)
{
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xFE) {
        std::wstring text((bytes.size() - 2) / 2, L'\0');
        for (size_t at = 0; at < text.size(); ++at)
            text[at] = static_cast<wchar_t>(static_cast<unsigned char>(bytes[2 + 2 * at]) |
                                            (static_cast<unsigned char>(bytes[3 + 2 * at]) << 8));
        return text;
    }
    const bool marked = bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0;
    const char* start = bytes.data() + (marked ? 3 : 0);
    const int length = static_cast<int>(bytes.size() - (marked ? 3 : 0));
    if (length == 0) return {};
    // Valid UTF-8 is read as such; anything else is from an older editor.
    if (marked || MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, start, length, nullptr, 0) > 0)
        return Decoded(CP_UTF8, 0, start, length);
    return Decoded(CP_ACP, 0, start, length);
}

std::wstring FoldedCase(const std::wstring& text)
{
    std::wstring folded(text);
    if (!folded.empty()) CharUpperBuffW(&folded[0], static_cast<DWORD>(folded.size()));
    return folded;
}

std::wstring Trimmed(const std::wstring& text)
{
    const auto first = text.find_first_not_of(L" \t");
    if (first == std::wstring::npos) return {};
    return text.substr(first, text.find_last_not_of(L" \t") - first + 1);
}

std::vector<std::wstring> SplitText(const std::wstring& text, wchar_t separator)
{
    std::vector<std::wstring> parts;
    size_t start = 0;
    for (size_t at = text.find(separator); at != std::wstring::npos; at = text.find(separator, start)) {
        parts.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}
