#pragma once

#include <windows.h>

#include <string>

// System commands (minimize, maximize, close, restore...) as the system
// menu holds them.
inline bool IsSystemCommand(UINT id)
{
    const UINT command = id & 0xFFFF;
    return command >= 0xF000 && command <= 0xF150;
}

// The Marlett character of a system command, or 0.
inline char SystemCommandGlyph(UINT id)
{
    switch (id & 0xFFF0) {
    case SC_MINIMIZE: return '0';
    case SC_MAXIMIZE: return '1';
    case SC_CLOSE: return 'r';
    case SC_RESTORE: return '2';
    default: return 0;
    }
}

// A caption's text before its first tab and after its last.
inline void SplitCaption(const std::wstring& caption, std::wstring& left, std::wstring& right)
{
    const size_t first = caption.find(L'\t');
    left = caption.substr(0, first);
    right = first == std::wstring::npos ? std::wstring() : caption.substr(caption.rfind(L'\t') + 1);
}

// A grayed item is not drawn selected while SelectDisabledItems is off;
// it gets the keyboard mark instead when it was reached by a key press,
// which the message position tells apart from the mouse.
bool TakeKeyboardMark(UINT& state);
