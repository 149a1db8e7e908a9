#pragma once

#include "framework/ListBox.h"

#include <windows.h>

#include <functional>
#include <string>

// A real top-level window standing in for the main frame: a status bar with
// the frame's status-bar id and, as its child, the main form from the
// program's own template with the result list in it.
class TestFrame {
public:
    TestFrame();
    ~TestFrame();
    TestFrame(const TestFrame&) = delete;
    TestFrame& operator=(const TestFrame&) = delete;

    HWND Frame() const { return m_frame; }
    HWND StatusBar() const { return m_statusBar; }
    const CListBox& List() const { return m_list; }

    // What the form does when the list reports a change of selection.
    void OnSelectionChange(std::function<void()> handler) { m_onSelChange = std::move(handler); }

    std::string StatusText(int pane = 0) const;
    std::string Title() const;

    // Clicks a line of the list as a user would.
    void ClickLine(int index) const;

private:
    static INT_PTR CALLBACK FormProc(HWND form, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_frame = nullptr;
    HWND m_statusBar = nullptr;
    HWND m_form = nullptr;
    CListBox m_list;
    std::function<void()> m_onSelChange;
};

// Runs the messages waiting in this thread's queue.
void PumpMessages();
