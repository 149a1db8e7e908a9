#pragma once

// Reading this test program's own resources the way the platform stores
// them: raw bytes by type, name and language, and the bitmaps' pixels.

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

const LANGID English = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
const LANGID Traditional = MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_TRADITIONAL);
const LANGID Simplified = MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED);

const COLORREF LightGrey = RGB(192, 192, 192);

// The bytes of one resource in one language; empty when it is missing.
inline std::vector<BYTE> ResourceBytes(LPCSTR type, LPCSTR name, LANGID language = English)
{
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceExA(module, type, name, language);
    if (found == nullptr) return {};
    const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
    return std::vector<BYTE>(data, data + SizeofResource(module, found));
}

// Every language a resource exists in.
inline std::vector<LANGID> ResourceLanguages(LPCSTR type, LPCSTR name)
{
    std::vector<LANGID> languages;
    EnumResourceLanguagesA(
        GetModuleHandleA(nullptr), type, name,
        [](HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR param) -> BOOL {
            reinterpret_cast<std::vector<LANGID>*>(param)->push_back(language);
            return TRUE;
        },
        reinterpret_cast<LONG_PTR>(&languages));
    return languages;
}

// A palette bitmap as a bitmap resource holds it: header, colour table and
// bottom-up rows.
class PaletteBitmap {
public:
    explicit PaletteBitmap(int id) : m_bytes(ResourceBytes(RT_BITMAP, MAKEINTRESOURCEA(id)))
    {
        if (m_bytes.size() >= sizeof m_header) std::memcpy(&m_header, m_bytes.data(), sizeof m_header);
    }

    bool Exists() const { return m_bytes.size() >= sizeof m_header; }
    const BITMAPINFOHEADER& Header() const { return m_header; }

    std::vector<COLORREF> Palette() const
    {
        std::vector<COLORREF> colours;
        for (DWORD index = 0; index < Colours(); ++index) colours.push_back(Entry(index));
        return colours;
    }

    COLORREF Pixel(int x, int y) const
    {
        const int bits = m_header.biBitCount;
        const size_t stride = (m_header.biWidth * bits + 31) / 32 * 4;
        const size_t row = m_header.biSize + Colours() * sizeof(RGBQUAD) + (m_header.biHeight - 1 - y) * stride;
        const BYTE packed = m_bytes.at(row + x * bits / 8);
        const BYTE index = bits == 8 ? packed : (x % 2 == 0 ? packed >> 4 : packed & 15);
        return Entry(index);
    }

private:
    DWORD Colours() const
    {
        if (m_header.biClrUsed != 0) return m_header.biClrUsed;
        return m_header.biBitCount <= 8 ? 1u << m_header.biBitCount : 0;
    }

    COLORREF Entry(DWORD index) const
    {
        RGBQUAD quad;
        std::memcpy(&quad, m_bytes.data() + m_header.biSize + index * sizeof quad, sizeof quad);
        return RGB(quad.rgbRed, quad.rgbGreen, quad.rgbBlue);
    }

    std::vector<BYTE> m_bytes;
    BITMAPINFOHEADER m_header{};
};

// The program's version block. It is read from the resource in memory:
// the test prefix has no drive that reaches the executable's file.
class VersionBlock {
public:
    VersionBlock();
    // The version resource of another program's file.
    explicit VersionBlock(const std::string& file);
    ~VersionBlock();

    bool Exists() const { return !m_block.empty(); }
    // File or product version as four numbers, most significant first;
    // empty when there is none.
    std::vector<WORD> Fixed(bool product = false) const;
    // A string of the English (United States), Windows Latin-1 table; a
    // marker when it is missing.
    std::wstring String(const std::wstring& name) const;
    // Language and code page pairs.
    std::vector<WORD> Translations() const;

private:
    std::vector<BYTE> m_block;
};
