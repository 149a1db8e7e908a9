#pragma once

#include <windows.h>

// While it lives, the console that standard output or standard error writes
// to (if any) shows UTF-8; its earlier code page comes back afterwards.
// Output redirected to a file or a pipe needs nothing: the bytes go as they are.
class Utf8Console {
public:
    Utf8Console();
    ~Utf8Console();
    Utf8Console(const Utf8Console&) = delete;
    Utf8Console& operator=(const Utf8Console&) = delete;

private:
    UINT m_earlier = 0;  // 0 when nothing was changed
};
