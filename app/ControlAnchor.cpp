#include "app/ControlAnchor.h"

#include <algorithm>

CControlAnchor g_ControlAnchor;

namespace {

void ScreenToClientRect(HWND parent, RECT& rect)
{
    POINT corners[2] = {{rect.left, rect.top}, {rect.right, rect.bottom}};
    ::MapWindowPoints(nullptr, parent, corners, 2);
    rect = {corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}

void MoveTo(HWND child, const RECT& rect)
{
    ::MoveWindow(child, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
}

}  // namespace

CControlAnchor::ClientSize CControlAnchor::ParentClientSize() const
{
    RECT client = {};
    ::GetClientRect(m_parent, &client);
    return {client.right - client.left, client.bottom - client.top};
}

void CControlAnchor::Attach(HWND parent)
{
    if (parent == nullptr) return;
    m_parent = parent;
    const ClientSize size = ParentClientSize();
    m_lastWidth = size.width;
    m_lastHeight = size.height;
    ::GetWindowRect(parent, &m_parentRect);
    RemoveAllControls();
}

void CControlAnchor::RemoveAllControls()
{
    m_children.clear();
    m_clientRects.clear();
    m_screenRects.clear();
    m_flags.clear();
}

void CControlAnchor::AddControl(HWND child, UINT flags)
{
    if (child == nullptr) return;
    RECT screen = {};
    ::GetWindowRect(child, &screen);
    RECT client = screen;
    ScreenToClientRect(m_parent, client);
    // A parent still smaller than the layout its children were made for (the
    // default frame on a small screen) would give an edge that follows its
    // size a negative margin, kept through every later size: that edge
    // starts at the parent's instead.
    RECT fitted = client;
    if (flags & (GrowBoth | GrowWidth))
        fitted.right = std::max(fitted.left, std::min<LONG>(fitted.right, m_lastWidth));
    if (flags & (GrowBoth | GrowHeight))
        fitted.bottom = std::max(fitted.top, std::min<LONG>(fitted.bottom, m_lastHeight));
    if (!::EqualRect(&fitted, &client)) {
        client = fitted;
        MoveTo(child, client);
        ::GetWindowRect(child, &screen);
    }
    m_children.push_back(child);
    m_clientRects.push_back(client);
    m_screenRects.push_back(screen);
    m_flags.push_back(flags);
}

void CControlAnchor::OnParentSize()
{
    if (m_parent == nullptr) return;
    const ClientSize size = ParentClientSize();
    const int dx = size.width - m_lastWidth;
    const int dy = size.height - m_lastHeight;
    m_lastWidth = size.width;
    m_lastHeight = size.height;

    for (size_t index = 0; index < m_children.size(); ++index) {
        RECT& rect = m_clientRects[index];
        const UINT flags = m_flags[index];
        if (flags & GrowBoth) rect.right += dx, rect.bottom += dy;
        if (flags & GrowWidth) rect.right += dx;
        if (flags & GrowHeight) rect.bottom += dy;
        if (flags & MoveRight) rect.left += dx, rect.right += dx;
        if (flags & MoveDown) rect.top += dy, rect.bottom += dy;
        if (flags & MoveRightToo) rect.left += dx, rect.right += dx;
        if (flags & MoveBoth) rect.left += dx, rect.right += dx, rect.top += dy, rect.bottom += dy;
        if (flags & MoveDownToo) rect.top += dy, rect.bottom += dy;
        if (flags & KeepOnScreen) {
            rect = m_screenRects[index];
            ScreenToClientRect(m_parent, rect);
        }
        MoveTo(m_children[index], rect);
    }
}

void CControlAnchor::Refresh()
{
    if (m_parent == nullptr) return;
    ::GetWindowRect(m_parent, &m_parentRect);
    const ClientSize size = ParentClientSize();
    m_lastWidth = size.width;
    m_lastHeight = size.height;
    ::RedrawWindow(m_parent, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_UPDATENOW);
}

void CControlAnchor::OnParentMove()
{
    if (m_parent == nullptr) return;
    RECT now = {};
    ::GetWindowRect(m_parent, &now);
    const int dx = now.left - m_parentRect.left;
    const int dy = now.top - m_parentRect.top;
    for (size_t index = 0; index < m_children.size(); ++index) {
        if (m_flags[index] != KeepOnScreen) continue;
        ::OffsetRect(&m_clientRects[index], -dx, -dy);
        MoveTo(m_children[index], m_clientRects[index]);
        ::InvalidateRect(m_children[index], nullptr, TRUE);
    }
    m_parentRect = now;
}
