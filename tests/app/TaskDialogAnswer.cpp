#include "tests/app/TaskDialogAnswer.h"

#include <commctrl.h>

TaskDialogAnswer* TaskDialogAnswer::s_self = nullptr;

TaskDialogAnswer::TaskDialogAnswer(Press press) : m_press(press)
{
    s_self = this;
    m_hook = SetWindowsHookExA(WH_CBT, Hook, nullptr, GetCurrentThreadId());
}

TaskDialogAnswer::~TaskDialogAnswer()
{
    UnhookWindowsHookEx(m_hook);
    s_self = nullptr;
}

// Wine's task dialog shows no WM_INITDIALOG to hooks: it is answered when
// it first becomes active, its controls made.
LRESULT CALLBACK TaskDialogAnswer::Hook(int code, WPARAM wParam, LPARAM lParam)
{
    HWND window = reinterpret_cast<HWND>(wParam);
    char name[16] = "";
    if (code == HCBT_ACTIVATE && s_self && GetClassNameA(window, name, sizeof name) > 0 &&
        lstrcmpA(name, "#32770") == 0 && s_self->m_answered.insert(window).second)
        s_self->Answer(window);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void TaskDialogAnswer::Answer(HWND dialog)
{
    ++shown;
    texts.clear();
    EnumChildWindows(
        dialog,
        [](HWND child, LPARAM into) {
            char text[512] = "";
            GetWindowTextA(child, text, sizeof text);
            *reinterpret_cast<std::string*>(into) += std::string(text) + "\n";
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&texts));
    // Posted, so they arrive once the dialog's own loop runs.
    switch (m_press) {
    case Press::YesNotAskingAgain:
        PostMessageA(dialog, TDM_CLICK_VERIFICATION, TRUE, FALSE);
        PostMessageA(dialog, TDM_CLICK_BUTTON, IDYES, 0);
        break;
    case Press::Yes: PostMessageA(dialog, TDM_CLICK_BUTTON, IDYES, 0); break;
    case Press::No: PostMessageA(dialog, TDM_CLICK_BUTTON, IDNO, 0); break;
    // Keys go to the button that has the focus, the default one.
    case Press::Enter: PostMessageA(GetDlgItem(dialog, IDNO), WM_KEYDOWN, VK_RETURN, 0); break;
    case Press::Escape: PostMessageA(GetDlgItem(dialog, IDNO), WM_KEYDOWN, VK_ESCAPE, 0); break;
    }
}
