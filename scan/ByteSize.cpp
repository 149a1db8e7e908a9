#include "scan/ByteSize.h"

#include "scan/WideText.h"

#include <windows.h>
#include <shlwapi.h>

#include <limits>

std::wstring ByteSizeWide(std::uint64_t bytes)
{
    const std::uint64_t largest = static_cast<std::uint64_t>(std::numeric_limits<LONGLONG>::max());
    wchar_t text[64] = L"";
    if (StrFormatByteSizeW(static_cast<LONGLONG>(bytes < largest ? bytes : largest), text, 64) == nullptr) return {};
    return text;
}

std::string ByteSizeText(std::uint64_t bytes) { return NarrowFromWide(ByteSizeWide(bytes)); }
