#include "tests/support/TestFrame.h"

#include "res/resource.h"

#include <commctrl.h>

#include <cstring>
#include <gtest/gtest.h>

namespace {

const char FrameClass[] = "DustrelTestFrame";

void RegisterFrameClass()
{
    static bool registered = false;
    if (registered) return;
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSA frameClass = {};
    frameClass.lpfnWndProc = DefWindowProcA;
    frameClass.hInstance = GetModuleHandleA(nullptr);
    frameClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    frameClass.lpszClassName = FrameClass;
    RegisterClassA(&frameClass);
    registered = true;
}

}  // namespace

void PumpMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

TestFrame::TestFrame()
{
    RegisterFrameClass();
    HINSTANCE instance = GetModuleHandleA(nullptr);
    m_frame = CreateWindowExA(0, FrameClass, "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 600, 450,
                              nullptr, nullptr, instance, nullptr);
    m_statusBar = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0,
                                  0, m_frame, reinterpret_cast<HMENU>(AFX_IDW_STATUS_BAR), instance, nullptr);
    const int paneEdges[] = {400, -1};  // the message pane and the size pane, as the program has them
    SendMessageA(m_statusBar, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(paneEdges));
    m_form = CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_MAIN_FORM), m_frame, FormProc,
                                reinterpret_cast<LPARAM>(this));
    m_list.Attach(GetDlgItem(m_form, IDC_RESULT_LIST));
    EXPECT_NE(m_list.m_hWnd, nullptr) << "the main form has no result list";
    PumpMessages();
}

TestFrame::~TestFrame()
{
    DestroyWindow(m_frame);
    PumpMessages();
}

INT_PTR CALLBACK TestFrame::FormProc(HWND form, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(form, DWLP_USER, lParam);
        return TRUE;
    }
    auto* self = reinterpret_cast<TestFrame*>(GetWindowLongPtrA(form, DWLP_USER));
    if (message == WM_COMMAND && LOWORD(wParam) == IDC_RESULT_LIST && HIWORD(wParam) == LBN_SELCHANGE &&
        self && self->m_onSelChange) {
        self->m_onSelChange();
        return TRUE;
    }
    return FALSE;
}

std::string TestFrame::StatusText(int pane) const
{
    const int length = LOWORD(SendMessageA(m_statusBar, SB_GETTEXTLENGTHA, pane, 0));
    // The length may count characters rather than bytes: leave room for both.
    std::string text(static_cast<size_t>(length) * 4 + 1, '\0');
    SendMessageA(m_statusBar, SB_GETTEXTA, pane, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(std::strlen(text.c_str()));
    return text;
}

std::string TestFrame::Title() const
{
    char title[512] = "";
    GetWindowTextA(m_frame, title, sizeof title);
    return title;
}

void TestFrame::ClickLine(int index) const
{
    RECT line = {};
    ASSERT_NE(SendMessageA(m_list.m_hWnd, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&line)), LB_ERR);
    const LPARAM point = MAKELPARAM(line.left + 5, (line.top + line.bottom) / 2);
    SendMessageA(m_list.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageA(m_list.m_hWnd, WM_LBUTTONUP, 0, point);
    PumpMessages();
}
