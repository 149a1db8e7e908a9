#pragma once

#include <windows.h>

#include <set>
#include <string>

// Answers every task dialog that opens on this thread from inside its own
// modal loop, as a user would, and keeps what the last one said.
class TaskDialogAnswer {
public:
    enum class Press { Yes, YesNotAskingAgain, No, Enter, Escape };
    explicit TaskDialogAnswer(Press press);
    ~TaskDialogAnswer();
    TaskDialogAnswer(const TaskDialogAnswer&) = delete;
    TaskDialogAnswer& operator=(const TaskDialogAnswer&) = delete;

    int shown = 0;
    std::string texts;  // the texts of its controls, one a line

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
    void Answer(HWND dialog);

    static TaskDialogAnswer* s_self;
    Press m_press;
    HHOOK m_hook = nullptr;
    std::set<HWND> m_answered;
};
