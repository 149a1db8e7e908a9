#include "tests/res/ResourceReading.h"

VersionBlock::VersionBlock() : m_block(ResourceBytes(RT_VERSION, MAKEINTRESOURCEA(VS_VERSION_INFO))) {}

VersionBlock::VersionBlock(const std::string& file)
{
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(file.c_str(), &handle);
    m_block.resize(size);
    if (size == 0 || !GetFileVersionInfoA(file.c_str(), 0, size, m_block.data())) m_block.clear();
}

VersionBlock::~VersionBlock() = default;

std::vector<WORD> VersionBlock::Fixed(bool product) const
{
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT size = 0;
    if (!Exists() || !VerQueryValueW(m_block.data(), L"\\", reinterpret_cast<void**>(&fixed), &size) ||
        size < sizeof *fixed || fixed->dwSignature != VS_FFI_SIGNATURE)
        return {};
    const DWORD high = product ? fixed->dwProductVersionMS : fixed->dwFileVersionMS;
    const DWORD low = product ? fixed->dwProductVersionLS : fixed->dwFileVersionLS;
    return {HIWORD(high), LOWORD(high), HIWORD(low), LOWORD(low)};
}

std::wstring VersionBlock::String(const std::wstring& name) const
{
    wchar_t* value = nullptr;
    UINT size = 0;
    const std::wstring path = L"\\StringFileInfo\\040904E4\\" + name;
    if (!Exists() || !VerQueryValueW(m_block.data(), path.c_str(), reinterpret_cast<void**>(&value), &size))
        return L"(missing)";
    std::wstring text(value, size);
    return text.substr(0, text.find(L'\0'));
}

std::vector<WORD> VersionBlock::Translations() const
{
    WORD* pairs = nullptr;
    UINT size = 0;
    if (!Exists() || !VerQueryValueW(m_block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&pairs), &size))
        return {};
    return std::vector<WORD>(pairs, pairs + size / sizeof(WORD));
}
