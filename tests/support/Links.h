#pragma once

#include <string>

// A symbolic link made on the Unix side, as a link is made for Wine; on
// Windows itself a symbolic link of the file system. Removed as a link when
// the test ends, never followed.
class ScopedLink {
public:
    ScopedLink(std::string link, const std::string& target, bool toFolder);
    ~ScopedLink();
    ScopedLink(const ScopedLink&) = delete;
    ScopedLink& operator=(const ScopedLink&) = delete;
    bool Made() const { return m_made; }

private:
    std::string m_link;
    bool m_toFolder;
    bool m_made = false;
};
