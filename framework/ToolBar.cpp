#include "framework/ToolBar.h"

#include "framework/Dpi.h"
#include "framework/FrameWnd.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>

namespace {

// Non-client strips of a docked bar: the gripper at its start, a border line
// on the side that faces the view.
const int GripperSize = 10;
const int BorderSize = 2;

RECT NonClientEdges(DockSide side)
{
    switch (side) {
    case DockSide::Top:
        return {GripperSize, 0, 0, BorderSize};
    case DockSide::Bottom:
        return {GripperSize, BorderSize, 0, 0};
    case DockSide::Left:
        return {0, GripperSize, BorderSize, 0};
    case DockSide::Right:
        return {BorderSize, GripperSize, 0, 0};
    default:
        return {0, 0, 0, 0};
    }
}

UINT BorderEdge(DockSide side)
{
    switch (side) {
    case DockSide::Top:
        return BF_BOTTOM;
    case DockSide::Bottom:
        return BF_TOP;
    case DockSide::Left:
        return BF_RIGHT;
    default:
        return BF_LEFT;
    }
}

// Inverts a frame of the given width on the screen with a half-tone brush;
// drawing it twice leaves the screen as it was.
void InvertFrame(const RECT& rect, int width)
{
    static const WORD halftone[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
    HDC dc = ::GetDC(nullptr);
    HBITMAP bitmap = ::CreateBitmap(8, 8, 1, 1, halftone);
    HBRUSH brush = ::CreatePatternBrush(bitmap);
    HGDIOBJ previous = ::SelectObject(dc, brush);
    const int cx = rect.right - rect.left, cy = rect.bottom - rect.top;
    ::PatBlt(dc, rect.left, rect.top, cx, width, PATINVERT);
    ::PatBlt(dc, rect.left, rect.bottom - width, cx, width, PATINVERT);
    ::PatBlt(dc, rect.left, rect.top + width, width, cy - 2 * width, PATINVERT);
    ::PatBlt(dc, rect.right - width, rect.top + width, width, cy - 2 * width, PATINVERT);
    ::SelectObject(dc, previous);
    ::DeleteObject(brush);
    ::DeleteObject(bitmap);
    ::ReleaseDC(nullptr, dc);
}

// The signed point a mouse message carries.
POINT PointOf(LPARAM lParam) { return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))}; }

}  // namespace

CToolBar::~CToolBar()
{
    // The bar's window goes first, while this object can still answer its
    // messages; then the floating frame it may sit in.
    if (m_hWnd != nullptr && ::IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
    m_floatFrame.reset();
    if (m_images != nullptr) ImageList_Destroy(m_images);
}

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
    m_measured = false;
    return true;
}

bool CToolBar::SetImageStrip(UINT bitmapId, SIZE image, COLORREF mask)
{
    HIMAGELIST images = ImageList_Create(image.cx, image.cy, ILC_COLOR24 | ILC_MASK, 0, 8);
    auto* strip = static_cast<HBITMAP>(::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(bitmapId),
                                                    IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    const bool loaded = images != nullptr && strip != nullptr && ImageList_AddMasked(images, strip, mask) >= 0;
    if (strip != nullptr) ::DeleteObject(strip);
    if (!loaded) {
        if (images != nullptr) ImageList_Destroy(images);
        return false;
    }
    SendMessage(TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    if (m_images != nullptr) ImageList_Destroy(m_images);
    m_images = images;
    SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(image.cx, image.cy));
    SendMessage(TB_AUTOSIZE);
    m_measured = false;
    // A floating bar's frame fits the buttons again, where it is.
    if (IsFloating() && m_floatFrame) {
        RECT frame = {};
        ::GetWindowRect(m_floatFrame->m_hWnd, &frame);
        FloatAt({frame.left, frame.top});
    }
    return true;
}

bool CToolBar::IsButtonEnabled(UINT id) const { return SendMessage(TB_ISBUTTONENABLED, id) != 0; }

void CToolBar::UpdateCommandUI()
{
    for (UINT id : m_ids) {
        if (id == 0) continue;
        CCmdUI state(id);
        m_pFrame->RouteCommandUI(state);
        if (IsButtonEnabled(id) != state.m_enabled) SendMessage(TB_ENABLEBUTTON, id, MAKELPARAM(state.m_enabled, 0));
    }
}

// Layout ---------------------------------------------------------------------

void CToolBar::SetVerticalLayout(bool vertical) const
{
    // One button a row when vertical: every item wraps, and CCS_VERT makes
    // the separators lie across the column.
    const LONG_PTR style = ::GetWindowLongPtrA(m_hWnd, GWL_STYLE);
    const LONG_PTR wanted = vertical ? (style | CCS_VERT) : (style & ~static_cast<LONG_PTR>(CCS_VERT));
    bool changed = wanted != style;
    if (changed) ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, wanted);
    const int count = static_cast<int>(SendMessage(TB_BUTTONCOUNT));
    for (int index = 0; index < count; ++index) {
        TBBUTTONINFOA info = {};
        info.cbSize = sizeof info;
        info.dwMask = TBIF_BYINDEX | TBIF_STATE;
        if (SendMessage(TB_GETBUTTONINFOA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&info)) < 0) continue;
        const BYTE state = vertical ? (info.fsState | TBSTATE_WRAP) : (info.fsState & ~TBSTATE_WRAP);
        if (state == info.fsState) continue;
        info.fsState = state;
        SendMessage(TB_SETBUTTONINFOA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&info));
        changed = true;
    }
    if (changed) SendMessage(TB_AUTOSIZE);
}

SIZE CToolBar::MeasureContent() const
{
    SIZE size = {0, 0};
    const int count = static_cast<int>(SendMessage(TB_BUTTONCOUNT));
    for (int index = 0; index < count; ++index) {
        RECT item = {};
        if (!SendMessage(TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item))) continue;
        if (item.right > size.cx) size.cx = item.right;
        if (item.bottom > size.cy) size.cy = item.bottom;
    }
    return size;
}

SIZE CToolBar::ContentSize(bool vertical) const
{
    if (!m_measured && m_hWnd != nullptr) {
        SetVerticalLayout(true);
        m_vertContent = MeasureContent();
        SetVerticalLayout(false);
        m_horzContent = MeasureContent();
        SetVerticalLayout(IsVerticalSide(m_side));
        m_measured = true;
    }
    return vertical ? m_vertContent : m_horzContent;
}

SIZE CToolBar::DockedSize(DockSide side) const
{
    const SIZE content = ContentSize(IsVerticalSide(side));
    const RECT edges = NonClientEdges(side);
    return {content.cx + edges.left + edges.right, content.cy + edges.top + edges.bottom};
}

SIZE CToolBar::FloatingFrameSize() const
{
    const SIZE content = ContentSize(false);
    RECT frame = {0, 0, content.cx, content.cy};
    AdjustWindowRectForDpi(frame, CMiniDockFrameWnd::Style, CMiniDockFrameWnd::ExStyle, DpiOf(m_hWnd));
    return {frame.right - frame.left, frame.bottom - frame.top};
}

void CToolBar::LayoutIn(RECT& free)
{
    if (IsFloating() || !IsBarVisible()) return;
    const SIZE size = DockedSize(m_side);
    RECT bar = free;
    switch (m_side) {
    case DockSide::Top:
        free.top = bar.bottom = bar.top + size.cy;
        break;
    case DockSide::Bottom:
        free.bottom = bar.top = bar.bottom - size.cy;
        break;
    case DockSide::Left:
        free.left = bar.right = bar.left + size.cx;
        break;
    default:
        free.right = bar.left = bar.right - size.cx;
        break;
    }
    ::MoveWindow(m_hWnd, bar.left, bar.top, bar.right - bar.left, bar.bottom - bar.top, TRUE);
}

void CToolBar::ShowBar(bool show)
{
    if (IsFloating() && m_floatFrame) m_floatFrame->ShowWindow(show ? SW_SHOWNOACTIVATE : SW_HIDE);
    else ShowWindow(show ? SW_SHOW : SW_HIDE);
}

bool CToolBar::IsBarVisible() const
{
    // The bar's own style, not IsWindowVisible: a bar counts as shown while
    // its frame is still hidden or minimized.
    const HWND window = IsFloating() && m_floatFrame ? m_floatFrame->m_hWnd : m_hWnd;
    return window != nullptr && (::GetWindowLongPtrA(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

// Docking --------------------------------------------------------------------

std::unique_ptr<CMiniDockFrameWnd> CToolBar::NewFloatingFrame()
{
    return m_pFrame != nullptr ? m_pFrame->NewFloatingFrame() : std::make_unique<CMiniDockFrameWnd>();
}

void CToolBar::SetSide(DockSide side)
{
    m_side = side;
    m_dwStyle = (m_dwStyle & ~static_cast<DWORD>(CBRS_ALIGN_ANY)) | AlignmentOf(side);
    ContentSize(false);
    SetVerticalLayout(IsVerticalSide(side));
    // The gripper and border strips change with the side.
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void CToolBar::DockAt(DockSide side)
{
    if (m_hWnd == nullptr) return;
    if (!(AlignmentOf(side) & AllowedAlignments())) {
        if (!IsFloating()) {
            RECT bar = {};
            ::GetWindowRect(m_hWnd, &bar);
            FloatAt({bar.left, bar.top});
        }
        return;
    }
    const bool visible = IsBarVisible();
    if (IsFloating() && m_floatFrame) {
        m_floatFrame->ShowWindow(SW_HIDE);
        ::SetParent(m_hWnd, m_pFrame->m_hWnd);
        SendMessage(TB_SETPARENT, reinterpret_cast<WPARAM>(m_pFrame->m_hWnd));
    }
    SetSide(side);
    m_lastDockSide = side;
    ShowWindow(visible ? SW_SHOWNA : SW_HIDE);
    m_pFrame->RecalcLayout();
}

void CToolBar::FloatAt(POINT topLeft)
{
    if (m_hWnd == nullptr) return;
    if (!m_floatFrame) {
        std::unique_ptr<CMiniDockFrameWnd> frame = NewFloatingFrame();
        if (!frame->Create(m_pFrame, this)) return;
        m_floatFrame = std::move(frame);
    }
    const bool visible = IsBarVisible();
    const bool wasDocked = !IsFloating();
    const HWND floatWindow = m_floatFrame->m_hWnd;
    if (::GetParent(m_hWnd) != floatWindow) {
        ::SetParent(m_hWnd, floatWindow);
        // Buttons and tool tips now report to the floating frame, which passes them on.
        SendMessage(TB_SETPARENT, reinterpret_cast<WPARAM>(floatWindow));
    }
    SetSide(DockSide::Floating);
    const SIZE content = ContentSize(false);
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, content.cx, content.cy, SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    const SIZE frame = FloatingFrameSize();
    ::SetWindowPos(floatWindow, nullptr, topLeft.x, topLeft.y, frame.cx, frame.cy,
                   SWP_NOZORDER | SWP_NOACTIVATE | (visible ? SWP_SHOWWINDOW : 0));
    if (wasDocked) m_pFrame->RecalcLayout();
}

void CToolBar::DockBack()
{
    if (!IsFloating()) return;
    const DWORD allowed = AllowedAlignments();
    DockAt(AlignmentOf(m_lastDockSide) & allowed ? m_lastDockSide : FirstAllowedSide(allowed));
}

// Dragging -------------------------------------------------------------------

DockSide CToolBar::DropSide(POINT point) const
{
    RECT client = {};
    ::GetClientRect(m_pFrame->m_hWnd, &client);
    ::MapWindowPoints(m_pFrame->m_hWnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return DockSideForDrop(client, DockedSize(DockSide::Top).cy, AllowedAlignments(),
                           point);
}

void CToolBar::BeginDrag(POINT point)
{
    if (m_hWnd == nullptr || m_drag.pressed) return;
    ContentSize(false);
    RECT from = {};
    ::GetWindowRect(IsFloating() && m_floatFrame ? m_floatFrame->m_hWnd : m_hWnd, &from);
    m_drag = DragState();
    m_drag.pressed = true;
    m_drag.start = point;
    m_drag.grab = {point.x - from.left, point.y - from.top};
    ::SetCapture(m_hWnd);
}

void CToolBar::DragTo(POINT point)
{
    if (!m_drag.moved) {
        // A click that barely moves is no drag.
        if (std::abs(point.x - m_drag.start.x) < ::GetSystemMetrics(SM_CXDRAG) &&
            std::abs(point.y - m_drag.start.y) < ::GetSystemMetrics(SM_CYDRAG))
            return;
        m_drag.moved = true;
    }
    const DockSide side = DropSide(point);
    const SIZE size = side == DockSide::Floating ? FloatingFrameSize() : DockedSize(side);
    // A thick frame for floating, a thin one for docking.
    ShowDragRect(DragRectAt(point, m_drag.grab, size), side == DockSide::Floating ? 3 : 1);
}

void CToolBar::EndDrag(POINT point)
{
    if (!m_drag.pressed) return;
    DragTo(point);
    HideDragRect();
    const bool moved = m_drag.moved;
    const POINT grab = m_drag.grab;
    m_drag.pressed = false;
    if (::GetCapture() == m_hWnd) ::ReleaseCapture();
    if (!moved) return;
    const DockSide side = DropSide(point);
    if (side != DockSide::Floating) {
        DockAt(side);
        return;
    }
    const RECT frame = DragRectAt(point, grab, FloatingFrameSize());
    FloatAt({frame.left, frame.top});
}

void CToolBar::CancelDrag()
{
    if (!m_drag.pressed) return;
    HideDragRect();
    m_drag.pressed = false;
    if (::GetCapture() == m_hWnd) ::ReleaseCapture();
}

void CToolBar::ShowDragRect(const RECT& rect, int width)
{
    if (m_drag.shownWidth == width && ::EqualRect(&m_drag.shown, &rect)) return;
    HideDragRect();
    InvertFrame(rect, width);
    m_drag.shown = rect;
    m_drag.shownWidth = width;
}

void CToolBar::HideDragRect()
{
    if (m_drag.shownWidth == 0) return;
    InvertFrame(m_drag.shown, m_drag.shownWidth);
    m_drag.shownWidth = 0;
}

// Non-client area ------------------------------------------------------------

RECT CToolBar::GripperRect() const
{
    if (IsFloating()) return {0, 0, 0, 0};
    RECT window = {};
    ::GetWindowRect(m_hWnd, &window);
    const LONG cx = window.right - window.left, cy = window.bottom - window.top;
    const RECT edges = NonClientEdges(m_side);
    if (IsVerticalSide(m_side)) return {edges.left, 0, cx - edges.right, GripperSize};
    return {0, edges.top, GripperSize, cy - edges.bottom};
}

bool CToolBar::OnGripper(POINT screen) const
{
    RECT window = {};
    ::GetWindowRect(m_hWnd, &window);
    RECT gripper = GripperRect();
    ::OffsetRect(&gripper, window.left, window.top);
    return ::PtInRect(&gripper, screen) != FALSE;
}

void CToolBar::PaintNonClient()
{
    if (IsFloating()) return;
    RECT window = {}, client = {};
    ::GetWindowRect(m_hWnd, &window);
    ::GetClientRect(m_hWnd, &client);
    ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
    ::OffsetRect(&client, -window.left, -window.top);
    ::OffsetRect(&window, -window.left, -window.top);

    HDC dc = ::GetWindowDC(m_hWnd);
    ::ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
    ::FillRect(dc, &window, ::GetSysColorBrush(COLOR_BTNFACE));
    // The gripper: two raised lines across the bar's start.
    const RECT gripper = GripperRect();
    for (int line = 0; line < 2; ++line) {
        RECT raised = gripper;
        if (IsVerticalSide(m_side)) {
            ::InflateRect(&raised, -2, 0);
            raised.top = gripper.top + 2 + 3 * line;
            raised.bottom = raised.top + 3;
        } else {
            ::InflateRect(&raised, 0, -2);
            raised.left = gripper.left + 2 + 3 * line;
            raised.right = raised.left + 3;
        }
        ::DrawEdge(dc, &raised, BDR_RAISEDINNER, BF_RECT);
    }
    ::DrawEdge(dc, &window, EDGE_ETCHED, BorderEdge(m_side));
    ::ReleaseDC(m_hWnd, dc);
}

LRESULT CToolBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCCALCSIZE: {
        const LRESULT result = Default(message, wParam, lParam);
        // Either way, the first rectangle becomes the client area.
        auto* rect = reinterpret_cast<RECT*>(lParam);
        const RECT edges = NonClientEdges(m_side);
        rect->left += edges.left;
        rect->top += edges.top;
        rect->right = std::max(rect->left, rect->right - edges.right);
        rect->bottom = std::max(rect->top, rect->bottom - edges.bottom);
        return result;
    }
    case WM_NCPAINT:
        Default(message, wParam, lParam);
        PaintNonClient();
        return 0;
    case WM_NCHITTEST:
        // The gripper counts as client area, so pressing it comes as WM_LBUTTONDOWN.
        if (OnGripper(PointOf(lParam))) return HTCLIENT;
        break;
    case WM_LBUTTONDOWN: {
        POINT point = PointOf(lParam);
        ::ClientToScreen(m_hWnd, &point);
        if (!OnGripper(point)) break;
        BeginDrag(point);
        return 0;
    }
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP: {
        if (!m_drag.pressed) break;
        POINT point = PointOf(lParam);
        ::ClientToScreen(m_hWnd, &point);
        if (message == WM_MOUSEMOVE) DragTo(point);
        else EndDrag(point);
        return 0;
    }
    case WM_CAPTURECHANGED:
        if (m_drag.pressed && reinterpret_cast<HWND>(lParam) != m_hWnd) CancelDrag();
        break;
    case WM_CANCELMODE:
        CancelDrag();
        break;
    default:
        break;
    }
    return CControlBar::WindowProc(message, wParam, lParam);
}
