#include "tests/app/RunningApp.h"

#include <gtest/gtest.h>

void Pump()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

RunningApp::RunningApp()
{
    m_started = m_app.InitInstance();
    EXPECT_TRUE(m_started) << "the program did not start";
    Pump();
}

RunningApp::~RunningApp()
{
    Close();
    m_app.ExitInstance();
}

void RunningApp::Close()
{
    if (m_app.m_pMainWnd) ::DestroyWindow(m_app.m_pMainWnd->m_hWnd);
    Pump();
}

void RunningApp::Command(UINT id) const
{
    SendMessageA(Frame().m_hWnd, WM_COMMAND, MAKEWPARAM(id, 0), 0);
    Pump();
}

void RunningApp::Idle()
{
    Pump();
    m_app.OnIdle(0);
}

bool RunningApp::PressKey(UINT key, bool control, bool shift)
{
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = control ? 0x80 : 0;
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(keys);
    MSG message = {List().m_hWnd, WM_KEYDOWN, key, 1, GetTickCount(), {}};
    const bool taken = m_app.PreTranslateMessage(&message);
    keys[VK_CONTROL] = keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    Pump();
    return taken;
}

void ForgetPlacement() { RegDeleteKeyA(HKEY_CURRENT_USER, LocationKey); }

void SavePlacementValue(const char* name, DWORD type, const void* data, DWORD size)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, LocationKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
}

int SavedPlacementValue(const char* name)
{
    DWORD value = 0, size = sizeof value, type = 0;
    if (RegGetValueA(HKEY_CURRENT_USER, LocationKey, name, RRF_RT_ANY, &type, &value, &size) != ERROR_SUCCESS ||
        type != REG_DWORD)
        ADD_FAILURE() << "no saved " << name;
    return static_cast<int>(value);
}

RECT WindowRect(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

RECT ClientRectOnScreen(HWND window)
{
    RECT rect = {};
    GetClientRect(window, &rect);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}
