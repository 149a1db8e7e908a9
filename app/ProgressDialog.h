#pragma once

#include "scan/WorkStatus.h"

#include <windows.h>
#include <shlobj.h>

#include <string>

// The shell's own progress dialog over a main window: a title, the item the
// work is on, a bar and the platform's estimate of the time left, and a
// Cancel button. Bound to the thread that shows it, which must have COM.
class ProgressDialog {
public:
    enum class Bar { ByItems, ByBytes, Marquee };

    ProgressDialog() = default;
    ~ProgressDialog() { Close(); }
    ProgressDialog(const ProgressDialog&) = delete;
    ProgressDialog& operator=(const ProgressDialog&) = delete;

    // False when the platform has no progress dialog to give.
    bool Show(HWND owner, const std::string& title, Bar bar);
    bool Shown() const { return m_dialog != nullptr; }
    void Update(const WorkStatus::Snapshot& progress);
    bool Cancelled() const;
    void Close();

private:
    IProgressDialog* m_dialog = nullptr;
    Bar m_bar = Bar::ByItems;
    std::string m_line;
};
