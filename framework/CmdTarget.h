#pragma once

#include <windows.h>

// The state a command's enabling rule sets for one menu item or toolbar button.
class CCmdUI {
public:
    explicit CCmdUI(UINT id) : m_nID(id) {}
    void Enable(bool enabled = true) { m_enabled = enabled; m_handled = true; }
    void SetCheck(int check) { m_checked = check; }

    UINT m_nID;
    bool m_enabled = false;
    bool m_handled = false;
    int m_checked = -1;  // -1: left as it is
};

// Something a command can be offered to. OnCmdMsg runs the command when
// cmdUI is null and asks for its state otherwise; it answers whether this
// target knows the command.
class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;
    virtual bool OnCmdMsg(UINT id, CCmdUI* cmdUI) { (void)id; (void)cmdUI; return false; }
};

// One row of a command map: the command, its handler and its enabling rule.
// A command with a handler and no rule of its own is always enabled.
template <class T>
struct CommandEntry {
    UINT id;
    void (T::*onCommand)();
    void (T::*onUpdate)(CCmdUI*);
};

template <class T, size_t N>
bool DispatchCommand(T* target, const CommandEntry<T> (&map)[N], UINT id, CCmdUI* cmdUI)
{
    for (const CommandEntry<T>& entry : map) {
        if (entry.id != id) continue;
        if (cmdUI == nullptr) {
            if (entry.onCommand == nullptr) continue;
            (target->*entry.onCommand)();
        } else if (entry.onUpdate != nullptr) {
            (target->*entry.onUpdate)(cmdUI);
        } else if (entry.onCommand != nullptr) {
            cmdUI->Enable(true);
        } else {
            continue;
        }
        return true;
    }
    return false;
}
