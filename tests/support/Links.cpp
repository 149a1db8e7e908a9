#include "tests/support/Links.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>

namespace {

// Wine hands out the Unix path of a Windows path; the caller frees it.
using UnixNameFunction = char*(CDECL*)(LPCWSTR);

UnixNameFunction WineUnixName()
{
    FARPROC found = GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name");
    UnixNameFunction function = nullptr;
    static_assert(sizeof function == sizeof found, "function pointers differ in size");
    std::memcpy(&function, &found, sizeof function);
    return function;
}

std::string UnixPath(UnixNameFunction unixName, const std::string& path)
{
    std::wstring wide(path.size() + 1, L'\0');
    wide.resize(static_cast<size_t>(
        MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, &wide[0], static_cast<int>(wide.size()))));
    char* name = unixName(wide.c_str());
    if (name == nullptr) return {};
    std::string result = name;
    HeapFree(GetProcessHeap(), 0, name);
    return result;
}

// Under Wine the program runs as a Linux process, and Wine does not stand
// between it and the kernel: symlink(2) and unlink(2) make and remove a link
// exactly as `ln -s` and `rm` would.
long LinuxCall(long number, const char* first, const char* second)
{
#if defined(__GNUC__) && defined(__x86_64__)
    long result;
    __asm__ volatile("syscall"
                     : "=a"(result)
                     : "0"(number), "D"(first), "S"(second)
                     : "rcx", "r11", "memory");
    return result;
#else
    (void)number;
    (void)first;
    (void)second;
    return -1;
#endif
}

constexpr long LinuxUnlink = 87;
constexpr long LinuxSymlink = 88;

}  // namespace

ScopedLink::ScopedLink(std::string link, const std::string& target, bool toFolder)
    : m_link(std::move(link)), m_toFolder(toFolder)
{
    if (UnixNameFunction unixName = WineUnixName()) {
        const std::string unixTarget = UnixPath(unixName, target);
        const std::string unixLink = UnixPath(unixName, m_link);
        m_made = !unixTarget.empty() && !unixLink.empty() &&
                 LinuxCall(LinuxSymlink, unixTarget.c_str(), unixLink.c_str()) == 0;
    } else {
        m_made = CreateSymbolicLinkA(m_link.c_str(), target.c_str(), toFolder ? SYMBOLIC_LINK_FLAG_DIRECTORY : 0);
    }
    EXPECT_TRUE(m_made) << "cannot link " << m_link << " to " << target;
}

ScopedLink::~ScopedLink()
{
    if (!m_made) return;
    if (UnixNameFunction unixName = WineUnixName()) {
        // Gone already if the code under test removed it.
        const std::string unixLink = UnixPath(unixName, m_link);
        if (!unixLink.empty()) LinuxCall(LinuxUnlink, unixLink.c_str(), nullptr);
    } else {
        if (m_toFolder) RemoveDirectoryA(m_link.c_str());
        else DeleteFileA(m_link.c_str());
    }
}
