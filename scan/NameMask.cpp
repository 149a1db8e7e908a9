#include "scan/NameMask.h"

#include "scan/WideText.h"

#include <windows.h>

namespace {

// Upper case as the file system compares names; a character without an
// upper-case form stays as it is.
wchar_t Folded(wchar_t c)
{
    if (c < 0x80) return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - L'a' + L'A') : c;
    return static_cast<wchar_t>(reinterpret_cast<ULONG_PTR>(CharUpperW(reinterpret_cast<LPWSTR>(
        static_cast<ULONG_PTR>(c)))));
}

std::wstring FoldedText(const std::wstring& text)
{
    std::wstring folded(text);
    for (wchar_t& c : folded) c = Folded(c);
    return folded;
}

// The usual matcher with one step back to the last "*": linear in practice,
// never exponential.
bool Match(const wchar_t* name, const std::wstring& mask)
{
    const wchar_t* m = mask.c_str();
    const wchar_t* starMask = nullptr;
    const wchar_t* starName = nullptr;
    while (*name != L'\0') {
        if (*m == L'*') {
            starMask = ++m;
            starName = name;
        } else if (*m != L'\0' && (*m == L'?' || *m == Folded(*name))) {
            ++m;
            ++name;
        } else if (starMask != nullptr) {
            m = starMask;
            name = ++starName;
        } else {
            return false;
        }
    }
    while (*m == L'*') ++m;
    return *m == L'\0';
}

}  // namespace

NameMask::NameMask(const std::wstring& mask) : m_mask(FoldedText(mask))
{
    if (m_mask.size() >= 2 && m_mask.compare(m_mask.size() - 2, 2, L".*") == 0)
        m_withoutDotStar = m_mask.substr(0, m_mask.size() - 2);
}

NameMask::NameMask(const std::string& mask) : NameMask(WideFromNarrow(mask)) {}

bool NameMask::Matches(const wchar_t* name) const
{
    if (Match(name, m_mask)) return true;
    if (m_withoutDotStar.empty()) return false;
    for (const wchar_t* c = name; *c != L'\0'; ++c)
        if (*c == L'.') return false;
    return Match(name, m_withoutDotStar);
}
