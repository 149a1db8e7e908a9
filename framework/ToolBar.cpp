#include "framework/ToolBar.h"

#include "framework/FrameWnd.h"

#include <commctrl.h>

bool CToolBar::CreateEx(CFrameWnd* frame, DWORD controlStyle, DWORD style, UINT id)
{
    m_pFrame = frame;
    m_dwStyle = style;
    DWORD windowStyle = WS_CHILD | (style & WS_VISIBLE) | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER |
                        controlStyle;
    if (style & CBRS_TOOLTIPS) windowStyle |= TBSTYLE_TOOLTIPS;
    HWND hwnd = ::CreateWindowExA(0, TOOLBARCLASSNAMEA, "", windowStyle, 0, 0, 0, 0, frame->m_hWnd,
                                  reinterpret_cast<HMENU>(UINT_PTR{id}), ::GetModuleHandleA(nullptr), nullptr);
    if (hwnd == nullptr || !SubclassWindow(hwnd)) return false;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    frame->AddControlBar(this);
    return true;
}

bool CToolBar::LoadToolBar(UINT resourceId)
{
    HMODULE module = ::GetModuleHandleA(nullptr);
    HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(resourceId), MAKEINTRESOURCEA(241));
    if (found == nullptr) return false;
    const auto* words = static_cast<const WORD*>(::LockResource(::LoadResource(module, found)));
    const DWORD size = ::SizeofResource(module, found);
    if (words == nullptr || size < 8 || words[0] != 1) return false;
    const WORD width = words[1], height = words[2], count = words[3];
    if (size < 8u + 2u * count) return false;

    SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(width, height));
    TBADDBITMAP bitmap = {module, resourceId};
    int images = 0;
    for (WORD index = 0; index < count; ++index) images += words[4 + index] != 0;
    if (SendMessage(TB_ADDBITMAP, static_cast<WPARAM>(images), reinterpret_cast<LPARAM>(&bitmap)) < 0) return false;

    std::vector<TBBUTTON> buttons;
    int image = 0;
    for (WORD index = 0; index < count; ++index) {
        const UINT id = words[4 + index];
        TBBUTTON button = {};
        button.idCommand = static_cast<int>(id);
        button.fsState = TBSTATE_ENABLED;
        button.fsStyle = id == 0 ? BTNS_SEP : BTNS_BUTTON;
        button.iBitmap = id == 0 ? 0 : image++;
        buttons.push_back(button);
        m_ids.push_back(id);
    }
    SendMessage(TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
    SendMessage(TB_AUTOSIZE);
    return true;
}

bool CToolBar::IsButtonEnabled(UINT id) const { return SendMessage(TB_ISBUTTONENABLED, id) != 0; }

void CToolBar::LayoutIn(RECT& free)
{
    if (!IsWindowVisible()) return;
    SIZE size = {};
    SendMessage(TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&size));
    const int height = size.cy + 2;
    ::MoveWindow(m_hWnd, free.left, free.top, free.right - free.left, height, TRUE);
    free.top += height;
}

void CToolBar::UpdateCommandUI()
{
    for (UINT id : m_ids) {
        if (id == 0) continue;
        CCmdUI state(id);
        m_pFrame->RouteCommandUI(state);
        if (IsButtonEnabled(id) != state.m_enabled) SendMessage(TB_ENABLEBUTTON, id, MAKELPARAM(state.m_enabled, 0));
    }
}
