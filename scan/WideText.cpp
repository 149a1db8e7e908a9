#include "scan/WideText.h"

#include <windows.h>

static_assert(CP_ACP == 0, "the default code page is the process's");

std::wstring WideFromNarrow(const std::string& text)
{
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0) MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &wide[0], length);
    return wide;
}

namespace {

void ReplaceUnpairedSurrogates(std::wstring& text)
{
    for (size_t at = 0; at < text.size(); ++at) {
        const wchar_t c = text[at];
        if (IS_HIGH_SURROGATE(c) && at + 1 < text.size() && IS_LOW_SURROGATE(text[at + 1])) ++at;
        else if (IS_HIGH_SURROGATE(c) || IS_LOW_SURROGATE(c)) text[at] = L'?';
    }
}

}  // namespace

std::string NarrowWithoutLookAlikes(const wchar_t* text, int length, bool& exact)
{
    // The invalid-character check is given for UTF-8 named as such, the
    // default-character report for the other code pages only.
    if (GetACP() == CP_UTF8) {
        // One conversion, into room on the stack, for the names of a listing.
        char buffer[1024];
        const int size =
            WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, text, length, buffer, sizeof buffer, nullptr, nullptr);
        if (size > 0 || length == 0) {
            exact = true;
            return std::string(buffer, static_cast<size_t>(size > 0 ? size : 0));
        }
        std::wstring wide(text, static_cast<size_t>(length));
        // An unpaired surrogate would come out as U+FFFD, the name of
        // another item; "?" names none. A text too long for the room takes
        // the long way too.
        exact = WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, text, length, nullptr, 0, nullptr, nullptr) > 0;
        if (!exact) ReplaceUnpairedSurrogates(wide);
        return NarrowFromWide(wide, CP_UTF8);
    }
    BOOL lossy = FALSE;
    const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text, length, nullptr, 0, nullptr, &lossy);
    exact = !lossy;
    std::string narrow(static_cast<size_t>(size > 0 ? size : 0), '\0');
    if (size > 0) WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text, length, &narrow[0], size, nullptr, nullptr);
    return narrow;
}

std::string NarrowFromWide(const std::wstring& text, unsigned codePage)
{
    const int size =
        WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(size > 0 ? size : 0), '\0');
    if (size > 0)
        WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), &narrow[0], size, nullptr,
                            nullptr);
    return narrow;
}
