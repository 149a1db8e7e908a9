#pragma once

#include "framework/CmdTarget.h"

#include <windows.h>

#include <string>

// A window with its object: the window procedure finds the object from the
// pointer kept in the window's user data since WM_NCCREATE and calls
// WindowProc, which a class overrides with a switch over the messages it
// handles. No exception leaves the window procedure.
class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;

    // Creates a window of a class registered with CWnd's window procedure.
    bool CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style, const RECT& rect,
                  HWND parent, UINT idOrMenu);

    // Takes over an existing window (a control): its messages come to
    // WindowProc first, and Default passes them on to the control.
    bool SubclassWindow(HWND hwnd);

    // Registers a window class that dispatches to CWnd objects.
    static const char* RegisterClass(const char* name, UINT style, HICON icon, HBRUSH background);

    // The object of a window this framework created, if any.
    static CWnd* FromHandle(HWND hwnd);

    bool DestroyWindow();
    void ShowWindow(int show) const { ::ShowWindow(m_hWnd, show); }
    bool IsWindowVisible() const { return ::IsWindowVisible(m_hWnd) != FALSE; }
    void SetWindowText(const std::string& text) const { ::SetWindowTextA(m_hWnd, text.c_str()); }
    std::string GetWindowText() const;
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }

    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Last message the window gets; the object may delete itself here.
    virtual void PostNcDestroy() {}

protected:
    // Owner-drawn menu items the class left alone go to their menu's object.
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);
    // The procedure of a subclassed control, or null for DefWindowProc.
    WNDPROC m_previousProc = nullptr;

    static LRESULT CALLBACK StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT Dispatch(CWnd* wnd, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static void Bind(CWnd* wnd, HWND hwnd);
    // Dialogs: Default answers "not handled" so the dialog manager does the rest.
    bool m_isDialog = false;
    static INT_PTR CALLBACK StaticDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};
