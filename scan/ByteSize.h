#pragma once

#include <cstdint>
#include <string>

// A size in the shell's own short format ("12.3 KB"), as Explorer shows it,
// in the system's language.
std::wstring ByteSizeWide(std::uint64_t bytes);
// The same in the process's code page.
std::string ByteSizeText(std::uint64_t bytes);
