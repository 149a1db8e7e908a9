#pragma once

#include "tests/support/Links.h"
#include "tests/support/ScopedVariable.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// COM on this thread for one test, as the application has it.
class ComScope {
public:
    ComScope() : m_result(CoInitialize(nullptr)) {}
    ~ComScope()
    {
        if (SUCCEEDED(m_result)) CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
    bool Ready() const { return SUCCEEDED(m_result); }

private:
    HRESULT m_result;
};

// A folder at an exact place outside any test folder (in a drive's root,
// say), made with the folders above it that are missing, and removed with
// them and with everything the test put in it when the test ends. The place
// must be free when the test starts.
class ScopedFolder {
public:
    explicit ScopedFolder(std::string path);
    ~ScopedFolder();
    ScopedFolder(const ScopedFolder&) = delete;
    ScopedFolder& operator=(const ScopedFolder&) = delete;
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
    std::string m_topmostCreated;
};

// A file's bytes, or nothing when it cannot be read.
std::string FileBytes(const std::string& path);
// Writes a new file with these bytes.
void WriteBytes(const std::string& path, const std::string& bytes);
// `size` bytes, none of them zero, that differ from place to place.
std::string Pattern(size_t size);

// Runs a script inside a modal loop. Each time the loop of a modal dialog or
// popup menu owned by `window` runs out of messages, the window gets
// WM_ENTERIDLE of that kind and the next step runs, with the dialog or the
// menu's window. After a step a message is posted to the dialog so that its
// loop comes back to idle. A loop still running after the last step is ended
// and the test fails.
class IdleSteps {
public:
    using Step = std::function<void(HWND modal)>;
    IdleSteps(HWND window, WPARAM kind, std::vector<Step> steps);
    ~IdleSteps();
    IdleSteps(const IdleSteps&) = delete;
    IdleSteps& operator=(const IdleSteps&) = delete;

    size_t StepsRun() const { return m_next; }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void OnIdle(HWND modal);

    HWND m_window;
    WPARAM m_kind;
    std::vector<Step> m_steps;
    size_t m_next = 0;
    WNDPROC m_previous = nullptr;
};

// Clicks a button the way the mouse does, so it toggles and notifies its dialog.
void Click(HWND dialog, int id);
bool IsChecked(HWND dialog, int id);
bool IsEnabled(HWND dialog, int id);
