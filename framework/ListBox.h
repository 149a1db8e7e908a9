#pragma once

#include <windows.h>

#include <string>

// A list-box control, addressed through its window handle.
class CListBox {
public:
    HWND m_hWnd = nullptr;

    void Attach(HWND hwnd) { m_hWnd = hwnd; }

    int GetCount() const { return Send(LB_GETCOUNT, 0, 0); }
    int GetSelCount() const { return Send(LB_GETSELCOUNT, 0, 0); }
    bool GetSel(int index) const { return Send(LB_GETSEL, index, 0) > 0; }
    void SetSel(int index, bool select) const { Send(LB_SETSEL, select, index); }

    int AddString(const char* text) const
    {
        return Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
    int DeleteString(int index) const { return Send(LB_DELETESTRING, index, 0); }
    void ResetContent() const { Send(LB_RESETCONTENT, 0, 0); }

    std::string GetText(int index) const
    {
        const int length = Send(LB_GETTEXTLEN, index, 0);
        if (length == LB_ERR) return {};
        std::string text(static_cast<size_t>(length) + 1, '\0');
        const int copied = Send(LB_GETTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
        text.resize(copied == LB_ERR ? 0 : static_cast<size_t>(copied));
        return text;
    }

private:
    int Send(UINT message, WPARAM wParam, LPARAM lParam) const
    {
        return static_cast<int>(SendMessageA(m_hWnd, message, wParam, lParam));
    }
};
